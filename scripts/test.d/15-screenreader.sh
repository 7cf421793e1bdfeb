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
# TALLYFOX_SCREENREADER_LANGUAGES=N keeps English and the first N-1 others
# (the Debian 13 check runs two), for a shorter stage.
others=("$TALLYFOX_ROOT"/translations/tallyfox_*.ts)
if [ -n "${TALLYFOX_SCREENREADER_LANGUAGES:-}" ]; then
    others=("${others[@]:0:TALLYFOX_SCREENREADER_LANGUAGES-1}")
fi
for file in "${others[@]}"; do
    language=$(basename "$file" .ts)
    languages+=("${language#tallyfox_}")
    locales+=("$(/usr/bin/python3 "$practice" --locale-of "${language#tallyfox_}")")
done
ensure_locale "${locales[@]}"

source "$TALLYFOX_ROOT/scripts/testbuild.sh"
build=$test_build
configure_test_build
cmake --build "$build" --target tallyfox >/dev/null

# One practice in LANGUAGE, in a D-Bus session of its own, so that nothing of
# the machine's desktop (or another run) is heard; what it printed is kept.
practise() {
    local language=$1
    dbus-run-session -- /usr/bin/python3 "$practice" \
        "$build/bin/tallyfox" "$language" "$build/screenreader-$language" \
        2> >(grep -v "^dbus-daemon" >&2) | tee "$build/screenreader-$language.out"
    return "${PIPESTATUS[0]}"
}

status=0
for language in "${languages[@]}"; do
    started=$SECONDS
    if ! practise "$language"; then
        # A run in which Orca never started or fell silent from the first key
        # heard nothing of the program: it proves nothing either way, and is
        # tried once more. Any other failure stands.
        if grep -qE "Orca said: \[\]$|waiting for Orca" "$build/screenreader-$language.out"; then
            echo "screen reader ($language): Orca was silent; trying once more"
            practise "$language" || status=1
        else
            status=1
        fi
    fi
    echo "screen reader ($language): $((SECONDS - started)) s"
done
exit "$status"
