# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The test build, build-test: a debug build of the program and every test,
# warnings as errors. The unit, screen-reader and tidy stages share it;
# sourced by them, so it is configured the same way whichever runs first.
test_build="$TALLYFOX_ROOT/build-test"
configure_test_build() {
    cmake -S "$TALLYFOX_ROOT" -B "$test_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DTALLYFOX_WERROR=ON >/dev/null
}
