#include "main_toolbar.h"

#include <commctrl.h>

#include "main_window.h"
#include "module_state.h"
#include "mohres.h"

namespace {

enum { TOOLBAR_ID = 1, BUTTON_SIZE = 32, LOG_BUTTON_POSITION = 6, LOG_BUTTON_IMAGE = 9, CALL_BUTTON_REMOVED = 2,
       CALL_BUTTON_GREYED = 1, EXTRA_HEIGHT = 10 };
const DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT;

}  // namespace

TBBUTTON Button(int image, int command)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

void CreateMainToolbar(HWND window)
{
    TBBUTTON buttons[] = {
        Button(0, IDCMD_ACCEPT),    Button(1, IDCMD_IGNORE), Button(2, IDCMD_DISCONNECT),
        Button(3, IDCMD_CALL),      Button(4, IDCMD_RECONNECT), Button(5, IDCMD_PHONEBOOK),
        Button(6, IDCMD_CONFIG),    Button(7, IDCMD_EXIT),   Button(8, IDCMD_HELP),
    };
    int count = sizeof buttons / sizeof buttons[0];
    if (live.callButtonStatus == CALL_BUTTON_REMOVED) {
        int removed = 0;
        while (removed < count && buttons[removed].idCommand < IDCMD_CALL)
            ++removed;
        for (int i = removed; i + 1 < count; ++i)
            buttons[i] = buttons[i + 1];
        --count;
        DeleteMenu(mainMenu, IDCMD_CALL, MF_BYCOMMAND);
    }
    toolbarWindow = CreateToolbarEx(window, kToolbarStyle, TOOLBAR_ID, count, resourceModule, IDB_TOOLBAR, buttons,
                                    count, BUTTON_SIZE, BUTTON_SIZE, 0, 0, sizeof(TBBUTTON));
    if (live.callButtonStatus == CALL_BUTTON_GREYED) {
        SendMessageA(toolbarWindow, TB_SETSTATE, IDCMD_CALL, MAKELONG(TBSTATE_INDETERMINATE, 0));
        EnableMenuItem(mainMenu, IDCMD_CALL, MF_BYCOMMAND | MF_GRAYED);
    }
    if (live.incomingCallLog) {
        TBBUTTON log = Button(LOG_BUTTON_IMAGE, IDCMD_CALL_LOG);
        SendMessageA(toolbarWindow, TB_INSERTBUTTONA, LOG_BUTTON_POSITION, (LPARAM)&log);
    }
}

void FitToolbar(HWND window)
{
    RECT toolbar;
    GetWindowRect(toolbarWindow, &toolbar);
    MapWindowPoints(NULL, window, (POINT *)&toolbar, 2);
    RECT outer;
    GetWindowRect(window, &outer);
    MoveWindow(toolbarWindow, toolbar.left, toolbar.top, outer.right - outer.left,
               toolbar.bottom - toolbar.top + EXTRA_HEIGHT, TRUE);
}
