#!/bin/bash
# Fails, naming the files, when a C++ file under src/ is not laid out as
# .clang-format says; `clang-format -i FILE` lays it out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
command -v clang-format >/dev/null || { echo "clang-format is missing (tools/setup.sh installs it)" >&2; exit 1; }
mapfile -t files < <(find src \( -name '*.cpp' -o -name '*.h' \) | sort)
((${#files[@]} > 0)) || { echo "no C++ files under src/" >&2; exit 1; }
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "not laid out as .clang-format says; run clang-format -i on the files above" >&2
  exit 1
fi
echo "${#files[@]} files laid out as .clang-format says"
