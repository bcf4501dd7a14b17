/* CreateMOH and the main window's dialog procedure. */
#include "main_window.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "call_list_dialog.h"
#include "corvanectln.h"
#include "help_about.h"
#include "host_link.h"
#include "main_toolbar.h"
#include "message_loop.h"
#include "module_state.h"
#include "mohres.h"
#include "run_at_logon.h"
#include "settings.h"
#include "splash.h"
#include "startup.h"
#include "status_display.h"
#include "steady_controls.h"
#include "trace.h"
#include "window_placement.h"

LiveSettings live;
HWND mainWindow;
HWND toolbarWindow;
HWND statusBarWindow;
HMENU mainMenu;
HWND acceleratorTarget;
HBITMAP stateBitmaps[3];
int loopFlag;
int restartFlag;

namespace {

enum { TITLE_SIZE = 256, MIN_WIDTH = 364, LOG_BUTTON_WIDTH = 40, RESIZE_OPTIONS = 13 };

const SIZING kResizeRows[] = {
    {IDC_CALLER_LABEL, 0, 0, 100, 0},  {IDC_CALLER_NAME, 0, 0, 100, 0}, {IDC_CALLER_NUMBER, 0, 0, 100, 0},
    {IDC_STATE_PICTURE, 100, 100, 100, 100}, {IDC_LEGACY_NOTE, 0, 0, 100, 0}, {IDC_STATUS_LINE, 0, 0, 50, 0},
    {IDC_COUNTDOWN, 50, 50, 50, 50},
};

/* The controls the engine keeps setting, mostly to what they already show. */
const int kSteadyControls[] = {IDC_CALLER_NAME, IDC_CALLER_NUMBER, IDC_STATUS_LINE, IDC_COUNTDOWN, IDC_STATE_PICTURE};

HACCEL accelerators;
HHOOK messageFilterHook;
int menuBarShown;
int exitGuard;
int listGuard;
HFONT emphasisFont;

/* Accelerators must work wherever the dialog manager runs: in the library's loop, in the host's
   loop and inside the modal call-list dialogs. */
LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && acceleratorTarget && TranslateAcceleratorA(acceleratorTarget, accelerators, (MSG *)lParam))
        return 1;
    return CallNextHookEx(messageFilterHook, code, wParam, lParam);
}

void ReadLiveSettings(void)
{
    live.soundsEnable = ReadSettingInt(SET_SOUNDS_ENABLE);
    live.screenAll = ReadSettingInt(SET_SCREEN_ALL);
    live.disableMoh = ReadSettingInt(SET_DISABLE_MOH);
    live.acceptAll = ReadSettingInt(SET_ACCEPT_ALL);
    live.ignoreAll = ReadSettingInt(SET_IGNORE_ALL);
    live.timeout = ReadSettingInt(SET_TIMEOUT);
    live.loadAtStartup = ReadSettingInt(SET_LOAD_AT_STARTUP);
    live.showOnSystray = ReadSettingInt(SET_SHOW_ON_SYSTRAY);
    live.minimize = ReadSettingInt(SET_MINIMIZE);
    live.incomingCallLog = ReadSettingInt(SET_INCOMING_CALL_LOG);
}

/* Windows XP and later no longer need the note of control 1081. */
void HideLegacyNote(HWND window)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 &&
        version.dwMinorVersion >= 1)
        ShowWindow(GetDlgItem(window, IDC_LEGACY_NOTE), SW_HIDE);
}

void SyncQuickConnect(void)
{
    if (!ReadSettingInt(SET_DISPLAY_QUICK_CONNECT))
        return;
    DWORD value = (DWORD)ReadSettingInt(SET_ENABLE_QUICK_CONNECT);
    if ((int)value == -1) {
        ModemRequest(MOH_OP_GET, MOH_DATA_DWORD, MOH_ITEM_QUICK_CONNECT_STATE, NULL, 0, &value);
        value = value ? 1 : 0;
        WriteSettingBool(SET_ENABLE_QUICK_CONNECT, value);
    }
    ModemRequest(MOH_OP_SET, MOH_DATA_DWORD, MOH_ITEM_QUICK_CONNECT, NULL, 0, &value);
}

void CreateStatusBar(HWND window)
{
    InitCommonControls();
    statusBarWindow = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER, "", window, IDC_STATUS_BAR);
    int edge = -1;
    SendMessageA(statusBarWindow, SB_SETPARTS, 1, (LPARAM)&edge);
    char ready[64] = "";
    LoadStringA(resourceModule, IDS_READY, ready, sizeof ready);
    SendMessageA(statusBarWindow, SB_SETTEXTA, 0 | SBT_NOBORDERS, (LPARAM)ready);
}

