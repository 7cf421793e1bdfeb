# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Licensing: every file of the project states its copyright and licence, in
# its own header or in .reuse/dep5, and every licence named is in LICENSES/.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages reuse git

cd "$TALLYFOX_ROOT"
if ! reuse lint; then
    echo "Files without copyright or licence: run scripts/annotate-licence to add" \
        "the header to source files; data files belong in .reuse/dep5."
    exit 1
fi
