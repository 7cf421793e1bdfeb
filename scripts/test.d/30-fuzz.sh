# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a while on a copy of its
# checked-in corpus. A crash, a sanitizer report, a failed property, a leak,
# a timeout or running out of memory fails the stage.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}"
ensure_clang_sanitizers

build="$TALLYFOX_ROOT/build-fuzz"
sanitize="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$TALLYFOX_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLYFOX_WERROR=ON -DTALLYFOX_BUILD_TESTS=OFF -DTALLYFOX_BUILD_FUZZERS=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --target tallyfox_fuzzers

seconds=${TALLYFOX_FUZZ_SECONDS:-30}
# The corpora are copied into a work folder, removed at the end whatever happens.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Texts and settings files longer than this find nothing new, only slower.
declare -A max_len=([fuzz_leadingnumber]=2048 [fuzz_numbervalue]=512 [fuzz_settingsfile]=4096)
for target in fuzz_leadingnumber fuzz_numbervalue fuzz_settingsfile; do
    corpus="$work/$target"
    cp -r "$TALLYFOX_ROOT/fuzz/corpus/$target" "$corpus"
    log="$work/$target.log"
    echo "---- $target"
    if ! (cd "$work" && "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" \
        -max_len="${max_len[$target]}" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" >"$log" 2>&1); then
        tail -n 60 "$log"
        for artifact in "$work/$target"-*; do
            [ -e "$artifact" ] || continue
            echo "Input that failed ($artifact), as hex:"
            od -A d -t x1 "$artifact" | head -n 40
        done
        echo "$target found a problem"
        exit 1
    fi
    grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log"
    grep -E 'stat::(number_of_executed_units|peak_rss_mb|new_units_added)' "$log"
done
