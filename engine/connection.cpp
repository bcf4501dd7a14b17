/* Following the data connection: connect, idle, whether the link can be held, the settings sent
   to the modem at each connect, and the start-up sync with the modem. */
#include "engine_parts.h"

#include "commands_state.h"
#include "event_names.h"
#include "host_link.h"
#include "main_window.h"
#include "modem_requests.h"
#include "mohres.h"
#include "settings.h"
#include "status_display.h"
#include "trace.h"

int callPhase;
int mohUnavailable;
int outgoingCall;
int responseSeen;
int retrainSeen;
int protConnectSeen;
int mohMethod;
char callerName[256];
char callerNumber[64];
int minimizeAfterCall;

namespace {

void GiveBackForeground(void)
{
    if (minimizeAfterCall) {
        minimizeAfterCall = 0;
        RestoreForeground(mainWindow);
    }
}

void ClearCaller(void)
{
    callerName[0] = '\0';
    callerNumber[0] = '\0';
}

void ShowNoCaller(void)
{
    ClearCaller();
    SetDlgItemTextA(mainWindow, IDC_CALLER_NAME, callerName);
    SetDlgItemTextA(mainWindow, IDC_CALLER_NUMBER, callerNumber);
}

void MarkLinkHoldable(void)
{
    mohUnavailable = 0;
    TraceToWindow(&windowTrace, "Connected in V92 mode");
}

/* An ACF modem reports a server without modem-on-hold as state 8; other families are asked for
   the modulation, and only V.92 can be held. */
void DecideIfLinkCanBeHeld(DWORD family, DWORD stateAtConnect)
{
    if (family == FAMILY_TYPE_ACF) {
        if (stateAtConnect == MOH_STATE_NOT_SUPPORTED)
            OnMohNotSupported();
        else
            MarkLinkHoldable();
    } else {
        DWORD modulation = QueryModulation();
        if (modulation == MOH_MODULATION_V92) {
            MarkLinkHoldable();
        } else {
            mohUnavailable = 1;
            TraceToWindow(&windowTrace, "Not connected in V92 mode (0x%x)", modulation);
        }
    }
    if (mohUnavailable)
        EnableCommand(IDCMD_DISCONNECT);
}

void ArrangeConnectedCommands(void)
{
    if (live.callButtonStatus == 0) {
        if (!mohUnavailable && !live.disableMoh)
            EnableCommand(IDCMD_CALL);
        else
            GreyCommand(IDCMD_CALL);
    }
    if (!mohUnavailable)
        GreyCommand(IDCMD_DISCONNECT);
    SetToolbarCommand(IDCMD_ACCEPT, 0);
    SetToolbarCommand(IDCMD_IGNORE, 0);
    SetToolbarCommand(IDCMD_RECONNECT, 0);
    SetMenuCommand(IDCMD_ACCEPT, 0);
    SetMenuCommand(IDCMD_IGNORE, 0);
    SetMenuCommand(IDCMD_RECONNECT, 0);
}

void ChooseHandsetExclusion(void)
{
    switch (ReadSettingInt(SET_HANDSET_EXCLUSION)) {
    case MOH_METHOD_MANUAL:
        mohMethod = MOH_METHOD_MANUAL;
        ConfigureHandsetExclusion();
        break;
    case MOH_METHOD_AUTOMATIC:
        mohMethod = MOH_METHOD_AUTOMATIC;
        ConfigureHandsetExclusion();
        break;
    case MOH_METHOD_NONE:
        mohMethod = (int)QueryHandsetExclusion();
        break;
    default:
        break;
    }
    TraceNameOrNumber("Moh Method : %s", MohMethodName(mohMethod), (DWORD)mohMethod);
}

}  // namespace

void OnModemConnected(void)
{
    TraceToFile(&fileTrace, "Modem Connected");
    GiveBackForeground();
    EnableMoh(live.disableMoh == 0);
    responseSeen = 0;
    outgoingCall = 0;
    callPhase = PHASE_NONE;
    ClearCaller();
    StopCallTimers();
    DWORD state = PollMohState(mainWindow, statusBarWindow);
    DWORD family = QueryFamily();
    TraceNameOrNumber("Modem Family: %s", FamilyName(family), family);
    /* A connect reported again after a retrain keeps the earlier verdict. */
    if (!(retrainSeen && protConnectSeen))
        DecideIfLinkCanBeHeld(family, state);
    ArrangeConnectedCommands();
    ShowNoCaller();
    callPhase = PHASE_NONE;
    UpdateTrayIcon(0);
    ChooseHandsetExclusion();
    TraceToFile(&fileTrace, "Waiting for inbound call");
    FlushCallRecord();
}

void OnModemIdle(void)
{
    GiveBackForeground();
    TraceToFile(&fileTrace, "Waiting for Connection");
    ShowIdle(mainWindow, statusBarWindow);
    callPhase = PHASE_NONE;
    outgoingCall = 0;
    mohUnavailable = 0;
    responseSeen = 0;
    retrainSeen = 0;
    protConnectSeen = 0;
    StopCallTimers();
    if (live.callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_IGNORE);
    GreyCommand(IDCMD_RECONNECT);
    GreyCommand(IDCMD_DISCONNECT);
    UpdateTrayIcon(0);
    ShowNoCaller();
    FlushCallRecord();
}

void EnableMoh(int enable)
{
    TraceToWindow(&windowTrace, "Enable Modem on Hold: %d", enable);
    SendEnableMoh((DWORD)enable);
    TraceToWindow(&windowTrace, "Enable CID: %d", enable);
    SendCidEnable((DWORD)enable);
    TraceToWindow(&windowTrace, "Get CID setting: %d", QueryCidSetting());
}

int ConfigureHandsetExclusion(void)
{
    /* One variable for all three requests, as the host may write into it. */
    DWORD method = (DWORD)mohMethod;
    int result = ModemDeleteConfiguration(MOH_ITEM_CID_ENABLE, &method);
    TraceToWindow(&windowTrace, "ModemDeleteConfiguration returning %d", result);
    SendCidEnable(method);
    result = ModemConfigure(MOH_ITEM_CID_ENABLE, &method);
    TraceToWindow(&windowTrace, "ModemConfigure returning %d", result);
    mohMethod = (int)method;
    return result;
}

void OnMohNotSupported(void)
{
    TraceToFile(&fileTrace, "Modem on Hold Not Supported by server");
    mohUnavailable = 1;
    TraceToWindow(&windowTrace, "MOH not supported");
}

void EngineStart(void)
{
    OpenTraceFile(&fileTrace);
    if (live.callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_DISCONNECT);
    GreyCommand(IDCMD_IGNORE);
    GreyCommand(IDCMD_RECONNECT);
    decisionTimerOn = 0;
    holdTimerOn = 0;
    SyncWithModem();
}

void SyncWithModem(void)
{
    SetDlgItemTextA(mainWindow, IDC_COUNTDOWN, "");
    switch (QueryDiagState()) {
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
    switch (PollMohState(mainWindow, statusBarWindow)) {
    case MOH_STATE_WAIT_FOR_USER_DECISION:
        OnRemoteResponse(QueryRemoteResponse());
        break;
    case MOH_STATE_WAIT_FOR_CALL_RESUME:
        OnCallResumeWait();
        break;
    case MOH_STATE_NOT_SUPPORTED:
        OnMohNotSupported();
        break;
    case MOH_STATE_LAST:
        ShowIdle(mainWindow, statusBarWindow);
        break;
    default:
        break;
    }
}
