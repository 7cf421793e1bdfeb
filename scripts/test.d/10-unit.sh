# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The regular build, warnings as errors, and every CTest test.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_german_locale
ensure_packages "${build_packages[@]}"

source "$TALLYFOX_ROOT/scripts/testbuild.sh"
build=$test_build
configure_test_build
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
