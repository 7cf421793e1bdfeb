#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the package's declared dependencies are all it needs: builds a
# minimal root of this machine's Debian release from the apt sources this
# machine uses, installs the package into it with apt (dependencies only, no
# recommendations), starts the program there under a virtual display, then
# removes the package and checks that nothing of it is left under /usr.
# Usage, as root: check-bare-system.sh <tallyfox_*.deb>
# Needs mmdebstrap, Xvfb, xdotool and ImageMagick on this machine.
set -euo pipefail
deb=$(readlink -f "$1")
fail() { echo "bare system: $*" >&2; exit 1; }

scratch=$(mktemp -d)
root="$scratch/root"
display_pid=
program_pid=
cleanup() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    [ -z "$display_pid" ] || kill "$display_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if mountpoint -q "$root/proc"; then umount "$root/proc"; fi
    rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT

# This machine's package sources and its settings for fetching (a proxy, how
# old a release file may be), so the root comes from the same registry.
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [ -f "$file" ] && grep -q '^[[:space:]]*[^#[:space:]]' "$file"; then
        sources+=("$file")
    fi
done
[ ${#sources[@]} -gt 0 ] || fail "this machine has no apt sources"
apt-config dump Acquire >"$scratch/acquire.conf"
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
# The apt variant: the essential packages and apt, nothing else.
mmdebstrap --quiet --variant=apt --skip=cleanup/apt/lists --aptopt="$scratch/acquire.conf" \
    "$release" "$root" "${sources[@]}" >"$scratch/mmdebstrap.log" 2>&1 ||
    { cat "$scratch/mmdebstrap.log"; fail "could not build a $release root"; }
# The program finds its own folder through /proc.
mount -t proc proc "$root/proc"
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
before=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
cp "$deb" "$root/tmp/"
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" \
    >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "apt could not install the package"; }
echo "bare system: $release root of $before packages; apt installed the package and" \
    "$(($(in_root dpkg-query -W -f='${Package}\n' | wc -l) - before - 1)) dependencies"
in_root dpkg-query -L tallyfox >"$scratch/owned"
(cd "$root" && find usr | sort) >"$scratch/usr-installed"

# The faces the window is measured in came with it.
face=$(in_root fc-match -f '%{file}' 'Liberation Sans')
[[ "$face" == */LiberationSans-Regular.ttf ]] || fail "Liberation Sans is missing, fc-match gives $face"
face=$(in_root fc-match -f '%{file}' 'Noto Sans Arabic UI')
[[ "$face" == */NotoSansArabicUI-Regular.ttf ]] || fail "Noto Sans Arabic UI is missing, fc-match gives $face"
version=$(in_root tallyfox --version)
[ "$version" = "Tallyfox $(dpkg-deb -f "$deb" Version)" ] || fail "--version says '$version'"
usage=$(in_root env LC_ALL=de_DE.UTF-8 LANGUAGE=de tallyfox --help 2>/dev/null)
[[ "$usage" == *"Kopfrechnen üben"* ]] || fail "no German usage: $usage"

# The window in German on a virtual display of this machine, which the
# program in the root reaches through X's abstract socket.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
display_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
mkdir -m 700 "$root/tmp/run"
chroot "$root" env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 LANGUAGE=de DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR=/tmp/run HOME=/tmp tallyfox >"$scratch/program.log" 2>&1 &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tallyfox$' | head -n 1) ||
    { cat "$scratch/program.log"; fail "no window appeared"; }
# Places in the window, in pixels: the client area is 357 high under the
# menu bar; the answer button's middle is at (448, 264), the picture at (472, 104).
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 357))
# A new question (Addition up to 10), a wrong answer, and its check: the
# picture box shows wrong.jpg as the program loaded it.
xdotool mousemove --window "$window" 448 $((menu + 264)) click 1
sleep 0.5
xdotool type --delay 50 999
xdotool mousemove --window "$window" 448 $((menu + 264)) click 1
sleep 0.5
import -window "$window" -crop "105x105+472+$((menu + 104))" +repage "$scratch/picture.png"
differ=$(compare -metric AE -fuzz 10% "$scratch/picture.png" "$root/usr/lib/tallyfox/wrong.jpg" null: 2>&1) || true
[ "$differ" = 0 ] || fail "the picture box does not show wrong.jpg ($differ pixels differ)"
# Alt+B, the German menu's key, opens the About window under its German title.
xdotool key alt+b
timeout 10 xdotool search --sync --onlyvisible --name '^Über Tallyfox$' >/dev/null ||
    fail "Alt+B opened no window titled 'Über Tallyfox'"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
[ ! -s "$scratch/program.log" ] || { cat "$scratch/program.log"; fail "the program reported the above"; }
echo "bare system: Liberation Sans and Noto Sans Arabic UI are there, --version answers, the usage and the window" \
    "are German, the window shows the verdict picture"

# Removed with apt, the package leaves nothing under /usr: no new path, and of
# its own paths only folders that other packages own as well.
in_root apt-get purge -y -q tallyfox >"$scratch/purge.log" 2>&1 ||
    { cat "$scratch/purge.log"; fail "apt could not remove the package"; }
(cd "$root" && find usr | sort) >"$scratch/usr-removed"
new=$(comm -13 "$scratch/usr-installed" "$scratch/usr-removed")
[ -z "$new" ] || fail "new under /usr after the removal: $new"
while read -r path; do
    if [ -e "$root$path" ] || [ -L "$root$path" ]; then
        [ -d "$root$path" ] && [ ! -L "$root$path" ] && in_root dpkg-query -S "$path" >/dev/null 2>&1 ||
            fail "$path is left after the removal"
    fi
done <"$scratch/owned"
echo "bare system: apt removed the package and nothing of it is left under /usr"
