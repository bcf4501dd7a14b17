/* The clock a development host lends the library built for it ("mohdev.dll"): the library's
   window timers fire when the host's clock passes their due time, and its local time is the
   host's. The shipped library has no such entry. */
#ifndef HOST_CLOCK_H
#define HOST_CLOCK_H

#include <windows.h>

struct HostClock {
    UINT_PTR (*startTimer)(HWND window, UINT_PTR id, UINT periodMs);
    BOOL (*stopTimer)(HWND window, UINT_PTR id);
    void (*localTime)(SYSTEMTIME *now);
};

/* The host build's fourth export. The clock must outlive the library; NULL gives the system's
   clock back. */
typedef void(WINAPI *UseHostClockFn)(const HostClock *clock);
extern "C" void WINAPI UseHostClock(const HostClock *clock);

#endif
