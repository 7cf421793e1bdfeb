# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: built with the README's command, checked by lintian
# (any error or warning fails), unpacked into a scratch folder and started
# from there, then installed with apt on a bare Debian root, started there
# and removed again.
# Runs beside the other stages.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages lintian dpkg-dev mmdebstrap xvfb xdotool imagemagick

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
build_log="$scratch/build.log"
if ! bash "$TALLYFOX_ROOT/scripts/package" >"$build_log" 2>&1; then
    cat "$build_log"
    exit 1
fi
debs=("$TALLYFOX_ROOT"/build-deb/tallyfox_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

# lintian says it should not run as root, which CI does; that remark is no finding.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "lintian: no errors or warnings"

dpkg-deb -x "$deb" "$scratch/root"
prefix="$scratch/root/usr"
# The launcher leads to the program, whose own folder (where it looks for its
# pictures, however it is started) holds them, and the desktop entry, icons
# and AppStream data are where desktops look.
bash "$TALLYFOX_ROOT/tests/install/check-install.sh" "$prefix"
for file in share/doc/tallyfox/copyright share/doc/tallyfox/changelog.gz share/man/man1/tallyfox.1.gz; do
    [ -f "$prefix/$file" ] || { echo "package: $file is missing"; exit 1; }
done

# The unpacked program answers without a display...
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$prefix/bin/tallyfox" --version)
[ "$version" = "Tallyfox $(dpkg-deb -f "$deb" Version)" ] || { echo "package: --version says '$version'"; exit 1; }

# ...and, started offscreen, shows its window and keeps running until it is
# stopped, with nothing reported on the way (a missing Qt plugin or library).
log="$scratch/start.log"
status=0
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$scratch/config" HOME="$scratch" \
    XDG_RUNTIME_DIR="$scratch" timeout 5 "$prefix/bin/tallyfox" >"$log" 2>&1 || status=$?
if [ "$status" -ne 124 ] || [ -s "$log" ]; then
    echo "package: the unpacked program ended with $status before it was stopped, or reported:"
    cat "$log"
    exit 1
fi
echo "package: the unpacked program runs offscreen"

# ...and speaks the user's language from the translations beside it.
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=de_DE.UTF-8 LANGUAGE=de "$prefix/bin/tallyfox" --help)
case "$usage" in
*"Kopfrechnen üben"*) echo "package: the unpacked program finds its translations" ;;
*) echo "package: no German usage from the unpacked program:"; echo "$usage"; exit 1 ;;
esac

# ...and on a bare system its declared dependencies are all it needs. Building
# the root, installing and removing take about a minute, mostly downloads.
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
started=$SECONDS
"${sudo[@]}" bash "$TALLYFOX_ROOT/tests/install/check-bare-system.sh" "$deb"
echo "package: the bare-system check took $((SECONDS - started)) s"
