#!/bin/bash
# Shows that each invariant of the engine's event-sequence fuzzer fires: plants the faults of
# tests/fuzz/engine_faults.txt one at a time, as the mutation check plants its own, into a copy of
# engine/ (never into the product's sources) and fuzzes the copy until an invariant breaks.
# Usage: tests/fuzz/plant-engine-faults.sh [seconds]
set -u
cd "$(dirname "$0")/../.."
seconds=${1:-120}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# plant <index> <copy>: plants that fault into the copy and says "name<TAB>invariant it breaks"
plant() {
  PYTHONPATH=tests python3 - "$@" <<'PY'
import sys, mutation
name, _, path, original, replacement, invariant = mutation.read_faults('tests/fuzz/engine_faults.txt')[int(sys.argv[1])]
if mutation.plant(sys.argv[2] + '/' + path, original, replacement) is None:
    sys.exit('cannot plant ' + name)
print(name + '\t' + invariant)
PY
}

count=$(PYTHONPATH=tests python3 -c "import mutation; print(len(mutation.read_faults('tests/fuzz/engine_faults.txt')))")
caught=0
for ((i = 0; i < count; i++)); do
  rm -rf "$work/engine" && cp -r engine "$work/engine"
  IFS=$'\t' read -r name expected < <(plant "$i" "$work") || continue
  rm -rf "$work/out"
  FUZZ_ENGINE="$work/engine" FUZZ_TARGETS=engine_events FUZZ_SECONDS="$seconds" tests/fuzz/run-fuzzers.sh "$work/out" >/dev/null
  fired=$(grep -m1 -o 'invariant broken: [^(]*' "$work/out/engine_events.log")
  if [[ "$fired" == *"$expected"* ]]; then
    caught=$((caught + 1))
    echo "caught: $name: $fired"
  else
    echo "MISSED: $name: expected \"$expected\", got \"${fired:-nothing}\""
  fi
done
echo "$caught of $count planted faults caught"
[ "$caught" -eq "$count" ]
