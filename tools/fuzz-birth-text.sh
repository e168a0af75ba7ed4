#!/bin/bash
# Fuzzes the birth text reader with libFuzzer (Debian's clang, ASan and UBSan),
# outside the presets: builds into build/fuzz and runs from the committed corpus.
#   tools/fuzz-birth-text.sh [RUNS] [extra libFuzzer options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-1000000}
shift || true
out=$root/build/fuzz
mkdir -p "$out/corpus"
src=$root/src
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$src/settings" -I"$src/model" \
  "$src/settings/birth_text_fuzz.cpp" "$src/settings/birth_text_check.cpp" \
  "$src/settings/birth_text_parse.cpp" "$src/settings/birth_text_format.cpp" \
  "$src/model/tdatetime.cpp" "$src/model/number_text.cpp" -o "$out/birth_text_fuzz"
# New finds go to build/fuzz/corpus; the committed seeds are only read.
cd "$out"
exec ./birth_text_fuzz -runs="$runs" -max_len=256 -timeout=5 -print_final_stats=1 "$@" \
  "$out/corpus" "$src/settings/fuzz_corpus"
