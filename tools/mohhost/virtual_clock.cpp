#include "virtual_clock.h"

#include <vector>

namespace {

struct ClockTimer {
    HWND window;
    UINT_PTR id;
    UINT period;
    int64_t due;
    uint64_t order;   /* breaks ties between timers due at once: the earlier set fires first */
};

std::vector<ClockTimer> timers;
int64_t now;
uint64_t nextOrder;
FILETIME startTime;   /* the local time when the run began */

ClockTimer *Find(HWND window, UINT_PTR id)
{
    for (ClockTimer &timer : timers)
        if (timer.window == window && timer.id == id)
            return &timer;
    return NULL;
}

UINT_PTR StartClockTimer(HWND window, UINT_PTR id, UINT period)
{
    if (period < USER_TIMER_MINIMUM)
        period = USER_TIMER_MINIMUM;
    ClockTimer *timer = Find(window, id);
    if (!timer) {
        timers.push_back(ClockTimer());
        timer = &timers.back();
    }
    *timer = {window, id, period, now + period, nextOrder++};
    return 1;
}

BOOL StopClockTimer(HWND window, UINT_PTR id)
{
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].window == window && timers[i].id == id) {
            timers.erase(timers.begin() + (long)i);
            return TRUE;
        }
    }
    return FALSE;
}

/* The local time the run began at, moved on by the clock. */
void ClockLocalTime(SYSTEMTIME *time)
{
    ULARGE_INTEGER ticks;   /* 100 ns */
    ticks.LowPart = startTime.dwLowDateTime;
    ticks.HighPart = startTime.dwHighDateTime;
    ticks.QuadPart += (ULONGLONG)now * 10000;
    FILETIME moved = {ticks.LowPart, ticks.HighPart};
    FileTimeToSystemTime(&moved, time);
}

ClockTimer *NextDue(void)
{
    ClockTimer *next = NULL;
    for (ClockTimer &timer : timers)
        if (!next || timer.due < next->due || (timer.due == next->due && timer.order < next->order))
            next = &timer;
    return next;
}

/* Fires one timer as the message loop would dispatch it. Its handler may set or kill timers. */
void Fire(ClockTimer *timer)
{
    now = timer->due;
    timer->due += timer->period;
    ClockTimer fired = *timer;
    if (IsWindow(fired.window))
        SendMessageA(fired.window, WM_TIMER, fired.id, 0);
    else
        StopClockTimer(fired.window, fired.id);
}

}  // namespace

const HostClock *VirtualClock(void)
{
    static const HostClock clock = {StartClockTimer, StopClockTimer, ClockLocalTime};
    SYSTEMTIME local;
    GetLocalTime(&local);
    SystemTimeToFileTime(&local, &startTime);
    return &clock;
}

int64_t ClockNow(void)
{
    return now;
}

double ClockSeconds(void)
{
    return (double)now / 1000.0;
}

bool AdvanceClock(int64_t until, KeepGoing keepGoing)
{
    for (ClockTimer *next = NextDue(); next && next->due <= until; next = NextDue()) {
        if (!keepGoing())
            return false;
        Fire(next);
    }
    if (now < until)
        now = until;
    return true;
}
