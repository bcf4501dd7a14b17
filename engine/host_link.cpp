#include "host_link.h"

#include "commands_state.h"
#include "engine_parts.h"
#include "event_names.h"
#include "main_window.h"
#include "modem_requests.h"
#include "mohres.h"
#include "settings.h"
#include "status_display.h"
#include "trace.h"

MOH_REQUEST ModemRequest;

void TraceNameOrNumber(const char *format, const char *name, DWORD value)
{
    char number[16];
    if (!name) {
        wsprintfA(number, "%lu", value);
        name = number;
    }
    TraceToWindow(&windowTrace, format, name);
}

namespace {

int FetchIdentityEarly(void)
{
    return ReadSettingInt(SET_WAIT_FOR_REMOTE_RESPONSE) == 0;
}

void GreyCallCommandIfOurs(void)
{
    if (live.callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
}

void OnCallerIdInProgress(void)
{
    if (FetchIdentityEarly())
        GetCallerId();
    if (mohUnavailable && ReadSettingInt(SET_ACCEPT_V90) && !outgoingCall)
        GetCallerId();
    GreyCallCommandIfOurs();
}

void OnModemOnHold(void)
{
    DWORD state = QueryMohState();
    TraceNameOrNumber("%s", MohStateName(state), state);
    if (state == MOH_STATE_WAIT_FOR_CALL_RESUME)
        OnCallResumeWait();
}

void OnDiagState(DWORD value)
{
    TraceNameOrNumber("%s", DiagStateName(value), value);
    switch (value) {
    case DIAG_IDLE:
        OnModemIdle();
        break;
    case DIAG_PROT_LAYER_CONNECT:
        OnModemConnected();
        protConnectSeen = 1;
        break;
    case DIAG_REMOTE_INIT_RATE_RENEG:
    case DIAG_LOCAL_INIT_RATE_RENEG:
    case DIAG_REMOTE_INIT_RTRN:
    case DIAG_LOCAL_INIT_RTRN:
        retrainSeen = 1;
        break;
    case DIAG_CALL_WAITING_TONE_DETECTED:
        OnCallWaitingTone();
        break;
    case DIAG_CALLER_ID_IN_PROGRESS:
        OnCallerIdInProgress();
        break;
    case DIAG_MOH:
        OnModemOnHold();
        break;
    default:
        break;
    }
}

void OnMohStateEvent(DWORD value)
{
    TraceNameOrNumber("%s", MohStateName(value), value);
    switch (value) {
    case MOH_STATE_AS_DETECTED:
        GreyCallCommandIfOurs();
        if (mohUnavailable && ReadSettingInt(SET_ACCEPT_V90))
            OnRemoteResponse(MOH_REMOTE_RESPONSE_V90);
        break;
    case MOH_STATE_CALLER_ID_PROCESSING:
        if (FetchIdentityEarly())
            GetCallerId();
        break;
    case MOH_STATE_WAIT_FOR_CALL_RESUME:
        OnCallResumeWait();
        break;
    case MOH_STATE_LAST:
        return;
    default:
        break;
    }
    ShowMohState(mainWindow, statusBarWindow, value, 0);
}

void OnRemoteResponseEvent(DWORD value)
{
    TraceNameOrNumber("%s", RemoteResponseName(value), value);
    OnRemoteResponse(value);
}

}  // namespace

extern "C" void WINAPI AlertMOH(DWORD kind, DWORD **data)
{
    if (!data || !*data)
        return;
    DWORD value = **data;
    if (!ModemRequest || !mainWindow || live.disableMoh)
        return;
    switch (kind) {
    case MOH_EVENT_DIAG_STATE:
        OnDiagState(value);
        break;
    case MOH_EVENT_REMOTE_RESPONSE:
        OnRemoteResponseEvent(value);
        break;
    case MOH_EVENT_MOH_STATE:
        OnMohStateEvent(value);
        break;
    default:
        break;
    }
}
