# SPDX-FileCopyrightText: 2026 Tallyfox developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# clang-format cleanliness of every tracked .h and .cpp, with the rules in
# .clang-format. Any unformatted file fails.
set -euo pipefail
source "$TALLYFOX_ROOT/scripts/packages.sh"
ensure_packages clang-format git

unformatted=()
while IFS= read -r file; do
    if ! clang-format --dry-run --Werror "$TALLYFOX_ROOT/$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done < <(git -C "$TALLYFOX_ROOT" ls-files '*.h' '*.cpp')
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not clang-format clean (run clang-format -i on them):"
    printf '    %s\n' "${unformatted[@]}"
    exit 1
fi
echo "clang-format: every tracked .h and .cpp is clean"
