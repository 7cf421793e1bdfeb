# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A second build of everything with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and every CTest test run under them. Any
# finding stops the test that made it, so the stage fails.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_german_locale
ensure_packages "${build_packages[@]}"
ensure_clang_sanitizers

build="$TALLYFOX_ROOT/build-asan"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$TALLYFOX_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLYFOX_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$build"

# Leaks fail a test too. Qt's offscreen platform and fontconfig leak nothing
# that LeakSanitizer reports, so no suppressions are needed.
options="halt_on_error=1:abort_on_error=0:detect_leaks=1:print_stacktrace=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
# Before clang 17 the sanitizers guess the bounds of a thread's dynamic TLS
# (the TLS of a library loaded at run time, such as libjpeg, which Qt's JPEG
# plugin loads for the answer pictures) from a header they expect in front of
# it, which glibc 2.25 and later no longer write. Where such a block happens to
# start 16 bytes into a page, as the heap falls on some machines, the guess is
# a bogus range and LeakSanitizer crashes scanning it. There the blocks are
# left to be found as the ordinary heap blocks they are, reached from the
# thread's TLS table; leaks are checked all the same.
if [ "$(clang -dumpversion | cut -d. -f1)" -lt 17 ]; then
    options="$options:intercept_tls_get_addr=0"
fi
export ASAN_OPTIONS="$options"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$build" --output-on-failure -j2
