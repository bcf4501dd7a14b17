/* The toolbar's hover help in the status bar, and its tooltips: each command's string. */
#include <windows.h>
#include <commctrl.h>

#include "call_engine.h"
#include "main_window.h"
#include "module_state.h"
#include "mohres.h"
#include "status_display.h"
#include "window_timers.h"

namespace {

enum { HELP_TEXT_SIZE = 64, HOVER_RESET_MS = 300 };

void ShowStatusHelp(UINT stringId)
{
    char text[HELP_TEXT_SIZE] = "";
    LoadStringA(resourceModule, stringId, text, sizeof text);
    SendMessageA(statusBarWindow, SB_SETTEXTA, 0 | SBT_NOBORDERS, (LPARAM)text);
}

void OnHotItemChange(HWND window, const NMTBHOTITEM *hot)
{
    if (!(hot->dwFlags & HICF_MOUSE))
        return;
    if (hot->dwFlags & HICF_LEAVING) {
        StopWindowTimer(window, TIMER_STATUS_TEXT);
        ShowStatusHelp(IDS_READY);
        return;
    }
    ShowStatusHelp((UINT)hot->idNew);
    StartWindowTimer(window, TIMER_STATUS_TEXT, HOVER_RESET_MS);
}

}  // namespace

/* Once the cursor has left the toolbar's buttons, the status bar shows its ready text again. */
void OnStatusTextTimer(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(toolbarWindow, &cursor);
    int button = (int)SendMessageA(toolbarWindow, TB_HITTEST, 0, (LPARAM)&cursor);
    if (button >= 0 && cursor.x >= 0 && cursor.y >= 0)
        return;
    StopWindowTimer(window, TIMER_STATUS_TEXT);
    ShowStatusHelp(IDS_READY);
}

BOOL OnToolbarNotify(HWND window, NMHDR *header)
{
    switch (header->code) {
    case TBN_HOTITEMCHANGE:
        OnHotItemChange(window, (const NMTBHOTITEM *)header);
        return TRUE;
    }
    return FillCommandTooltip(header);
}

BOOL FillCommandTooltip(NMHDR *header)
{
    if (header->code == TTN_NEEDTEXTA) {
        NMTTDISPINFOA *info = (NMTTDISPINFOA *)header;
        info->hinst = resourceModule;
        info->lpszText = MAKEINTRESOURCEA(header->idFrom);
        return TRUE;
    }
    if (header->code == TTN_NEEDTEXTW) {
        NMTTDISPINFOW *info = (NMTTDISPINFOW *)header;
        info->hinst = resourceModule;
        info->lpszText = MAKEINTRESOURCEW(header->idFrom);
        return TRUE;
    }
    return FALSE;
}
