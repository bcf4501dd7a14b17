/* Bringing the main window to the front when a call needs the user, and giving the front back
   to the window that had it. */
#include "main_window.h"
#include "status_display.h"
#include "trace.h"

namespace {

enum { TITLE_SIZE = 256, PREFIX_LENGTH = 7 };

HWND savedForeground;
int savedMaximised;

bool IsNt5OrLater(void)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

/* Every visible titled top-level window makes way, except the "Program..." shell windows. */
BOOL CALLBACK MinimiseTitledWindow(HWND window, LPARAM)
{
    char title[TITLE_SIZE] = "";
    GetWindowTextA(window, title, sizeof title);
    if (title[0] && IsWindowVisible(window) &&
        CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, title, lstrlenA(title) < PREFIX_LENGTH ? -1 : PREFIX_LENGTH,
                       "Program", PREFIX_LENGTH) != CSTR_EQUAL)
        ShowWindow(window, SW_MINIMIZE);
    return TRUE;
}

}  // namespace

void BringToFront(HWND window, int minimiseOthers)
{
    if (minimiseOthers && IsNt5OrLater()) {
        savedForeground = GetForegroundWindow();
        if (savedForeground != window) {
            savedMaximised = IsZoomed(savedForeground);
            EnumWindows(MinimiseTitledWindow, 0);
            char title[TITLE_SIZE] = "";
            GetWindowTextA(savedForeground, title, sizeof title);
            TraceToWindow(&windowTrace, "Minimize foreground window %s", title);
        } else {
            savedForeground = NULL;
        }
    }
    ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
}

void RestoreForeground(HWND window)
{
    ShowWindow(window, SW_MINIMIZE);
    if (!IsNt5OrLater() || !savedForeground)
        return;
    if (IsWindowVisible(savedForeground)) {
        if (!savedMaximised) {
            ShowWindow(savedForeground, SW_RESTORE);
            ShowWindow(savedForeground, SW_SHOWNORMAL);
        } else {
            ShowWindow(savedForeground, SW_SHOWMAXIMIZED);
        }
        SetForegroundWindow(savedForeground);
    }
    savedForeground = NULL;
}
