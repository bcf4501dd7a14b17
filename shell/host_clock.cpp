/* The development host's build of the library: its timers and local time run on the clock the
   host lends it, and on the system's until the host does. */
#include "host_clock.h"

#include "window_timers.h"

namespace {

const HostClock *hostClock;

}  // namespace

extern "C" void WINAPI UseHostClock(const HostClock *clock)
{
    hostClock = clock;
}

UINT_PTR StartWindowTimer(HWND window, UINT_PTR id, UINT periodMs)
{
    return hostClock ? hostClock->startTimer(window, id, periodMs) : SetTimer(window, id, periodMs, NULL);
}

BOOL StopWindowTimer(HWND window, UINT_PTR id)
{
    return hostClock ? hostClock->stopTimer(window, id) : KillTimer(window, id);
}

void ReadLocalTime(SYSTEMTIME *now)
{
    if (hostClock)
        hostClock->localTime(now);
    else
        GetLocalTime(now);
}
