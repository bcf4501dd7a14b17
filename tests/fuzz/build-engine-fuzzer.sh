#!/bin/bash
# Builds the call engine's event-sequence fuzzer from an engine folder (the product's, or a copy
# with a planted fault). Only the engine is instrumented for coverage, so that the fuzzer is
# steered by the engine's branches alone; the bench, the modem model and the fuzzer itself run
# under the same sanitizers without it.
# Usage: tests/fuzz/build-engine-fuzzer.sh <engine-dir> <binary>
set -eu
cd "$(dirname "$0")/../.."
engine=$(realpath "$1")
binary=$(realpath -m "$2")
cxx=${FUZZ_CXX:-clang++}
objects=$binary.objects
rm -rf "$objects" && mkdir -p "$objects/engine" "$objects/bench"
common=(-std=c++17 -g -O2 -Wall -Wextra -Werror -fno-sanitize-recover=all -I"$engine" "-DMOH_SOURCE_DIR=\"$PWD\"")
for folder in calllists resources shell tests/engine tools/mohhost; do common+=(-I"$PWD/$folder"); done
engine_sources=("$engine"/engine_*.cpp "$engine"/{caller_id,bounded_text,countdown_text,event_names,setting_catalogue,trace_line}.cpp
                "$PWD/calllists/call_log_record.cpp")
bench_sources=("$PWD/tests/fuzz/engine_events_fuzzer.cpp" "$PWD/tests/engine/engine_rig.cpp" "$PWD/tests/engine/engine_invariants.cpp"
               "$PWD/tools/mohhost/modem_model.cpp" "$PWD/calllists/list_text.cpp")
(cd "$objects/engine" && "$cxx" "${common[@]}" -fsanitize=fuzzer-no-link,address,undefined -c "${engine_sources[@]}")
(cd "$objects/bench" && "$cxx" "${common[@]}" -fsanitize=address,undefined -c "${bench_sources[@]}")
"$cxx" -fsanitize=fuzzer,address,undefined "$objects"/engine/*.o "$objects"/bench/*.o -o "$binary"
