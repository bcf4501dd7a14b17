/* The engine of a waiting call: it follows the data connection, a call-waiting tone, the
   caller's identity and the server's answer, runs the decision and hold countdowns, carries out
   the five call commands and keeps the pending call record. Events from the host, the user's
   commands, timer ticks and the start come in; everything it does goes out through its ports. */
#ifndef CALL_ENGINE_H
#define CALL_ENGINE_H

#include <stdarg.h>
#include <stdint.h>

#include "call_log_record.h"
#include "engine_ports.h"

enum CallPhase { PHASE_NONE = 0, PHASE_DECISION = 1, PHASE_ON_HOLD = 2 };

/* The main window's timers; 5 is the window's own (the toolbar's status text). */
enum EngineTimer {
    TIMER_POLL = 1, TIMER_RING = 2, TIMER_DECISION = 3, TIMER_HOLD = 4, TIMER_STATUS_TEXT = 5,
    TIMER_BLINK = 6, TIMER_DELAYED_HOLD = 8
};

enum { CALL_RECORD_SIZE = 256, CALLER_NAME_SIZE = 256, CALLER_NUMBER_SIZE = 64 };

class CallEngine {
public:
    explicit CallEngine(const EnginePorts &ports);

    /* Inputs */
    void Start();                                   /* the window is up: sync with the modem */
    void OnHostEvent(uint32_t kind, uint32_t value);
    /* Accept, Ignore, Disconnect, Call and Reconnect; false for any other command. */
    bool OnCommand(int command);
    void OnTimer(int timerId);
    void StopRing();                                /* the window is closing */

    /* What the window shows and asks */
    int Phase() const { return callPhase; }
    int OutgoingCall() const { return outgoingCall; }
    int AnimationFrame() const { return animationFrame; }
    int DecisionLeft() const { return decisionLeft; }
    int HoldLeft() const { return holdLeft; }
    bool DecisionTimerOn() const { return decisionTimerOn != 0; }
    bool HoldTimerOn() const { return holdTimerOn != 0; }
    bool DelayedHoldPending() const { return delayedHoldPending != 0; }
    const char *PendingCallRecord() const { return pendingCallRecord; }

private:
    EnginePorts io;

    int callPhase = PHASE_NONE;
    int mohUnavailable = 0;
    int outgoingCall = 0;
    int responseSeen = 0;
    int retrainSeen = 0;
    int protConnectSeen = 0;
    int mohMethod = 0;
    int minimizeAfterCall = 0;
    char callerName[CALLER_NAME_SIZE] = "";
    char callerNumber[CALLER_NUMBER_SIZE] = "";

    int decisionLeft = 0;
    int decisionTimerOn = 0;
    int holdLeft = -1;
    int holdTimerOn = 0;
    int delayedHoldPending = 0;
    int blinkPhase = 0;
    int ringTicks = 0;
    int ringKind = 0;
    int animationFrame = 0;

    char pendingCallRecord[CALL_RECORD_SIZE] = "";
    int newCallExpected = 0;   /* set by a call-waiting tone: the next identity is a new call's */
    CallTime recordTime = {};

    /* Trace */
    void TraceWindow(const char *format, ...) __attribute__((format(printf, 2, 3)));
    void TraceFile(const char *format, ...) __attribute__((format(printf, 2, 3)));
    void TraceTo(void (TracePort::*channel)(const char *), const char *format, va_list args);
    void TraceNameOrNumber(const char *format, const char *name, uint32_t value);

    /* Window helpers */
    void GreyCommand(int command);
    void EnableCommand(int command);
    void SetCallCommands(int accept, int ignore, int reconnect, int disconnect);
    void GreyCallCommandIfOurs();
    void ShowCaller(const char *name, const char *number);
    void PlaySoundSetting(SettingKey key, size_t size);
    uint32_t PollMohState();

    /* Host events */
    void OnDiagState(uint32_t value);
    void OnMohStateEvent(uint32_t value);
    void OnCallerIdInProgress();
    void OnModemOnHold();
    int FetchIdentityEarly();

    /* Connection */
    void OnModemConnected();
    void OnModemIdle();
    void EnableMoh(int enable);
    int ConfigureHandsetExclusion();
    void OnMohNotSupported();
    void SyncWithModem();
    void GiveBackForeground();
    void ClearCaller();
    void ShowNoCaller();
    void MarkLinkHoldable();
    void DecideIfLinkCanBeHeld(uint32_t family, uint32_t stateAtConnect);
    void ArrangeConnectedCommands();
    void ChooseHandsetExclusion();

    /* Incoming call */
    void OnCallWaitingTone();
    int GetCallerId();
    void ShowIncomingCall();
    void StartRing(int kind);
    void PutString(int id, char *field, size_t size);
    void ReplaceMarker(char *field, size_t size);
    void ReplaceMarkers();
    void TraceCaller();

    /* Decision and the five commands */
    void OnRemoteResponse(uint32_t response);
    void OnCallResumeWait();
    void ShowOnHold();
    void AcceptCall();
    void IgnoreCall();
    void DisconnectCall();
    int RequestOutgoingCall();
    void ReconnectCall();
    void SetCallAction(uint32_t action);
    void ForceOnHook();
    void ForceOffHook();
    void AskForHandsetDown();
    void AskForHandsetUp();
    void OfferNoHold();
    int ClassifyResponse(uint32_t response, int acceptV90);
    void OpenDecision(uint32_t response);
    void MarkIfIncoming(int outcome);

    /* Countdowns and the other timers */
    void StartCountdown(int seconds, int timerId);
    void ShowCountdown(int seconds);
    void SetUpHoldCountdown();
    void StartHoldCountdownFromServer();
    void CancelDelayedHold();
    void StopCallTimers();
    void StopDecisionTimer();
    void StopHoldTimer();
    void EndHold(int disconnect);
    void PollTick();
    void RingTick();
    void DecisionTick();
    void HoldTick();
    void BlinkTick();
    void DelayedHoldStart();

    /* The pending call record */
    void ExpectNewCall();
    void RecordCallerIdentity();
    void MarkCallRecord(int outcome);
    int CallRecordOutcome() const;
    void FlushCallRecord();
    int StartsNewCall() const;
};

#endif
