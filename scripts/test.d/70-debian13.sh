# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian 13 as a new user meets it: on a bare Debian 13 root, the README's run
# command installs what it needs and builds the program (against Qt 6.8,
# warnings as errors), then the test command runs there the unit tests, the
# practice with Orca 48 and the package stage (its lintian check and its
# install and removal on a bare Debian 13 root of its own). Whatever this
# machine's release, the root is built from its Debian sources. It runs after
# the others, not beside them: the practice with Orca inside it is timed by
# what Orca says within a second or so, which a starved Orca misses.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages mmdebstrap git

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" bash "$TALLYFOX_ROOT/tests/install/check-fresh-machine.sh" trixie unit screenreader package
