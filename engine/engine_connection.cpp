/* Following the data connection: connect, idle, whether the link can be held, the settings sent
   to the modem at each connect, and the start-up sync with the modem. */
#include "call_engine.h"

#include "engine_requests.h"
#include "event_names.h"
#include "host_codes.h"
#include "mohres.h"

void CallEngine::GiveBackForeground()
{
    if (minimizeAfterCall) {
        minimizeAfterCall = 0;
        io.window->RestoreForeground();
    }
}

void CallEngine::ClearCaller()
{
    callerName[0] = '\0';
    callerNumber[0] = '\0';
}

void CallEngine::ShowNoCaller()
{
    ClearCaller();
    ShowCaller(callerName, callerNumber);
}

void CallEngine::MarkLinkHoldable()
{
    mohUnavailable = 0;
    TraceWindow("Connected in V92 mode");
}

/* An ACF modem reports a server without modem-on-hold as state 8; other families are asked for
   the modulation, and only V.92 can be held. */
void CallEngine::DecideIfLinkCanBeHeld(uint32_t family, uint32_t stateAtConnect)
{
    if (family == FAMILY_TYPE_ACF) {
        if (stateAtConnect == MOH_STATE_NOT_SUPPORTED)
            OnMohNotSupported();
        else
            MarkLinkHoldable();
    } else {
        uint32_t modulation = QueryModulation(*io.modem);
        if (modulation == MOH_MODULATION_V92) {
            MarkLinkHoldable();
        } else {
            mohUnavailable = 1;
            TraceWindow("Not connected in V92 mode (0x%x)", (unsigned)modulation);
        }
    }
    if (mohUnavailable)
        EnableCommand(IDCMD_DISCONNECT);
}

void CallEngine::ArrangeConnectedCommands()
{
    if (io.live->callButtonStatus == 0) {
        if (!mohUnavailable && !io.live->disableMoh)
            EnableCommand(IDCMD_CALL);
        else
            GreyCommand(IDCMD_CALL);
    }
    if (!mohUnavailable)
        GreyCommand(IDCMD_DISCONNECT);
    io.window->SetToolbarCommand(IDCMD_ACCEPT, 0);
    io.window->SetToolbarCommand(IDCMD_IGNORE, 0);
    io.window->SetToolbarCommand(IDCMD_RECONNECT, 0);
    io.window->SetMenuCommand(IDCMD_ACCEPT, 0);
    io.window->SetMenuCommand(IDCMD_IGNORE, 0);
    io.window->SetMenuCommand(IDCMD_RECONNECT, 0);
}

void CallEngine::ChooseHandsetExclusion()
{
    switch (io.settings->ReadInt(SET_HANDSET_EXCLUSION)) {
    case MOH_METHOD_MANUAL:
        mohMethod = MOH_METHOD_MANUAL;
        ConfigureHandsetExclusion();
        break;
    case MOH_METHOD_AUTOMATIC:
        mohMethod = MOH_METHOD_AUTOMATIC;
        ConfigureHandsetExclusion();
        break;
    case MOH_METHOD_NONE:
        mohMethod = (int)QueryHandsetExclusion(*io.modem);
        break;
    default:
        break;
    }
    TraceNameOrNumber("Moh Method : %s", MohMethodName(mohMethod), (uint32_t)mohMethod);
}

void CallEngine::OnModemConnected()
{
    TraceFile("Modem Connected");
    GiveBackForeground();
    EnableMoh(io.live->disableMoh == 0);
    responseSeen = 0;
    outgoingCall = 0;
    callPhase = PHASE_NONE;
    ClearCaller();
    StopCallTimers();
    uint32_t state = PollMohState();
    uint32_t family = QueryFamily(*io.modem);
    TraceNameOrNumber("Modem Family: %s", FamilyName(family), family);
    /* A connect reported again after a retrain keeps the earlier verdict. */
    if (!(retrainSeen && protConnectSeen))
        DecideIfLinkCanBeHeld(family, state);
    ArrangeConnectedCommands();
    ShowNoCaller();
    callPhase = PHASE_NONE;
    io.window->UpdateTrayIcon(0);
    ChooseHandsetExclusion();
    TraceFile("Waiting for inbound call");
    FlushCallRecord();
}

void CallEngine::OnModemIdle()
{
    GiveBackForeground();
    TraceFile("Waiting for Connection");
    callPhase = PHASE_NONE;
    io.window->ShowIdle();
    outgoingCall = 0;
    mohUnavailable = 0;
    responseSeen = 0;
    retrainSeen = 0;
    protConnectSeen = 0;
    StopCallTimers();
    GreyCallCommandIfOurs();
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_IGNORE);
    GreyCommand(IDCMD_RECONNECT);
    GreyCommand(IDCMD_DISCONNECT);
    io.window->UpdateTrayIcon(0);
    ShowNoCaller();
    FlushCallRecord();
}

void CallEngine::EnableMoh(int enable)
{
    TraceWindow("Enable Modem on Hold: %d", enable);
    SendEnableMoh(*io.modem, (uint32_t)enable);
    TraceWindow("Enable CID: %d", enable);
    SendCidEnable(*io.modem, (uint32_t)enable);
    TraceWindow("Get CID setting: %d", (int)QueryCidSetting(*io.modem));
}

int CallEngine::ConfigureHandsetExclusion()
{
    /* One variable for all three requests, as the host may write into it. */
    uint32_t method = (uint32_t)mohMethod;
    int result = ModemDeleteConfiguration(*io.modem, MOH_ITEM_CID_ENABLE, &method);
    TraceWindow("ModemDeleteConfiguration returning %d", result);
    SendCidEnable(*io.modem, method);
    result = ModemConfigure(*io.modem, MOH_ITEM_CID_ENABLE, &method);
    TraceWindow("ModemConfigure returning %d", result);
    mohMethod = (int)method;
    return result;
}

void CallEngine::OnMohNotSupported()
{
    TraceFile("Modem on Hold Not Supported by server");
    mohUnavailable = 1;
    TraceWindow("MOH not supported");
}

void CallEngine::SyncWithModem()
{
    io.window->SetFieldText(IDC_COUNTDOWN, "");
    switch (QueryDiagState(*io.modem)) {
    case DIAG_PHYS_LAYER_CONNECT:
        break;
    case DIAG_PROT_LAYER_CONNECT:
        OnModemConnected();
        break;
    case DIAG_MOH:
        ShowOnHold();
        break;
    default:   /* DIAG_IDLE and every other state */
        OnModemIdle();
        break;
    }
    switch (PollMohState()) {
    case MOH_STATE_WAIT_FOR_USER_DECISION:
        OnRemoteResponse(QueryRemoteResponse(*io.modem));
        break;
    case MOH_STATE_WAIT_FOR_CALL_RESUME:
        OnCallResumeWait();
        break;
    case MOH_STATE_NOT_SUPPORTED:
        OnMohNotSupported();
        break;
    case MOH_STATE_LAST:
        callPhase = PHASE_NONE;
        io.window->ShowIdle();
        break;
    default:
        break;
    }
}
