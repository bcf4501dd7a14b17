#!/bin/bash
# Shows that each invariant of the engine's event-sequence fuzzer fires: plants one fault at a
# time into a copy of engine/ (never into the product's sources), builds the fuzzer on the copy
# and runs it until an invariant breaks. Usage: tests/fuzz/plant-engine-faults.sh [seconds]
set -u
cd "$(dirname "$0")/../.."
seconds=${1:-120}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file # text to find # what to put there # the invariant expected to fire
faults=(
  "engine_timers.cpp#    CancelDelayedHold();#    /* planted */#an ended call leaves no call timer"
  "engine_timers.cpp#        callPhase = PHASE_NONE;\n}#        (void)0;\n}#Ignore leaves no hold behind"
  "engine_decision.cpp#    callPhase = PHASE_DECISION;#    callPhase = PHASE_ON_HOLD;#Exit is refused only on hold"
  "engine_connection.cpp#    TraceFile(\"Waiting for inbound call\");\n    FlushCallRecord();#    TraceFile(\"Waiting for inbound call\");#a decided call is logged when the line comes back"
  "engine_record.cpp#        FlushCallRecord();\n        io.clock#        { char again[CALL_RECORD_SIZE]; for (int i = 0; i < CALL_RECORD_SIZE; ++i) again[i] = pendingCallRecord[i]; FlushCallRecord(); if (again[0] && io.live->incomingCallLog) io.lists->AppendCallLogLine(again); }\n        io.clock#a call is logged at most once"
  "engine_incoming.cpp#        !io.lists->LookupCallerName(callerName, callerNumber))#        io.lists->LookupCallerName(callerName, callerNumber) >= 0)#the phone book gains at most one line per caller"
  "engine_decision.cpp#    SetCallAction(CALL_ACTION_RESUME);#    SetCallAction(CALL_ACTION_RESUME + 1);#every request is one of the contract"
)

caught=0
for fault in "${faults[@]}"; do
  IFS='#' read -r file find replace expected <<<"$fault"
  rm -rf "$work/engine" && cp -r engine "$work/engine"
  FIND="$find" REPLACE="$replace" python3 - "$work/engine/$file" <<'PY'
import os, sys
path = sys.argv[1]
find = os.environ["FIND"].replace("\\n", "\n")
text = open(path).read()
if find not in text:
    sys.exit("cannot plant: text not found in " + path)
open(path, "w").write(text.replace(find, os.environ["REPLACE"].replace("\\n", "\n"), 1))
PY
  [ $? -eq 0 ] || continue
  tests/fuzz/build-engine-fuzzer.sh "$work/engine" "$work/fuzzer" || exit 1
  rm -rf "$work/corpus" && mkdir -p "$work/corpus"
  ASAN_OPTIONS=quarantine_size_mb=16 "$work/fuzzer" -max_total_time="$seconds" -max_len=144 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1
  fired=$(grep -m1 -o 'invariant broken: [^(]*' "$work/log")
  if [[ "$fired" == *"$expected"* ]]; then
    caught=$((caught + 1))
    echo "caught: $file: $fired"
  else
    echo "MISSED: $file: expected \"$expected\", got \"${fired:-nothing}\""
  fi
done
echo "$caught of ${#faults[@]} planted faults caught"
[ "$caught" -eq "${#faults[@]}" ]
