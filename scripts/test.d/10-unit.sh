# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The regular build, warnings as errors, and every CTest test.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_german_locale
ensure_packages "${build_packages[@]}"

build="$TALLYFOX_ROOT/build-test"
cmake -S "$TALLYFOX_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLYFOX_WERROR=ON >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
