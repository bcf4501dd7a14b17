/* The pending call record: the incoming-call log line of the current waiting call, composed
   when its caller's identity first arrives, refreshed by later fetches, given its outcome by
   the user's choice and appended to the log once the connection is back. */
#include "call_engine.h"

void CallEngine::ExpectNewCall()
{
    newCallExpected = 1;
}

int CallEngine::StartsNewCall() const
{
    /* A record that has an outcome belongs to a call already decided. */
    return newCallExpected || pendingCallRecord[0] == '\0' || CallRecordOutcome() != OUTCOME_NONE;
}

void CallEngine::RecordCallerIdentity()
{
    /* A later fetch of the same call keeps its time and refreshes name and number. */
    if (StartsNewCall()) {
        /* An earlier call of the same connection is logged before the new one replaces it. */
        FlushCallRecord();
        io.clock->LocalTime(&recordTime);
        newCallExpected = 0;
    }
    ComposeCallLogRecord(pendingCallRecord, sizeof pendingCallRecord, callerName, callerNumber,
                         &recordTime, OUTCOME_NONE);
}

void CallEngine::MarkCallRecord(int outcome)
{
    SetCallLogOutcome(pendingCallRecord, outcome);
}

int CallEngine::CallRecordOutcome() const
{
    return CallLogOutcome(pendingCallRecord);
}

void CallEngine::FlushCallRecord()
{
    if (io.live->incomingCallLog && !outgoingCall && pendingCallRecord[0] != '\0')
        io.lists->AppendCallLogLine(pendingCallRecord);
    pendingCallRecord[0] = '\0';
}
