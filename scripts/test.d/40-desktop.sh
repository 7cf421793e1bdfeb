# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation: installs into a scratch root, validates the desktop entry and the
# AppStream data, and checks that the installed program finds its pictures.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages "${build_packages[@]}" desktop-file-utils appstream

# A release build of the program alone, as a packager would install it.
build="$TALLYFOX_ROOT/build-install"
cmake -S "$TALLYFOX_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTALLYFOX_BUILD_TESTS=OFF -DTALLYFOX_WERROR=ON >/dev/null
cmake --build "$build" --target tallyfox

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/usr"

# desktop-file-validate exits 0 on warnings; any message but a hint fails here.
messages=$(desktop-file-validate "$prefix"/share/applications/*.desktop | grep -v ': hint: ' || true)
if [ -n "$messages" ]; then
    echo "$messages"
    exit 1
fi
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml

bash "$TALLYFOX_ROOT/tests/install/check-install.sh" "$prefix"
