#!/usr/bin/env bash
# Checks that the project's C++ follows the house style (.clang-format);
# lists the files that do not. With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format || command -v clang-format-14)
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf 'No sigue el estilo de .clang-format (scripts/check-format.sh --fix lo corrige):\n'
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
