#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the README's two commands as a new user would on a fresh machine of
# another Debian release: builds a bare root of that release (apt and its
# essentials, ca-certificates and git, nothing else) from the Debian sources
# this machine uses, with the release's name in place of this machine's,
# copies the project's tracked files into it, and there runs ./scripts/run
# (which installs what it needs and builds the program) and then
# ./scripts/test with the stages given. Any failure fails the check.
# Usage, as root: check-fresh-machine.sh <release codename> <stage>...
# Needs mmdebstrap and git on this machine.
set -euo pipefail
release=$1
shift
project=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "fresh $release: $*" >&2; exit 1; }

scratch=$(mktemp -d)
root="$scratch/root"
cleanup() {
    if mountpoint -q "$root"; then umount -R "$root" || umount -lR "$root"; fi
    rm -rf --one-file-system "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# This machine's Debian sources, those whose suites are named after its
# release (bookworm, bookworm-updates, bookworm-security), renamed for the
# release asked for; sources of other projects are left out. One-line and
# deb822 files alike.
host=$(. /etc/os-release && echo "$VERSION_CODENAME")
sources="$scratch/sources.list"
: >"$sources"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v host="$host" -v release="$release" '
        $1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
            if ($(i + 1) ~ ("^" host "(-|$)")) { sub("^" host, release, $(i + 1)); print }
        }' "$file" >>"$sources"
done
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v host="$host" -v release="$release" 'BEGIN { RS = ""; ORS = "\n\n" }
        {
            keep = ""; text = ""
            n = split($0, lines, "\n")
            for (j = 1; j <= n; j++) {
                line = lines[j]
                if (line ~ /^#/) continue
                if (line ~ /^Suites:/) {
                    m = split(substr(line, 8), suites, " ")
                    line = "Suites:"
                    for (k = 1; k <= m; k++)
                        if (suites[k] ~ ("^" host "(-|$)")) {
                            sub("^" host, release, suites[k]); line = line " " suites[k]; keep = 1
                        }
                }
                text = text line "\n"
            }
            if (keep) printf "%s\n", text
        }' "$file" >"$scratch/$(basename "$file")"
    if [ -s "$scratch/$(basename "$file")" ]; then
        mkdir -p "$scratch/deb822"
        mv "$scratch/$(basename "$file")" "$scratch/deb822/"
    fi
done
source_files=()
[ -s "$sources" ] && source_files+=("$sources")
for file in "$scratch"/deb822/*.sources; do [ -f "$file" ] && source_files+=("$file"); done
[ ${#source_files[@]} -gt 0 ] || fail "this machine has no Debian sources named after $host"
apt-config dump Acquire >"$scratch/acquire.conf"

started=$SECONDS
mmdebstrap --quiet --variant=apt --include=ca-certificates,git --skip=cleanup/apt/lists \
    --aptopt="$scratch/acquire.conf" "$release" "$root" "${source_files[@]}" \
    >"$scratch/mmdebstrap.log" 2>&1 ||
    { cat "$scratch/mmdebstrap.log"; fail "could not build a bare root"; }
echo "fresh $release: a bare root of $(chroot "$root" dpkg-query -W | wc -l) packages" \
    "in $((SECONDS - started)) s"
# The root is a mount of its own, as a machine's is (a process namespace of
# its own, which the Orca practice makes, needs that), with /proc,
# /sys and /dev.
mount --bind "$root" "$root"
mount --make-private "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"

# The project as it stands, tracked files only, in a repository of their own
# as a clone would have them (the format and licence checks ask git for them).
mkdir "$root/tallyfox"
git -C "$project" ls-files -z | (cd "$project" && tar --null -T - -cf -) | tar -xf - -C "$root/tallyfox"
git -C "$root/tallyfox" init --quiet
git -C "$root/tallyfox" add --all
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        TERM=dumb bash -c 'cd /tallyfox && "$@"' in_root "$@"
}

# Without a display, the run command builds the program and says how to start it.
started=$SECONDS
status=0
in_root ./scripts/run >"$scratch/run.log" 2>&1 || status=$?
if [ "$status" -ne 1 ] || ! grep -q "Tallyfox is built" "$scratch/run.log" ||
    [ ! -x "$root/tallyfox/build/bin/tallyfox" ]; then
    cat "$scratch/run.log"
    fail "./scripts/run did not build the program (it ended with $status)"
fi
echo "fresh $release: ./scripts/run installed its packages and built the program" \
    "in $((SECONDS - started)) s"

in_root env TALLYFOX_SCREENREADER_LANGUAGES=2 ./scripts/test "$@" || fail "./scripts/test $* failed"
echo "fresh $release: ./scripts/test $* passed"
