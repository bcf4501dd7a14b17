/* The modem-on-hold engine as the rest of the library sees it: its state, its start routine,
   its timer handler and the five call commands. */
#ifndef ENGINE_H
#define ENGINE_H

#include <windows.h>

enum CallPhase { PHASE_NONE = 0, PHASE_DECISION = 1, PHASE_ON_HOLD = 2 };

/* Engine state shared by the engine's parts and read by the status display. */
extern int callPhase;
extern int mohUnavailable;
extern int outgoingCall;
extern int responseSeen;
extern int retrainSeen;
extern int protConnectSeen;
extern int mohMethod;
extern char callerName[256];
extern char callerNumber[64];
extern int minimizeAfterCall;

/* Main window timers */
enum EngineTimer {
    TIMER_POLL = 1, TIMER_RING = 2, TIMER_DECISION = 3, TIMER_HOLD = 4, TIMER_STATUS_TEXT = 5,
    TIMER_BLINK = 6, TIMER_DELAYED_HOLD = 8
};

void EngineStart(void);
void OnTimer(HWND window, UINT_PTR timerId);

void AcceptCall(void);
void IgnoreCall(void);
void DisconnectCall(void);
int RequestOutgoingCall(void);
void ReconnectCall(void);
void StopRing(void);

#endif
