/* A waiting call before the decision: the call-waiting tone, the caller's identity with the
   phone book, showing the caller, and the ring. */
#include "engine_parts.h"

#include <mmsystem.h>
#include <string.h>

#include "bounded_text.h"
#include "caller_id.h"
#include "commands_state.h"
#include "list_files.h"
#include "main_window.h"
#include "modem_requests.h"
#include "module_state.h"
#include "mohres.h"
#include "settings.h"
#include "status_display.h"
#include "trace.h"

namespace {

const char kCallerIdDump[] = "c:\\callerid.fic";

/* One byte more than the host may fill, so the text always ends in a NUL. */
char callerIdText[CALLER_ID_TEXT_SIZE + 1];

void DumpCallerIdText(void)
{
    HFILE file = _lcreat(kCallerIdDump, 0);
    if (file == HFILE_ERROR)
        return;
    _lwrite(file, callerIdText, CALLER_ID_TEXT_SIZE);
    _lclose(file);
}

void PutString(UINT id, char *field, size_t size)
{
    char text[256] = "";
    LoadStringA(resourceModule, id, text, sizeof text);
    CopyText(field, size, text);
}

/* "P" stands for a withheld value, "O" for one that is not available. */
void ReplaceMarker(char *field, size_t size)
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

void ReplaceMarkers(void)
{
    if (callerNumber[0] == '\0' && callerName[0] == '\0') {
        PutString(IDS_CALLER_UNKNOWN, callerName, sizeof callerName);
        return;
    }
    ReplaceMarker(callerNumber, sizeof callerNumber);
    ReplaceMarker(callerName, sizeof callerName);
}

void TraceCaller(void)
{
    TraceToWindow(&windowTrace, "CallerId Name: %s", callerName);
    TraceToWindow(&windowTrace, "CallerId Number: %s", callerNumber);
    TraceToFile(&fileTrace, "Name: %s", callerName);
    TraceToFile(&fileTrace, "NMBR: %s", callerNumber);
}

void FindOrAddInPhoneBook(void)
{
    if (!LookupCallerName(callerName, callerNumber))
        AddCallerIfNew(callerName, callerNumber);
}

}  // namespace

void OnCallWaitingTone(void)
{
    if (outgoingCall)
        return;
    TraceToFile(&fileTrace, "Incoming Call Reported");
    ExpectNewCall();
    if (ReadSettingInt(SET_WAIT_FOR_REMOTE_RESPONSE) == 0)
        GetCallerId();
    if (live.callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
    GreyCommand(IDCMD_ACCEPT);
}

int GetCallerId(void)
{
    TraceToWindow(&windowTrace, "GetCallerId");
    memset(callerIdText, 0, sizeof callerIdText);
    int result = QueryCallerIdText(callerIdText, CALLER_ID_TEXT_SIZE);
    if (ReadSettingInt(SET_SAVE_CALLER_ID))
        DumpCallerIdText();
    ParseCallerId(callerIdText, CALLER_ID_TEXT_SIZE, callerName, sizeof callerName, callerNumber,
                  sizeof callerNumber);
    TraceToFile(&fileTrace, "Caller ID:");
    int listable = callerNumber[0] != '\0' && CallerIdMarker(callerNumber) == CALLER_ID_PLAIN;
    ReplaceMarkers();
    TraceCaller();
    if (listable && ReadSettingInt(SET_USE_PHONEBOOK) && callerNumber[0] != '\0')
        FindOrAddInPhoneBook();
    if (!outgoingCall)
        RecordCallerIdentity();
    return result;
}

void ShowIncomingCall(void)
{
    if (!outgoingCall) {
        StartRing(0);
        SetDlgItemTextA(mainWindow, IDC_CALLER_NAME, callerName);
        SetDlgItemTextA(mainWindow, IDC_CALLER_NUMBER, callerNumber);
    }
    if (live.screenAll)
        BringToFront(mainWindow, 1);
}

void StartRing(int kind)
{
    ringKind = kind;
    if (live.soundsEnable) {
        ringTicks = 0;
        char sound[256] = "";
        ReadSettingString(kind == 0 ? SET_SOUND_RING : SET_SOUND_RING2, sound, sizeof sound);
        if (sound[0] != '\0')
            PlaySoundA(sound, NULL, SND_ASYNC);
    }
    SetTimer(mainWindow, TIMER_RING, 300, NULL);
}

void StopRing(void)
{
    KillTimer(mainWindow, TIMER_RING);
    animationFrame = 0;
    SetStatePicture(mainWindow, 0);
    PlaySoundA(NULL, NULL, SND_ASYNC);
}
