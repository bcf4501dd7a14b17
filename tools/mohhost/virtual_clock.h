/* The scenario clock. A scenario runs on a clock of the host's, lent to the library built for the
   host: its window timers fire as the clock passes their due times and its local time moves with
   the clock, so time only moves during "wait" steps, at --speed scenario seconds per real
   second. A run is therefore the same every time, however fast it goes. */
#ifndef VIRTUAL_CLOCK_H
#define VIRTUAL_CLOCK_H

#include <windows.h>

#include <stdint.h>

#include "host_clock.h"

/* The clock to lend the library, its local time starting from now. */
const HostClock *VirtualClock(void);

/* Milliseconds since the run began. */
int64_t ClockNow(void);
double ClockSeconds(void);

/* Fires, in order, the timers due no later than until, one at a time, for as long as
   keepGoing() says so; then moves the clock to until. Returns true when the clock got there. */
typedef bool (*KeepGoing)(void);
bool AdvanceClock(int64_t until, KeepGoing keepGoing);

#endif
