#!/usr/bin/env bash
# Native sanitizer build of the log reader: runs its table tests, replays the fuzz corpus and
# fuzzes for a bounded time, each in a zone without and one with daylight saving.
# Any crash, sanitizer report or disagreement with the reference reading fails the run.
# Usage: tools/fuzz.sh [SECONDS]   (default 60; 0 replays and tests only)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
seconds="${1:-60}"
build="${KELVORO_NATIVE_BUILD:-${KELVORO_BUILD:-$root/build}-native}"
fuzzdir="$root/tests/fuzz"
zones=(UTC Europe/Berlin)

for z in "${zones[@]}"; do
  [ -e "/usr/share/zoneinfo/$z" ] || { echo "fuzz.sh: time zone $z missing (install tzdata)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The build's progress is kept out of the test log; a failed build shows all of it.
if ! { cmake -S "$fuzzdir" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ &&
       cmake --build "$build" -- -j"$(nproc)"; } >"$work/build.log" 2>&1; then
  cat "$work/build.log" >&2
  echo "fuzz.sh: the native build failed" >&2
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The table tests set the zones they need themselves.
"$build/native_log_tests" --gtest_brief=1

pids=()
for i in "${!zones[@]}"; do
  z="${zones[$i]}"
  mkdir -p "$work/$i/corpus" "$work/$i/artifacts"
  cp "$fuzzdir"/corpus/* "$work/$i/corpus/"
  # -runs=0 replays the corpus only; otherwise new inputs go to the scratch copy.
  limit=(-runs=0)
  [ "$seconds" -gt 0 ] && limit=(-max_total_time="$((seconds))")
  KELVORO_FUZZ_TZ="$z" "$build/parse_log_fuzzer" "${limit[@]}" -max_len=2048 \
    -dict="$fuzzdir/log.dict" -artifact_prefix="$work/$i/artifacts/" -print_final_stats=1 \
    "$work/$i/corpus" >"$work/$i/log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!zones[@]}"; do
  if ! wait "${pids[$i]}"; then
    status=1
    echo "fuzz.sh: finding in zone ${zones[$i]}:" >&2
    grep -v '^#' "$work/$i/log" | tail -40 >&2
    for a in "$work/$i"/artifacts/*; do
      [ -e "$a" ] && { echo "input ($a):" >&2; od -c "$a" | head -20 >&2; }
    done
  else
    echo "fuzz.sh: ${zones[$i]}: $(grep -E '^stat::number_of_executed_units' "$work/$i/log" | awk '{print $2}') executions, $(grep -E '^#[0-9]+' "$work/$i/log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+')"
  fi
done
exit $status
