#include "commands_state.h"

#include <windows.h>
#include <commctrl.h>

#include "main_window.h"

void SetToolbarCommand(int command, int enabled)
{
    WORD state = enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
    SendMessageA(toolbarWindow, TB_SETSTATE, (WPARAM)command, MAKELONG(state, 0));
}

void SetMenuCommand(int command, int enabled)
{
    EnableMenuItem(mainMenu, (UINT)command, enabled ? MF_ENABLED : MF_GRAYED);
}

void GreyCommand(int command)
{
    SetToolbarCommand(command, 0);
    SetMenuCommand(command, 0);
}

void EnableCommand(int command)
{
    SetToolbarCommand(command, 1);
    SetMenuCommand(command, 1);
}
