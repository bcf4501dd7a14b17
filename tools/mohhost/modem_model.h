/* The development host's simulated V.92 modem: the values it answers to the library's requests,
   what the library ordered it to do, and the events it has to report next. Free of any platform
   header so that it is tested natively; the Windows side hands the library's requests to
   ModemAnswer and delivers the queued reports through AlertMOH. */
#ifndef MODEM_MODEL_H
#define MODEM_MODEL_H

#include <stdint.h>

#include <deque>
#include <string>

/* The request operations, data kinds, items and event kinds of the host contract (the Windows
   side checks them against moh.h at compile time). */
enum ModemOp { MODEM_OP_GET = 0, MODEM_OP_SET = 1, MODEM_OP_CONFIGURE = 2, MODEM_OP_DELETE = 3 };
enum ModemDataKind { MODEM_DATA_STRING = 0, MODEM_DATA_DWORD = 1, MODEM_DATA_ACTION = 2 };
enum ModemItem {
    ITEM_ENABLE_MOH = 0, ITEM_CALL_ACTION = 2, ITEM_MODEM_NAME = 2, ITEM_COM_PORT = 3,
    ITEM_OUTGOING_CALL = 7, ITEM_QUICK_CONNECT = 8, ITEM_CID_ENABLE = 22, ITEM_DIAG_STATE = 41,
    ITEM_MODULATION = 65, ITEM_FAMILY = 89, ITEM_QUICK_CONNECT_STATE = 95, ITEM_MAX_HOLD_TIME = 102,
    ITEM_REMOTE_RESPONSE = 103, ITEM_CALLER_ID = 104, ITEM_MOH_STATE = 105, ITEM_DECISION_TIME = 108,
    ITEM_CID_SETTING = 120, ITEM_HANDSET_EXCLUSION = 121, ITEM_OFF_HOOK = 10013, ITEM_ON_HOOK = 10014,
};
enum ModemEventKind { EVENT_DIAG_STATE = 41, EVENT_REMOTE_RESPONSE = 103, EVENT_MOH_STATE = 105 };
enum ModemCallAction { ACTION_ACCEPT = 1, ACTION_DISCONNECT = 2, ACTION_IGNORE = 3, ACTION_RESUME = 4 };

/* The few values of the contract the model itself acts on. */
enum {
    DIAG_VALUE_IDLE = 1, DIAG_VALUE_CONNECTED = 11, DIAG_VALUE_TONE = 19, DIAG_VALUE_CALLER_ID = 20,
    DIAG_VALUE_ON_HOLD = 21,
    STATE_VALUE_NONE = 0, STATE_VALUE_TONE = 1, STATE_VALUE_CALLER_ID = 2, STATE_VALUE_DECISION = 3,
    STATE_VALUE_ON_HOLD = 4, STATE_VALUE_OUTGOING = 12, STATE_VALUE_UNKNOWN = 13,
    RESPONSE_VALUE_ACK = 500, RESPONSE_VALUE_NONE = 505,
    MODULATION_V92 = 15, MODULATION_V90 = 14,
};

enum LineState { LINE_IDLE, LINE_CONNECTED, LINE_ON_HOLD };
enum HookState { HOOK_NONE, HOOK_ON, HOOK_OFF };

struct ModemEvent {
    uint32_t kind;
    uint32_t value;
};

struct ModemModel {
    /* Answers to the library's reads. */
    uint32_t diag = DIAG_VALUE_IDLE;
    uint32_t mohState = STATE_VALUE_UNKNOWN;   /* no modem-on-hold state while idle */
    uint32_t modulation = MODULATION_V92;
    uint32_t family = 0;                /* HSF */
    int32_t decisionTime = 30;          /* seconds */
    int32_t maxHoldTime = 60;           /* seconds, -1 for no limit */
    uint32_t lastResponse = RESPONSE_VALUE_NONE;
    uint32_t port = 3;
    uint32_t quickConnectState = 0;
    uint32_t cidSetting = 1;
    uint32_t handsetExclusion = 1;      /* Automatic */
    std::string modemName = "Simulated V.92 modem";
    std::string callerIdText;
    uint32_t refuseAll = 0;             /* 1: every request fails, as with a host that fails them all */

    /* What the library ordered. */
    LineState line = LINE_IDLE;
    HookState hook = HOOK_NONE;
    uint32_t mohEnabled = 0;
    uint32_t cidEnabled = 0;
    uint32_t quickConnect = 0;
    uint32_t configuredMethod = 0;

    /* Events the modem reports next, oldest first. */
    std::deque<ModemEvent> reports;
};

/* Answers one request of the library and reacts to its orders as a modem would: accepting puts
   the line on hold and reports state 4, resuming reports the connection (DIAG 11), disconnecting
   reports idle, ignoring reports state 0, the outgoing-call action puts the line on hold. Text
   answers are cut to bufferLength - 1 bytes and terminated. Returns 1, or 0 for a request the
   modem does not know or refuses (a value read is then left alone). */
int ModemAnswer(ModemModel *modem, uint32_t op, uint32_t dataKind, uint32_t item, char *buffer,
                uint32_t bufferLength, uint32_t *value);

/* What the modem reports when the line or the waiting call changes; each also updates the values
   the library reads. */
void ModemConnect(ModemModel *modem, uint32_t modulation, uint32_t family);
void ModemGoIdle(ModemModel *modem);
void ModemCallWaitingTone(ModemModel *modem);
/* "-" or an empty text leaves that line out of the caller-identity text. */
void ModemCallerId(ModemModel *modem, const std::string &number, const std::string &name);
void ModemRemoteResponse(ModemModel *modem, uint32_t response);
void ModemReportState(ModemModel *modem, uint32_t state);
void ModemReportDiag(ModemModel *modem, uint32_t diag);
/* The report a scenario step asks of the modem (connect, idle, tone, caller, response, state or
   diag); false for any other step. */
struct ScenarioStep;
bool ModemReportStep(ModemModel *modem, const ScenarioStep &step);

/* Sets one of the values the modem answers, by its scenario name (see kModemFields): diag,
   state, response, modulation, family, decision-time, hold-time, port, name (text),
   quick-connect, cid-setting, handset-exclusion. False for an unknown field. */
bool SetModemField(ModemModel *modem, const std::string &field, int64_t value, const std::string &text);

/* One request as text: "get 89", "set 2=1", "configure 22=1", "delete 22=1", "action 7"; value
   is what the library passed in (null when it passed none). */
std::string FormatRequest(uint32_t op, uint32_t dataKind, uint32_t item, const uint32_t *value);

const char *LineStateName(LineState line);   /* "idle", "connected", "on-hold" */
const char *HookStateName(HookState hook);   /* "none", "on", "off" */

#endif
