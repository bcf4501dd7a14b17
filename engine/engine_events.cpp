/* The host's events: diagnostic states, the server's answer and modem-on-hold states. */
#include "call_engine.h"

#include "engine_requests.h"
#include "event_names.h"
#include "host_codes.h"

int CallEngine::FetchIdentityEarly()
{
    return io.settings->ReadInt(SET_WAIT_FOR_REMOTE_RESPONSE) == 0;
}

void CallEngine::OnCallerIdInProgress()
{
    if (FetchIdentityEarly())
        GetCallerId();
    if (mohUnavailable && io.settings->ReadInt(SET_ACCEPT_V90) && !outgoingCall)
        GetCallerId();
    GreyCallCommandIfOurs();
}

void CallEngine::OnModemOnHold()
{
    uint32_t state = QueryMohState(*io.modem);
    TraceNameOrNumber("%s", MohStateName(state), state);
    if (state == MOH_STATE_WAIT_FOR_CALL_RESUME)
        OnCallResumeWait();
}

void CallEngine::OnDiagState(uint32_t value)
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

void CallEngine::OnMohStateEvent(uint32_t value)
{
    TraceNameOrNumber("%s", MohStateName(value), value);
    switch (value) {
    case MOH_STATE_AS_DETECTED:
        GreyCallCommandIfOurs();
        if (mohUnavailable && io.settings->ReadInt(SET_ACCEPT_V90))
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
    io.window->ShowMohState(value);
}

void CallEngine::OnHostEvent(uint32_t kind, uint32_t value)
{
    switch (kind) {
    case MOH_EVENT_DIAG_STATE:
        OnDiagState(value);
        break;
    case MOH_EVENT_REMOTE_RESPONSE:
        TraceNameOrNumber("%s", RemoteResponseName(value), value);
        OnRemoteResponse(value);
        break;
    case MOH_EVENT_MOH_STATE:
        OnMohStateEvent(value);
        break;
    default:
        break;
    }
}
