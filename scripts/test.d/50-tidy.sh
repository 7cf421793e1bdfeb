# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# clang-tidy with the checks of .clang-tidy over the program's own sources
# and tests in build-test's compilation database (generated moc and resource
# files left out) and over the fuzz targets. Any warning fails.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}" clang-tidy

# Stage 10 leaves build-test built; the tests' generated .moc files must
# exist for clang-tidy to read the test sources.
source "$TALLYFOX_ROOT/scripts/testbuild.sh"
build=$test_build
configure_test_build
cmake --build "$build" >/dev/null

root_pattern=$(printf '%s' "$TALLYFOX_ROOT" | sed 's/[][\.*^$/]/\\&/g')
tidy_log="$build/tidy.log"
: >"$tidy_log"
status=0
# Runs clang-tidy, two at a time, on the files of build dir $1 that lie in
# the source folders matched by $2.
tidy_files() {
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1/compile_commands.json" |
        grep -E "^$root_pattern/($2)/" | sort -u >"$1/tidy-files.txt" || true
    echo "clang-tidy over $(wc -l <"$1/tidy-files.txt") files of $(basename "$1")"
    xargs -a "$1/tidy-files.txt" -r -P 2 -n 1 clang-tidy -p "$1" --quiet >>"$tidy_log" 2>&1 || status=1
}
folders='foundation|app|quiz|options|ui|tests'
tidy_files "$build" "$folders"
# The fuzz targets, when stage 30 has built them.
if [ -f "$TALLYFOX_ROOT/build-fuzz/compile_commands.json" ]; then
    tidy_files "$TALLYFOX_ROOT/build-fuzz" fuzz
fi
if [ "$status" -ne 0 ] || grep -qE '(warning|error):' "$tidy_log"; then
    grep -vE '^[0-9]+ warnings? generated\.$' "$tidy_log"
    echo "clang-tidy found problems"
    exit 1
fi
echo "clang-tidy: no warnings"
