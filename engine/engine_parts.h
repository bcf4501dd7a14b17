/* The engine's routines as its parts call each other: connection tracking, the incoming call,
   the decision and actions, the countdowns and the pending call record. */
#ifndef ENGINE_PARTS_H
#define ENGINE_PARTS_H

#include <windows.h>

#include "engine.h"
#include "moh.h"

/* Connection tracking */
void OnModemConnected(void);
void OnModemIdle(void);
void EnableMoh(int enable);
int ConfigureHandsetExclusion(void);
void OnMohNotSupported(void);
void SyncWithModem(void);

/* Incoming call */
void OnCallWaitingTone(void);
int GetCallerId(void);
void ShowIncomingCall(void);
void StartRing(int kind);

/* Decision, actions and the server's answer */
void OnRemoteResponse(DWORD response);
void OnCallResumeWait(void);
void ShowOnHold(void);
void SetCallAction(DWORD action);
void ForceOnHook(void);
void ForceOffHook(void);

/* Countdowns and the other timers */
extern int decisionLeft;
extern int decisionTimerOn;
extern int holdLeft;
extern int holdTimerOn;
extern int blinkPhase;
extern int ringTicks;
extern int ringKind;

void StartCountdown(int seconds, UINT_PTR timerId);
void ShowCountdown(int seconds);
void SetUpHoldCountdown(void);
void StopCallTimers(void);
void StopDecisionTimer(void);
void StopHoldTimer(void);
void EndHold(int disconnect);

/* The pending call record: one incoming-call log line of the current waiting call. */
enum { CALL_RECORD_SIZE = 256 };
extern char pendingCallRecord[CALL_RECORD_SIZE];

void ExpectNewCall(void);          /* a call-waiting tone: the next identity is a new call's */
void RecordCallerIdentity(void);   /* after each fetch of the identity */
void MarkCallRecord(int outcome);
int CallRecordOutcome(void);       /* -1 when there is no record */
void FlushCallRecord(void);

#endif
