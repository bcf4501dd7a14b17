/* The scenario clock. A scenario runs on a clock of the host's: the library's window timers are
   taken over (its imports of SetTimer and KillTimer point here) and fire as the clock passes
   their due times, so time only moves during "wait" steps, at --speed scenario seconds per real
   second. A run is therefore the same every time, however fast it goes. */
#ifndef VIRTUAL_CLOCK_H
#define VIRTUAL_CLOCK_H

#include <windows.h>

#include <stdint.h>

/* Points module's imports of SetTimer and KillTimer at the clock's own. False when none found. */
bool TakeOverTimers(HMODULE module);

/* Milliseconds since the run began. */
int64_t ClockNow(void);
double ClockSeconds(void);

/* Fires, in order, the timers due no later than until, one at a time, for as long as
   keepGoing() says so; then moves the clock to until. Returns true when the clock got there. */
typedef bool (*KeepGoing)(void);
bool AdvanceClock(int64_t until, KeepGoing keepGoing);

#endif