/* The caller's name and the countdown are what the user reads first: show them larger. */
void EmphasiseCallerAndCountdown(HWND window)
{
    LOGFONTA font = {};
    GetObjectA((HFONT)SendMessageA(window, WM_GETFONT, 0, 0), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight * 3 / 2;
    emphasisFont = CreateFontIndirectA(&font);
    SendDlgItemMessageA(window, IDC_CALLER_NAME, WM_SETFONT, (WPARAM)emphasisFont, FALSE);
    SendDlgItemMessageA(window, IDC_COUNTDOWN, WM_SETFONT, (WPARAM)emphasisFont, FALSE);
}

void ApplySavedSize(HWND window)
{
    int cx = ReadSettingInt(SET_CX);
    int cy = ReadSettingInt(SET_CY);
    if (cx == -1 || cy == -1)
        return;
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, cx, cy, TRUE);
}

BOOL OnInitDialog(HWND window)
{
    mainWindow = window;
    HideLegacyNote(window);
    ReadLiveSettings();
    RegisterRunAtLogon(RUN_AT_LOGON_VALUE, live.loadAtStartup);
    SyncQuickConnect();
    char title[TITLE_SIZE];
    ReadSettingString(SET_TITLE_TXT, title, sizeof title);
    SetWindowTextA(window, title);
    live.callButtonStatus = ReadSettingInt(SET_CALL_BUTTON_STATUS);
    TraceToWindow(&windowTrace, "CallButtonStatus %d", live.callButtonStatus);

    mainMenu = LoadMenuA(resourceModule, MAKEINTRESOURCE(IDM_MAIN));
    CreateMainToolbar(window);
    FitToolbar(window);
    for (int i = 0; i < 3; ++i)
        stateBitmaps[i] = Bitmap_Load(resourceModule, IDB_STATE_IDLE + i);
    CreateStatusBar(window);
    char label[TITLE_SIZE] = "";
    LoadStringA(resourceModule, IDS_CALLER_LABEL, label, sizeof label);
    SetDlgItemTextA(window, IDC_CALLER_LABEL, label);
    menuBarShown = ReadSettingInt(SET_SHOW_MENU);
    if (menuBarShown)
        ShowMenuBar(window, true);
    accelerators = LoadAcceleratorsA(resourceModule, MAKEINTRESOURCE(IDA_MAIN));
    messageFilterHook = SetWindowsHookExA(WH_MSGFILTER, MessageFilterProc, moduleHandle, GetCurrentThreadId());
    EmphasiseCallerAndCountdown(window);
    KeepSteadyControls(window, kSteadyControls, sizeof kSteadyControls / sizeof kSteadyControls[0]);
    Engine().Start();
    Resize_Init(window, RESIZE_OPTIONS, kResizeRows, sizeof kResizeRows / sizeof kResizeRows[0]);
    ApplySavedSize(window);
    CentreWindow(window);
    return TRUE;
}

void ShowMessage(HWND window, UINT textId, UINT style)
{
    char title[TITLE_SIZE] = "";
    GetWindowTextA(window, title, sizeof title);
    char text[TITLE_SIZE] = "";
    LoadStringA(resourceModule, textId, text, sizeof text);
    MessageBoxA(window, text, title, style);
}

