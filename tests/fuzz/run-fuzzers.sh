#!/bin/bash
# Builds the libFuzzer targets of the text functions with clang and runs each for a bounded time.
# Usage: tests/fuzz/run-fuzzers.sh [build-dir]   (FUZZ_SECONDS per target, default 30)
# A crashing input is copied to tests/fuzz/regressions/<target>-<hash>, which the native tests
# replay from then on; the script then fails.
set -eu
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-build/fuzz}")
seconds=${FUZZ_SECONDS:-30}
cxx=${FUZZ_CXX:-clang++}
targets=(caller_id list_line phone_book engine_events)
sources=(engine/caller_id.cpp engine/bounded_text.cpp calllists/list_text.cpp
         calllists/list_entry.cpp calllists/list_rows.cpp calllists/call_log_record.cpp)
flags=(-std=c++17 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=all -Iengine -Icalllists)
# The call engine on its bench of in-memory ports, with the development host's modem model.
engine_sources=(engine/engine_*.cpp engine/countdown_text.cpp engine/event_names.cpp engine/trace_line.cpp
                tests/engine/engine_rig.cpp tools/mohhost/modem_model.cpp)
engine_flags=(-Iresources -Ishell -Itests/engine -Itools/mohhost "-DMOH_SOURCE_DIR=\"$PWD\"")
mkdir -p "$out"

seed() {  # seed <target> <name> <printf-format>
  local dir=$out/corpus/$1
  mkdir -p "$dir"
  [ -e "$dir/$2" ] || printf "$3" >"$dir/$2"
}
seed caller_id full 'DATE = 0321\r\nTIME = 1405\r\nNMBR = 0123456789\r\nNAME = Ann Smith\r\n'
seed caller_id markers 'NMBR = P\nNAME =   O\n'
seed list_line book 'Ann\t01 23 45\r\nBob\t0999\tx\r\n\r\ntail'
seed list_line log 'Bob\t0555\t2024-01-02 03:04:05\t2\r\nAnn\t0123\t\t9\r\n'
seed engine_events call '\0\0\0\0\0\0\0\0\0\0\0\0\1\3\1\0\0\2\0\3\1\4\0\7\0\10\5\0\0'
seed phone_book lookup '012345\nAnn\t01 23 45\r\nBob\t012345\r\n'

failed=0
for target in "${targets[@]}"; do
  binary=$out/${target}_fuzzer
  echo "== $target: building"
  extra=()
  [ "$target" = engine_events ] && extra=("${engine_flags[@]}" "${engine_sources[@]}")
  "$cxx" "${flags[@]}" "tests/fuzz/${target}_fuzzer.cpp" "${sources[@]}" "${extra[@]}" -o "$binary"
  mkdir -p "$out/artifacts"
  rm -f "$out/artifacts/$target-"*
  echo "== $target: fuzzing for ${seconds}s"
  if ! "$binary" -max_total_time="$seconds" -max_len=2048 \
       -artifact_prefix="$out/artifacts/$target-" "$out/corpus/$target" >"$out/$target.log" 2>&1; then
    failed=1
    echo "== $target: FAILED, see $out/$target.log"
    for artifact in "$out/artifacts/$target-"*; do
      [ -e "$artifact" ] || continue
      kept=tests/fuzz/regressions/$target-$(sha1sum "$artifact" | cut -c1-16)
      cp "$artifact" "$kept"
      echo "== $target: kept $kept as a regression case"
    done
  fi
  grep '^Done' "$out/$target.log" || true
done
exit $failed
