/* The shipped library's timers and local time: straight to the system. */
#include "window_timers.h"

UINT_PTR StartWindowTimer(HWND window, UINT_PTR id, UINT periodMs)
{
    return SetTimer(window, id, periodMs, NULL);
}

BOOL StopWindowTimer(HWND window, UINT_PTR id)
{
    return KillTimer(window, id);
}

void ReadLocalTime(SYSTEMTIME *now)
{
    GetLocalTime(now);
}
