#!/usr/bin/env bash
# Fails when a tracked or new C++ source file is not formatted by the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! listing=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h'); then
  echo "check-format: git cannot list the source files" >&2
  exit 1
fi
files=()
while IFS= read -r f; do
  [ -f "$f" ] && files+=("$f")
done <<<"$listing"
if [ "${#files[@]}" -eq 0 ]; then
  echo "check-format: no source files found" >&2
  exit 1
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Source files are not formatted: run clang-format -i on the files above." >&2
  exit 1
fi
