#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks an installed Tallyfox tree: the launcher on the path resolves to the real
# program, and the program's folder holds the three pictures and the translations
# it loads at run time.
# Usage: check-install.sh <installed prefix, e.g. $DESTDIR/usr>
set -euo pipefail
prefix=$1
fail() { echo "install check: $*" >&2; exit 1; }

launcher="$prefix/bin/tallyfox"
[ -L "$launcher" ] || fail "$launcher is not a link"
case "$(readlink "$launcher")" in
    /*) fail "the launcher link is absolute: $(readlink "$launcher")" ;;
esac
program=$(readlink -f "$launcher")
[ -f "$program" ] && [ -x "$program" ] || fail "the launcher does not lead to a program: $program"
folder=$(dirname "$program")
[ "$folder" != "$(cd "$prefix/bin" && pwd -P)" ] || fail "the program lies in bin/ itself"

for picture in blank.jpg right.jpg wrong.jpg; do
    file="$folder/$picture"
    [ -f "$file" ] || fail "$picture is missing beside $program"
    # Every JPEG file starts with the bytes FF D8 FF.
    [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' \n')" = "ffd8ff" ] || fail "$picture is not a JPEG"
done

# The languages are the source's translation files.
languages=()
for ts in "$(dirname "$0")"/../../translations/tallyfox_*.ts; do
    language=$(basename "$ts" .ts)
    languages+=("${language#tallyfox_}")
done
[ ${#languages[@]} -gt 0 ] || fail "no translation files beside the sources"

# The translations, in the subfolder where the program looks for them. Every
# compiled Qt translation starts with the bytes 3C B8 64 18.
for language in "${languages[@]}"; do
    file="$folder/translations/tallyfox_$language.qm"
    [ -f "$file" ] || fail "translations/tallyfox_$language.qm is missing beside $program"
    [ "$(head -c 4 "$file" | od -An -tx1 | tr -d ' \n')" = "3cb86418" ] || fail "$file is not a Qt translation"
done

desktop=$(find "$prefix/share/applications" -name '*.desktop')
[ "$(echo "$desktop" | wc -l)" -eq 1 ] || fail "expected one desktop file, found: $desktop"
id=$(basename "$desktop" .desktop)
grep -qx "Exec=tallyfox" "$desktop" || fail "the desktop entry does not start the launcher"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not named $id"
for icon in 16x16/apps/$id.png 32x32/apps/$id.png scalable/apps/$id.svg; do
    [ -f "$prefix/share/icons/hicolor/$icon" ] || fail "icon $icon is missing"
done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$metainfo" ] || fail "AppStream data $id.metainfo.xml is missing"
# Both speak every language.
for language in "${languages[@]}"; do
    grep -q "^GenericName\[$language\]=." "$desktop" || fail "the desktop entry lacks GenericName[$language]"
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the AppStream data lacks a summary in $language"
done
echo "install check: $launcher -> $program, pictures, translations and desktop files in place"
