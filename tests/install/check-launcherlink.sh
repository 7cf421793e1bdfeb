#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program folder is the real executable's folder however the program is
# started: directly, through a relative link elsewhere (as the installed
# launcher is) and through an absolute link; the pictures lie there.
# Usage: check-launcherlink.sh <programfolderprobe>
set -euo pipefail
probe=$(readlink -f "$1")
elsewhere=$(mktemp -d)
trap 'rm -rf "$elsewhere"' EXIT
fail() { echo "launcher link: $*" >&2; exit 1; }
ln -s "$(realpath --relative-to="$elsewhere" "$probe")" "$elsewhere/tallyfox"
ln -s "$probe" "$elsewhere/tallyfox-absolute"
for command in "$probe" "$elsewhere/tallyfox" "$elsewhere/tallyfox-absolute"; do
    folder=$(cd "$elsewhere" && "$command")
    [ "$(readlink -f "$folder")" = "$(dirname "$probe")" ] || fail "$command finds its folder in '$folder'"
    for picture in blank.jpg right.jpg wrong.jpg; do
        [ -f "$folder/$picture" ] || fail "$picture is missing in $folder"
    done
done
echo "launcher link: the program folder is found directly and through links"
