#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each from its seed corpus.
#   scripts/fuzz.sh              each target for a fixed number of runs (the CI's check)
#   scripts/fuzz.sh 600          each target for ten minutes instead
#   scripts/fuzz.sh 0 fuzz_csv   one target until it finds something (Ctrl+C to stop)
# New inputs go to build-fuzz/corpus/<target>/, never into the repository's seeds; a
# crash leaves its input in build-fuzz/ as crash-<hash>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-}"
only="${2:-}"
bash scripts/deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLARIO_FUZZ=ON \
  -DSOLARIO_TESTS=OFF -DSOLARIO_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets
cd build-fuzz
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
for target in fuzz_input_rules fuzz_conditions fuzz_sql_translation fuzz_report_command fuzz_ini fuzz_csv; do
  [[ -n "$only" && "$only" != "$target" ]] && continue
  mkdir -p "corpus/$target"
  if [[ -z "$seconds" ]]; then
    limit=(-runs=20000)
  elif [[ "$seconds" == 0 ]]; then
    limit=()
  else
    limit=(-max_total_time="$seconds")
  fi
  echo "== $target ${limit[*]:-until stopped}"
  status=0
  "fuzz/$target" "${limit[@]}" -max_len=4096 -timeout=10 -print_final_stats=1 \
    "corpus/$target" "../fuzz/corpus/$target" >"$target.log" 2>&1 || status=$?
  grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units)" "$target.log" || true
  if ((status != 0)); then
    tail -40 "$target.log"
    echo "$target failed (status $status); its log is build-fuzz/$target.log" >&2
    exit 1
  fi
done
