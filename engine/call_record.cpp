/* The pending call record: the incoming-call log line of the current waiting call, composed
   when its caller's identity first arrives, refreshed by later fetches, given its outcome by
   the user's choice and appended to the log once the connection is back. */
#include "engine_parts.h"

#include "bounded_text.h"
#include "call_log_record.h"
#include "list_files.h"
#include "main_window.h"

char pendingCallRecord[CALL_RECORD_SIZE];

namespace {

/* Set by a call-waiting tone: the next identity belongs to a new call. */
int newCallExpected;
CallTime recordTime;

void TakeLocalTime(CallTime *time)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    time->year = now.wYear;
    time->month = now.wMonth;
    time->day = now.wDay;
    time->hour = now.wHour;
    time->minute = now.wMinute;
    time->second = now.wSecond;
}

int StartsNewCall(void)
{
    /* A record that has an outcome belongs to a call already decided. */
    return newCallExpected || pendingCallRecord[0] == '\0' || CallRecordOutcome() != OUTCOME_NONE;
}

}  // namespace

void ExpectNewCall(void)
{
    newCallExpected = 1;
}

void RecordCallerIdentity(void)
{
    /* A later fetch of the same call keeps its time and refreshes name and number. */
    if (StartsNewCall()) {
        /* An earlier call of the same connection is logged before the new one replaces it. */
        FlushCallRecord();
        TakeLocalTime(&recordTime);
        newCallExpected = 0;
    }
    ComposeCallLogRecord(pendingCallRecord, sizeof pendingCallRecord, callerName, callerNumber,
                         &recordTime, OUTCOME_NONE);
}

void MarkCallRecord(int outcome)
{
    SetCallLogOutcome(pendingCallRecord, outcome);
}

int CallRecordOutcome(void)
{
    return CallLogOutcome(pendingCallRecord);
}

void FlushCallRecord(void)
{
    if (live.incomingCallLog && !outgoingCall && pendingCallRecord[0] != '\0')
        AppendCallLogLine(pendingCallRecord);
    pendingCallRecord[0] = '\0';
}
