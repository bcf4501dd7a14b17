/* Centring of windows on their parent, owner or the screen. */
#include "window_placement.h"

namespace {

/* The area to centre on, in the coordinates the window is moved in. */
RECT ReferenceRect(HWND window, bool child, int screenWidth, int screenHeight)
{
    RECT reference = {0, 0, screenWidth, screenHeight};
    if (child) {
        GetClientRect(GetParent(window), &reference);
        return reference;
    }
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &reference);
    return reference;
}

int KeepOnScreen(int position, int size, int screenSize)
{
    if (position > screenSize - size)
        position = screenSize - size;
    if (position < 0)
        position = 0;
    return position;
}

}  // namespace

void CentreWindow(HWND window)
{
    if (!window || !IsWindow(window))
        return;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    bool child = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0;
    RECT outer;
    GetWindowRect(window, &outer);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    RECT reference = ReferenceRect(window, child, screenWidth, screenHeight);
    int x = reference.left + (reference.right - reference.left - width) / 2;
    int y = reference.top + (reference.bottom - reference.top - height) / 2;
    if (!child) {
        x = KeepOnScreen(x, width, screenWidth);
        y = KeepOnScreen(y, height, screenHeight);
    }
    MoveWindow(window, x, y, width, height, FALSE);
}
