# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A pupil practises by ear with Orca, the screen reader, keyboard only: one
# round of each operation in English and one round in German, every sum,
# verdict and message checked against what Orca spoke. If anything cannot
# start, the stage fails.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}" "${screen_reader_test_packages[@]}"
ensure_german_locale

source "$TALLYFOX_ROOT/scripts/testbuild.sh"
build=$test_build
configure_test_build
cmake --build "$build" --target tallyfox >/dev/null

# Orca stops, or with --replace kills, every other Orca of the same user that
# it can see, so a run sees only its own processes: another run beside it (of
# another stage or another checkout) is left alone. Where no process namespace
# can be made (in a chroot whose root is no mount point), the run shares the
# machine's processes.
own_processes=(unshare --pid --fork --kill-child --mount-proc)
[ "$(id -u)" -eq 0 ] || own_processes+=(--user --map-root-user)
if ! "${own_processes[@]}" true 2>/dev/null; then
    echo "screen reader: no process namespace of its own here; another Orca would end this one"
    own_processes=()
fi

status=0
for language in en de; do
    started=$SECONDS
    # A D-Bus session of its own, so that nothing of the machine's desktop
    # (or another run) is heard.
    "${own_processes[@]}" dbus-run-session -- /usr/bin/python3 "$TALLYFOX_ROOT/tests/screenreader/orca_practice.py" \
        "$build/bin/tallyfox" "$language" "$build/screenreader-$language" \
        2> >(grep -v "^dbus-daemon" >&2) || status=1
    echo "screen reader ($language): $((SECONDS - started)) s"
done
exit "$status"
