#include "control_panel.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>

#include "event_names.h"
#include "host_driver.h"
#include "host_log.h"
#include "library_link.h"
#include "panel_res.h"

namespace {

const int kMaxListLines = 5000;
const int kFirstResponse = 500;
const int kResponseCount = 6;
const int kStateCount = 14;
const int kRetrainDiag = 15;

HWND panel;
bool panelReady;   /* filling the fields at start sends change notifications too */
std::string shownLine;
std::string lastLine;
int lastLineCount;

std::string FieldText(int control)
{
    char text[256] = "";
    GetDlgItemTextA(panel, control, text, sizeof text);
    return text;
}

int FieldNumber(int control)
{
    return atoi(FieldText(control).c_str());
}

int Selection(int control)
{
    LRESULT index = SendDlgItemMessageA(panel, control, CB_GETCURSEL, 0, 0);
    return index < 0 ? 0 : (int)index;
}

void FillCombo(int control, const char *(*name)(unsigned long), unsigned long first, int count, size_t skip, int chosen)
{
    for (int i = 0; i < count; ++i) {
        const char *text = name(first + (unsigned long)i);
        SendDlgItemMessageA(panel, control, CB_ADDSTRING, 0, (LPARAM)(text ? text + skip : "?"));
    }
    SendDlgItemMessageA(panel, control, CB_SETCURSEL, (WPARAM)chosen, 0);
}

const char *FamilyText(unsigned long value) { return FamilyName(value); }
const char *MethodText(unsigned long value) { return MohMethodName((long)value); }

void ShowModemValues(void)
{
    SetDlgItemInt(panel, IDP_MODULATION, modem.modulation, FALSE);
    FillCombo(IDP_FAMILY, FamilyText, 0, 3, 12, (int)modem.family);
    SetDlgItemInt(panel, IDP_DECISION_TIME, (UINT)modem.decisionTime, TRUE);
    SetDlgItemInt(panel, IDP_HOLD_TIME, (UINT)modem.maxHoldTime, TRUE);
    FillCombo(IDP_HANDSET, MethodText, 0, 3, 0, (int)modem.handsetExclusion);
    SetDlgItemInt(panel, IDP_PORT, modem.port, FALSE);
    CheckDlgButton(panel, IDP_QUICK_CONNECT, modem.quickConnectState ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(panel, IDP_MODEM_NAME, modem.modemName.c_str());
    SetDlgItemTextA(panel, IDP_CALLER_NAME, "Ann Smith");
    SetDlgItemTextA(panel, IDP_CALLER_NUMBER, "5550123");
    FillCombo(IDP_RESPONSE, RemoteResponseName, kFirstResponse, kResponseCount, 20, 0);
    FillCombo(IDP_STATE, MohStateName, 0, kStateCount, 10, 0);
}

/* The modem answers from the fields as soon as they change. */
void ReadModemValues(void)
{
    modem.modulation = (uint32_t)FieldNumber(IDP_MODULATION);
    modem.family = (uint32_t)Selection(IDP_FAMILY);
    modem.decisionTime = FieldNumber(IDP_DECISION_TIME);
    modem.maxHoldTime = FieldNumber(IDP_HOLD_TIME);
    modem.handsetExclusion = (uint32_t)Selection(IDP_HANDSET);
    modem.port = (uint32_t)FieldNumber(IDP_PORT);
    modem.quickConnectState = IsDlgButtonChecked(panel, IDP_QUICK_CONNECT) == BST_CHECKED;
    modem.modemName = FieldText(IDP_MODEM_NAME);
}

void ShowStatusWindow(void)
{
    HWND status = StatusWindow();
    if (!status)
        return;
    ShowWindow(status, SW_SHOWNORMAL);
    SetForegroundWindow(status);
}

/* A line like the one before (the state poll asks every second) only counts up that one. */
void AddListLine(const char *line)
{
    HWND list = GetDlgItem(panel, IDP_REQUESTS);
    if (!list)
        return;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (lastLine == line && count > 0) {
        std::string counted = lastLine + "  (" + std::to_string(++lastLineCount) + " times)";
        SendMessageA(list, LB_DELETESTRING, (WPARAM)(count - 1), 0);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)counted.c_str());
        return;
    }
    lastLine = line;
    lastLineCount = 1;
    if (count >= kMaxListLines)
        SendMessageA(list, LB_DELETESTRING, 0, 0);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)line);
    SendMessageA(list, LB_SETTOPINDEX, (WPARAM)index, 0);
}

void OnEventButton(int control)
{
    ReadModemValues();
    std::string name = FieldText(IDP_CALLER_NAME);
    std::string number = FieldText(IDP_CALLER_NUMBER);
    switch (control) {
    case IDP_CONNECT: ModemConnect(&modem, modem.modulation, modem.family); break;
    case IDP_IDLE: ModemGoIdle(&modem); break;
    case IDP_RETRAIN: ModemReportDiag(&modem, kRetrainDiag); break;
    case IDP_TONE: ModemCallWaitingTone(&modem); break;
    case IDP_CALLER_ID: ModemCallerId(&modem, number.empty() ? "-" : number, name.empty() ? "-" : name); break;
    case IDP_SEND_RESPONSE: ModemRemoteResponse(&modem, (uint32_t)(kFirstResponse + Selection(IDP_RESPONSE))); break;
    case IDP_SEND_STATE: ModemReportState(&modem, (uint32_t)Selection(IDP_STATE)); break;
    default: break;
    }
}

void OnCommand(int control, int notification)
{
    switch (control) {
    case IDCANCEL:
        EndRun();
        DestroyWindow(panel);
        return;
    case IDP_SHOW_STATUS:
        ShowStatusWindow();
        return;
    case IDP_CONFIGURE:
        ConfigMoh(panel);
        return;
    case IDP_CONNECT: case IDP_IDLE: case IDP_RETRAIN: case IDP_TONE: case IDP_CALLER_ID:
    case IDP_SEND_RESPONSE: case IDP_SEND_STATE:
        OnEventButton(control);
        return;
    default:
        if (notification == EN_CHANGE || notification == CBN_SELCHANGE || control == IDP_QUICK_CONNECT)
            ReadModemValues();
        return;
    }
}

INT_PTR CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        panel = window;
        ShowModemValues();
        panelReady = true;
        return TRUE;
    case WM_COMMAND:
        if (panelReady)
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_CLOSE:
        OnCommand(IDCANCEL, 0);
        return TRUE;
    case WM_DESTROY:
        SetLogListener(NULL);
        panel = NULL;
        panelReady = false;
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

HWND OpenControlPanel(void)
{
    HWND window = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_PANEL), NULL, PanelProc, 0);
    if (window)
        SetLogListener(AddListLine);
    return window;
}

void ControlPanelBeat(void)
{
    if (!panel)
        return;
    char text[128];
    snprintf(text, sizeof text, "Line: %s   hook: %s   state: %lu", LineStateName(modem.line),
             HookStateName(modem.hook), (unsigned long)modem.mohState);
    if (shownLine != text) {
        shownLine = text;
        SetDlgItemTextA(panel, IDP_LINE, text);
    }
}

void CloseControlPanel(void)
{
    if (panel)
        DestroyWindow(panel);
}
