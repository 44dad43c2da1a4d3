#!/usr/bin/env bash
# Runs the fuzz targets built in build/fuzz, each from its seed corpus
# (fuzz/corpus/NAME) with its dictionary (fuzz/NAME.dict), all at once.
#   scripts/fuzz.sh [SECONDS] [NAME ...]     (default: 60 s, every target)
# New inputs are kept in build/fuzz/work/NAME for the next run; a failing
# input is written to build/fuzz/artifacts/ and the run fails.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FUZZ_DIR="${BUILD_DIR:-$ROOT/build}/fuzz"
SECONDS_EACH="${1:-60}"
shift || true
names=("$@")
if ((${#names[@]} == 0)); then
  for src in "$ROOT"/fuzz/fuzz_*.cpp; do
    n="$(basename "$src" .cpp)"
    names+=("${n#fuzz_}")
  done
fi
missing=()
for n in "${names[@]}"; do [ -x "$FUZZ_DIR/fuzz_$n" ] || missing+=("$n"); done
if ((${#missing[@]} == ${#names[@]})); then
  echo "fuzz: skipped, no fuzz target is built (they need clang++ with libFuzzer: apt-get install clang libclang-rt-dev)"
  exit 0
fi
if ((${#missing[@]})); then
  echo "fuzz: not built, so not run: ${missing[*]}"
fi

mkdir -p "$FUZZ_DIR/artifacts"
pids=()
run=()
for n in "${names[@]}"; do
  [ -x "$FUZZ_DIR/fuzz_$n" ] || continue
  mkdir -p "$FUZZ_DIR/work/$n"
  dict=()
  [ -f "$ROOT/fuzz/$n.dict" ] && dict=(-dict="$ROOT/fuzz/$n.dict")
  "$FUZZ_DIR/fuzz_$n" "${dict[@]}" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$FUZZ_DIR/artifacts/$n-" \
      "$FUZZ_DIR/work/$n" "$ROOT/fuzz/corpus/$n" >"$FUZZ_DIR/$n.log" 2>&1 &
  pids+=($!)
  run+=("$n")
done
echo "fuzz: ${run[*]} for ${SECONDS_EACH} s each"

passed=0
failed=0
for i in "${!run[@]}"; do
  n="${run[$i]}"
  if wait "${pids[$i]}"; then
    passed=$((passed + 1))
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$FUZZ_DIR/$n.log")"
    echo "fuzz_$n: ${runs:-?} runs, no finding"
  else
    failed=$((failed + 1))
    echo "fuzz_$n: FAILED (log: $FUZZ_DIR/$n.log)"
    grep -a -m3 -E "check failed|ERROR: |runtime error|SUMMARY" "$FUZZ_DIR/$n.log" || true
    grep -a -E "Test unit written to" "$FUZZ_DIR/$n.log" || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
