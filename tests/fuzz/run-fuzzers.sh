#!/bin/bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: tests/fuzz/run-fuzzers.sh [build-dir]   (FUZZ_SECONDS per target, default 30; FUZZ_RUNS
# ends a target earlier after that many runs; FUZZ_TARGETS picks targets, default all; FUZZ_ENGINE
# builds the engine's fuzzer from another engine folder, such as a copy with a planted fault)
# A crashing input of the product's sources is copied to tests/fuzz/regressions/<target>-<hash>,
# which the native tests replay from then on; the script then fails.
set -eu
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-build/fuzz}")
seconds=${FUZZ_SECONDS:-30}
cxx=${FUZZ_CXX:-clang++}
read -r -a targets <<<"${FUZZ_TARGETS:-caller_id list_line phone_book engine_events}"
runs=${FUZZ_RUNS:--1}
engine=$(realpath "${FUZZ_ENGINE:-engine}")
sources=(engine/caller_id.cpp engine/bounded_text.cpp calllists/list_text.cpp
         calllists/list_entry.cpp calllists/list_rows.cpp calllists/call_log_record.cpp)
flags=(-std=c++17 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=all -Iengine -Icalllists)
# Each run frees what it allocated; a small quarantine still catches a use after free within a
# run and keeps the fuzzer in memory it has touched before.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

# The engine's event-sequence fuzzer: only the engine is instrumented for coverage, so that the
# fuzzer is steered by the engine's branches alone; the bench, the modem model and the fuzzer
# itself run under the same sanitizers without it.
build_engine_fuzzer() {  # build_engine_fuzzer <binary>
  local objects=$1.objects common=(-std=c++17 -g -O2 -Wall -Wextra -Werror -fno-sanitize-recover=all -I"$engine")
  common+=("-DMOH_SOURCE_DIR=\"$PWD\"" -I"$PWD"/{calllists,resources,shell,tests/engine,tools/mohhost})
  local engine_sources=("$engine"/engine_*.cpp "$engine"/{caller_id,bounded_text,countdown_text,event_names,setting_catalogue,trace_line}.cpp
                        "$PWD/calllists/call_log_record.cpp")
  local bench_sources=("$PWD"/tests/fuzz/engine_events_fuzzer.cpp "$PWD"/tests/engine/engine_{rig,invariants}.cpp
                       "$PWD"/tools/mohhost/modem_model.cpp "$PWD"/calllists/list_text.cpp)
  rm -rf "$objects" && mkdir -p "$objects/engine" "$objects/bench"
  (cd "$objects/engine" && "$cxx" "${common[@]}" -fsanitize=fuzzer-no-link,address,undefined -c "${engine_sources[@]}")
  (cd "$objects/bench" && "$cxx" "${common[@]}" -fsanitize=address,undefined -c "${bench_sources[@]}")
  "$cxx" -fsanitize=fuzzer,address,undefined "$objects"/engine/*.o "$objects"/bench/*.o -o "$1"
}

# The seeds of tests/fuzz/seeds/<target>/ start each target's corpus.
mkdir -p "$out/corpus"
cp -rn tests/fuzz/seeds/. "$out/corpus/"

failed=0
for target in "${targets[@]}"; do
  binary=$out/${target}_fuzzer
  echo "== $target: building"
  max_len=2048
  if [ "$target" = engine_events ]; then
    build_engine_fuzzer "$binary"
    max_len=144   # the settings and the longest event sequence the fuzzer decodes
  else
    "$cxx" "${flags[@]}" "tests/fuzz/${target}_fuzzer.cpp" "${sources[@]}" -o "$binary"
  fi
  mkdir -p "$out/artifacts"
  rm -f "$out/artifacts/$target-"*
  echo "== $target: fuzzing for ${seconds}s"
  if ! "$binary" -max_total_time="$seconds" -runs="$runs" -max_len="$max_len" \
       -artifact_prefix="$out/artifacts/$target-" "$out/corpus/$target" >"$out/$target.log" 2>&1; then
    failed=1
    echo "== $target: FAILED, see $out/$target.log"
    for artifact in "$out/artifacts/$target-"*; do
      [ -e "$artifact" ] && [ -z "${FUZZ_ENGINE:-}" ] || continue
      kept=tests/fuzz/regressions/$target-$(sha1sum "$artifact" | cut -c1-16)
      cp "$artifact" "$kept"
      echo "== $target: kept $kept as a regression case"
    done
  fi
  grep '^Done' "$out/$target.log" || true
done
exit $failed
