/* The host's heartbeat and message loops. A hidden window of the host's own gets a real timer
   every 10 ms; each beat delivers one pending modem report through AlertMOH or, when none waits,
   gives the scenario (or nothing) its turn. Because the beat is a window timer of the thread that
   created the status window, it is served by whichever loop runs: the library's own loop inside
   CreateMOH, or the host's loop. Timer messages come only when no posted message waits, so the
   commands the library posts to itself always run before the next beat. */
#ifndef HOST_DRIVER_H
#define HOST_DRIVER_H

#include <windows.h>

typedef void (*BeatHandler)(void);

void StartHostDriver(BeatHandler onBeat);
void StopHostDriver(void);

/* The library's status window once it exists (NULL before and after). */
HWND StatusWindow(void);

/* Creates the status window and serves it until the run ends: with ownLoop CreateMOH runs its
   loop until the window is gone; otherwise the host's loop runs until EndRun. extraDialog (the
   control panel) gets its keyboard handling in the host's loop. False when no window came up. */
bool RunLibrary(bool ownLoop, HWND extraDialog);

/* Destroys the status window, which ends the library's loop, and ends the host's loop. */
void EndRun(void);

#endif
