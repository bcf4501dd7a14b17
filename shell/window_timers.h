/* The library's window timers and its local time. Every timer of the library's windows starts
   and stops here. The shipped library asks the system; the build made for the development host
   asks the clock the host lends it (host_clock.h), so that a scripted run is the same at any
   speed. */
#ifndef WINDOW_TIMERS_H
#define WINDOW_TIMERS_H

#include <windows.h>

/* As SetTimer and KillTimer for a window, without a timer procedure: WM_TIMER reaches window. */
UINT_PTR StartWindowTimer(HWND window, UINT_PTR id, UINT periodMs);
BOOL StopWindowTimer(HWND window, UINT_PTR id);

/* As GetLocalTime: the time the library's records carry. */
void ReadLocalTime(SYSTEMTIME *now);

#endif
