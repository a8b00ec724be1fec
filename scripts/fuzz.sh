#!/usr/bin/env bash
# Runs every fuzz target for a given time (default 600 s each, all at once),
# then replays the corpora they built in a coverage build and prints how much
# of the core they reached.
# Usage: fuzz.sh [SECONDS]. Crashes are saved in build/fuzz/tests/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
targets=(color_text_fuzz font_record_fuzz registry_value_fuzz)

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUILL_FUZZ=ON -DQUILL_WITH_WIN32=OFF \
  -DQUILL_WERROR=ON >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]}" >/dev/null

out=build/fuzz/tests/fuzz
status=0
for t in "${targets[@]}"; do
  mkdir -p "$out/corpus/$t" "$out/artifacts"
  "$out/$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/" "$out/corpus/$t" "tests/fuzz/corpus/$t" \
    >"$out/$t.log" 2>&1 &
done
for job in $(jobs -p); do wait "$job" || status=1; done
for t in "${targets[@]}"; do
  echo "$t: $(grep -E 'stat::number_of_executed_units' "$out/$t.log" | awk '{print $2}') executions," \
       "corpus $(ls "$out/corpus/$t" | wc -l) inputs"
done

# Coverage: the same targets built with source-based coverage, run once
# over every corpus input.
cov=build/fuzz-coverage
cmake -S . -B "$cov" -DCMAKE_CXX_COMPILER=clang++ -DQUILL_FUZZ=ON -DQUILL_WITH_WIN32=OFF \
  "-DCMAKE_CXX_FLAGS=-fprofile-instr-generate -fcoverage-mapping" >/dev/null
cmake --build "$cov" -j"$(nproc)" --target "${targets[@]}" >/dev/null
profiles=()
for t in "${targets[@]}"; do
  LLVM_PROFILE_FILE="$cov/$t.profraw" "$cov/tests/fuzz/$t" -runs=0 \
    "$out/corpus/$t" "tests/fuzz/corpus/$t" >/dev/null 2>&1
  profiles+=("$cov/$t.profraw")
done
llvm-profdata-14 merge -sparse "${profiles[@]}" -o "$cov/fuzz.profdata"
objects=()
for t in "${targets[@]}"; do objects+=(-object "$cov/tests/fuzz/$t"); done
llvm-cov-14 report "${objects[@]:1}" -instr-profile="$cov/fuzz.profdata" \
  store/registry_access.cpp store/memory_store.cpp store/text_codec.cpp \
  appearance/color_text.cpp appearance/font_record.cpp
exit $status
