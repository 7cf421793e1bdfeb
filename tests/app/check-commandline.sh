#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the program with no display and no Qt platform chosen: --version,
# --help and mistakes are answered on the terminal with the right exit code,
# and Qt's own options are left for the window (which then finds no display).
# Usage: check-commandline.sh <program> <expected version line>
set -euo pipefail
program=$1
version_line=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 LANGUAGE=
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "command line: $*" >&2; exit 1; }

# Runs the program with the given arguments; it must end with the expected code.
run() { # expected exit code, arguments...
    local expected=$1 status=0
    shift
    "$program" "$@" >"$out/stdout" 2>"$out/stderr" || status=$?
    [ "$status" -eq "$expected" ] ||
        fail "'$*' ended with $status, not $expected; it wrote: $(cat "$out/stdout" "$out/stderr")"
}
stdout_is() { [ "$(cat "$out/stdout")" = "$1" ] || fail "stdout is '$(cat "$out/stdout")', not '$1'"; }
stdout_has() { grep -qF -- "$1" "$out/stdout" || fail "stdout lacks '$1': $(cat "$out/stdout")"; }
stderr_has() { grep -qF -- "$1" "$out/stderr" || fail "stderr lacks '$1': $(cat "$out/stderr")"; }
quiet() { [ ! -s "$out/$1" ] || fail "unexpected $1: $(cat "$out/$1")"; }

for option in --version -v; do
    run 0 "$option"
    stdout_is "$version_line"
    quiet stderr
done

run 0 --help
stdout_has "Usage: "
stdout_has "--version"
stdout_has "Practise mental arithmetic"
quiet stderr
if grep -qF -- "-session" "$out/stdout"; then fail "Qt's own options are listed in the usage"; fi

run 1 --bogus
stderr_has "Unknown option 'bogus'."
stderr_has "tallyfox --help"
quiet stdout

run 1 extra
stderr_has "Unexpected argument 'extra'."

run 1 -session 1234 -reverse
stderr_has "needs a desktop"
# The message names the program by its path, which may hold any word: the
# refusal is looked for in what is left without it.
said=$(cat "$out/stderr")
case "${said//"$program"/}" in
*option*) fail "Qt's own options were refused: $said" ;;
esac
echo "command line: version, usage and mistakes answered without a display"
