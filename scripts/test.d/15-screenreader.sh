# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A pupil practises by ear with Orca, the screen reader, keyboard only: one
# round of each operation in English and one round in each language that has
# a translation file, every sum, verdict and message checked against what
# Orca spoke, in the program's own texts from the translation files. If
# anything cannot start, the stage fails.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}" "${screen_reader_test_packages[@]}"
practice="$TALLYFOX_ROOT/tests/screenreader/orca_practice.py"
languages=(en)
locales=()
for file in "$TALLYFOX_ROOT"/translations/tallyfox_*.ts; do
    language=$(basename "$file" .ts)
    languages+=("${language#tallyfox_}")
    locales+=("$(/usr/bin/python3 "$practice" --locale-of "${language#tallyfox_}")")
done
ensure_locale "${locales[@]}"

source "$TALLYFOX_ROOT/scripts/testbuild.sh"
build=$test_build
configure_test_build
cmake --build "$build" --target tallyfox >/dev/null

# Orca stops, or with --replace kills, every other Orca of the same user that
# it can see, so a run sees only its own processes: another run beside it (of
# another stage or another checkout) is left alone.
own_processes=(unshare --pid --fork --kill-child --mount-proc)
[ "$(id -u)" -eq 0 ] || own_processes+=(--user --map-root-user)

status=0
for language in "${languages[@]}"; do
    started=$SECONDS
    # A D-Bus session of its own, so that nothing of the machine's desktop
    # (or another run) is heard.
    "${own_processes[@]}" dbus-run-session -- /usr/bin/python3 "$practice" \
        "$build/bin/tallyfox" "$language" "$build/screenreader-$language" \
        2> >(grep -v "^dbus-daemon" >&2) || status=1
    echo "screen reader ($language): $((SECONDS - started)) s"
done
exit "$status"