bool UserConfirmsExit(HWND window)
{
    char title[TITLE_SIZE] = "";
    GetWindowTextA(window, title, sizeof title);
    char format[TITLE_SIZE] = "";
    LoadStringA(resourceModule, IDS_EXIT_QUESTION, format, sizeof format);
    char question[2 * TITLE_SIZE];
    snprintf(question, sizeof question, "%s", format);
    /* The question names the window: its one "%s" is the title. */
    if (const char *slot = strstr(format, "%s"))
        snprintf(question, sizeof question, "%.*s%s%s", (int)(slot - format), format, title, slot + 2);
    return MessageBoxA(window, question, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void OnExit(HWND window)
{
    if (exitGuard)
        return;
    exitGuard = 1;
    if (Engine().Phase() == PHASE_ON_HOLD) {
        ShowMessage(window, IDS_EXIT_REFUSED, MB_ICONEXCLAMATION);
        exitGuard = 0;
        return;
    }
    if (!restartFlag && loopFlag && !UserConfirmsExit(window)) {
        exitGuard = 0;
        return;
    }
    if (!IsIconic(window) && IsWindowVisible(window)) {
        RECT rect;
        GetWindowRect(window, &rect);
        WriteSettingInt(SET_CX, rect.right - rect.left);
        WriteSettingInt(SET_CY, rect.bottom - rect.top);
    }
    DestroyWindow(window);
    exitGuard = 0;
}

void RunCallList(HWND window, LPARAM kind)
{
    if (listGuard)
        return;
    listGuard = 1;
    DialogBoxParamA(resourceModule, MAKEINTRESOURCE(IDD_CALL_LIST), window, CallListDlgProc, kind);
    listGuard = 0;
}

void OnCommand(HWND window, int id)
{
    if (Engine().OnCommand(id))
        return;
    switch (id) {
    case IDCMD_EXIT: OnExit(window); break;
    case IDCMD_HELP: ShowHelp(window, HELP_DEFAULT_TOPIC); break;
    case IDCMD_CONFIG: ConfigMOH(window); break;
    case IDCMD_PHONEBOOK: RunCallList(window, CALL_LIST_PHONE_BOOK); break;
    case IDCMD_CALL_LOG: RunCallList(window, CALL_LIST_INCOMING_LOG); break;
    case IDCMD_TRAY_EXIT: PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0); break;
    case IDCMD_ABOUT: ShowAbout(window); break;
    case IDCMD_TOGGLE_MENU:
        menuBarShown = !menuBarShown;
        ShowMenuBar(window, menuBarShown != 0);
        ShowWindow(window, SW_RESTORE);
        break;
    }
}

void OnSize(HWND window, WPARAM type, LPARAM size)
{
    if (type == SIZE_MINIMIZED) {
        ShowWindow(window, SW_HIDE);  /* off the taskbar; the tray icon brings it back */
        return;
    }
    Resize_OnSize(window, (UINT)type, LOWORD(size), HIWORD(size));
    SendMessageA(statusBarWindow, WM_SIZE, type, size);
    SendMessageA(toolbarWindow, WM_SIZE, type, size);
}

void OnGetMinMaxInfo(HWND window, MINMAXINFO *info)
{
    Resize_OnGetMinMaxInfo(window, info);
    info->ptMinTrackSize.x = MIN_WIDTH + LOG_BUTTON_WIDTH * live.incomingCallLog;
}

void OnActivate(HWND window, WPARAM state)
{
    int active = LOWORD(state) == WA_ACTIVE || LOWORD(state) == WA_CLICKACTIVE;
    acceleratorTarget = active ? window : NULL;
}

void OnTimer(HWND window, UINT_PTR timerId)
{
    if (timerId == TIMER_STATUS_TEXT)
        OnStatusTextTimer(window);
    else
        Engine().OnTimer((int)timerId);
}

void OnDestroy(HWND window)
{
    Engine().StopRing();
    RemoveTrayIcon();
    for (HBITMAP &bitmap : stateBitmaps) {
        DeleteObject(bitmap);
        bitmap = NULL;
    }
    UnhookWindowsHookEx(messageFilterHook);
    messageFilterHook = NULL;
    mainWindow = NULL;
    CloseHelp();
    Resize_Exit(window);
    DeleteObject(emphasisFont);
    emphasisFont = NULL;
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(window);
    case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return FALSE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0);
        return FALSE;
    case WM_HELP: PostMessageA(window, WM_COMMAND, IDCMD_HELP, 0); return TRUE;
    case WM_CONTEXTMENU: ShowAbout(window); return TRUE;
    case WM_SIZE: OnSize(window, wParam, lParam); return FALSE;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(window, (MINMAXINFO *)lParam); return FALSE;
    case WM_ACTIVATE: OnActivate(window, wParam); return FALSE;
    case WM_NOTIFY: return OnToolbarNotify(window, (NMHDR *)lParam);
    case WM_TIMER: OnTimer(window, wParam); return FALSE;
    case WM_CTLCOLORSTATIC: return FALSE;
    case WM_TRAY_ICON: return OnTrayMessage(window, lParam);
    case WM_TRAY_SHOW: ShowTrayIconInShell(); return TRUE;
    case WM_DESTROY: OnDestroy(window); return FALSE;
    }
    return FALSE;
}

void ShowMenuBar(HWND window, bool show)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int change = GetSystemMetrics(SM_CYMENUSIZE) + 2;
    SetMenu(window, show ? mainMenu : NULL);
    rect.bottom += show ? change : -change;
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

extern "C" HWND WINAPI CreateMOH(HWND parent, int runLoop, MOH_REQUEST request)
{
    loopFlag = runLoop;
    ModemRequest = request;
    Ctl_Startup();
    if (loopFlag)
        ShowSplash(parent);
    HWND window = CreateDialogParamA(resourceModule, MAKEINTRESOURCE(IDD_MAIN), parent, MainDlgProc, 0);
    if (restartFlag) {
        restartFlag = 0;
        ShowWindow(window, SW_SHOWNORMAL);
    }
    if (!loopFlag)
        return window;
    RunMessageLoop();
    if (!restartFlag)
        return window;
    /* A language change: rebuild everything from the newly chosen resource module. */
    if (resourceModule && resourceModule != moduleHandle)
        FreeLibrary(resourceModule);
    resourceModule = NULL;
    ModuleStartup();
    CreateMOH(parent, runLoop, request);
    return window;
}
