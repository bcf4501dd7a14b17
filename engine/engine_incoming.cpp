/* A waiting call before the decision: the call-waiting tone, the caller's identity with the
   phone book, showing the caller, and the ring. */
#include "call_engine.h"

#include <string.h>

#include "bounded_text.h"
#include "caller_id.h"
#include "engine_requests.h"
#include "mohres.h"

void CallEngine::PutString(int id, char *field, size_t size)
{
    char text[256] = "";
    io.window->LoadText(id, text, sizeof text);
    CopyText(field, size, text);
}

/* "P" stands for a withheld value, "O" for one that is not available. */
void CallEngine::ReplaceMarker(char *field, size_t size)
{
    switch (CallerIdMarker(field)) {
    case CALLER_ID_WITHHELD:
        PutString(IDS_CALLER_WITHHELD, field, size);
        break;
    case CALLER_ID_UNAVAILABLE:
        PutString(IDS_CALLER_UNAVAILABLE, field, size);
        break;
    default:
        break;
    }
}

void CallEngine::ReplaceMarkers()
{
    if (callerNumber[0] == '\0' && callerName[0] == '\0') {
        PutString(IDS_CALLER_UNKNOWN, callerName, sizeof callerName);
        return;
    }
    ReplaceMarker(callerNumber, sizeof callerNumber);
    ReplaceMarker(callerName, sizeof callerName);
}

void CallEngine::TraceCaller()
{
    TraceWindow("CallerId Name: %s", callerName);
    TraceWindow("CallerId Number: %s", callerNumber);
    TraceFile("Name: %s", callerName);
    TraceFile("NMBR: %s", callerNumber);
}

void CallEngine::OnCallWaitingTone()
{
    if (outgoingCall)
        return;
    TraceFile("Incoming Call Reported");
    ExpectNewCall();
    if (io.settings->ReadInt(SET_WAIT_FOR_REMOTE_RESPONSE) == 0)
        GetCallerId();
    GreyCallCommandIfOurs();
    GreyCommand(IDCMD_ACCEPT);
}

int CallEngine::GetCallerId()
{
    TraceWindow("GetCallerId");
    /* One byte more than the host may fill, so the text always ends in a NUL. */
    char text[CALLER_ID_TEXT_SIZE + 1] = {0};
    int result = QueryCallerIdText(*io.modem, text, CALLER_ID_TEXT_SIZE);
    if (io.settings->ReadInt(SET_SAVE_CALLER_ID))
        io.lists->SaveCallerIdText(text, CALLER_ID_TEXT_SIZE);
    ParseCallerId(text, CALLER_ID_TEXT_SIZE, callerName, sizeof callerName, callerNumber, sizeof callerNumber);
    TraceFile("Caller ID:");
    int listable = callerNumber[0] != '\0' && CallerIdMarker(callerNumber) == CALLER_ID_PLAIN;
    ReplaceMarkers();
    TraceCaller();
    if (listable && io.settings->ReadInt(SET_USE_PHONEBOOK) && callerNumber[0] != '\0' &&
        !io.lists->LookupCallerName(callerName, callerNumber))
        io.lists->AddCallerIfNew(callerName, callerNumber);
    if (!outgoingCall)
        RecordCallerIdentity();
    return result;
}

void CallEngine::ShowIncomingCall()
{
    if (!outgoingCall) {
        StartRing(0);
        ShowCaller(callerName, callerNumber);
    }
    if (io.live->screenAll)
        io.window->BringToFront(1);
}

void CallEngine::StartRing(int kind)
{
    ringKind = kind;
    if (io.live->soundsEnable) {
        ringTicks = 0;
        PlaySoundSetting(kind == 0 ? SET_SOUND_RING : SET_SOUND_RING2, 256);
    }
    io.timers->StartTimer(TIMER_RING, 300);
}

void CallEngine::StopRing()
{
    io.timers->StopTimer(TIMER_RING);
    animationFrame = 0;
    io.window->SetStatePicture(0);
    io.window->PlaySoundFile(nullptr);
}
