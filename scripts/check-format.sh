#!/usr/bin/env bash
# Fails when a tracked or new C++ source file is not formatted by the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
  '*.cpp' '*.h' | while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ "${#files[@]}" -eq 0 ] && exit 0
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Source files are not formatted: run clang-format -i on the files above." >&2
  exit 1
fi
