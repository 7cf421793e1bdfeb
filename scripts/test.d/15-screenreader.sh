# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A pupil practises by ear with Orca, the screen reader, keyboard only: a
# round of each operation in English, then one round in a language of each
# writing system among the translation files (Latin, Cyrillic, Arabic, Han,
# kana, Hangul, Devanagari, ...) that espeak-ng has a voice for, worked out
# from the files themselves. Every sum, verdict and message is checked against
# what Orca spoke, in the program's own texts from the translation files. If
# anything cannot start, the stage fails.
#   TALLYFOX_SCREENREADER_LANGUAGES=all   every language of the translation files
#   TALLYFOX_SCREENREADER_LANGUAGES=N     the first N runs (the Debian 13 check runs two)
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}" "${screen_reader_test_packages[@]}"
practice="$TALLYFOX_ROOT/tests/screenreader/orca_practice.py"
wanted=${TALLYFOX_SCREENREADER_LANGUAGES:-}
read -r -a languages <<<"$(/usr/bin/python3 "$practice" --rounds ${wanted/#[0-9]*/})"
if [[ $wanted =~ ^[0-9]+$ ]]; then
    languages=("${languages[@]:0:wanted}")
fi
locales=()
for language in "${languages[@]:1}"; do
    locales+=("$(/usr/bin/python3 "$practice" --locale-of "$language")")
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
