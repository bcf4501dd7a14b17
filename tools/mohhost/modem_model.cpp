#include "modem_model.h"

#include <stdio.h>
#include <string.h>

#include "scenario.h"

namespace {

void Report(ModemModel *modem, uint32_t kind, uint32_t value)
{
    modem->reports.push_back({kind, value});
}

void PutOnHold(ModemModel *modem)
{
    modem->line = LINE_ON_HOLD;
    modem->diag = DIAG_VALUE_ON_HOLD;
    modem->mohState = STATE_VALUE_ON_HOLD;
    Report(modem, EVENT_MOH_STATE, STATE_VALUE_ON_HOLD);
}

void CarryOutCallAction(ModemModel *modem, uint32_t action)
{
    switch (action) {
    case ACTION_ACCEPT:
        PutOnHold(modem);
        break;
    case ACTION_RESUME:
        modem->mohState = STATE_VALUE_NONE;
        ModemConnect(modem, modem->modulation, modem->family);
        break;
    case ACTION_DISCONNECT:
        ModemGoIdle(modem);
        break;
    case ACTION_IGNORE:
        ModemReportState(modem, STATE_VALUE_NONE);
        break;
    default:
        break;
    }
}

int AnswerValue(const ModemModel *modem, uint32_t item, uint32_t *value)
{
    switch (item) {
    case ITEM_DIAG_STATE: *value = modem->diag; return 1;
    case ITEM_MOH_STATE: *value = modem->mohState; return 1;
    case ITEM_MODULATION: *value = modem->modulation; return 1;
    case ITEM_FAMILY: *value = modem->family; return 1;
    case ITEM_DECISION_TIME: *value = (uint32_t)modem->decisionTime; return 1;
    case ITEM_MAX_HOLD_TIME: *value = (uint32_t)modem->maxHoldTime; return 1;
    case ITEM_REMOTE_RESPONSE: *value = modem->lastResponse; return 1;
    case ITEM_COM_PORT: *value = modem->port; return 1;
    case ITEM_QUICK_CONNECT_STATE: *value = modem->quickConnectState; return 1;
    case ITEM_CID_SETTING: *value = modem->cidSetting; return 1;
    case ITEM_HANDSET_EXCLUSION: *value = modem->handsetExclusion; return 1;
    default: return 0;
    }
}

int AnswerText(const ModemModel *modem, uint32_t item, char *buffer, uint32_t bufferLength)
{
    const std::string *text = item == ITEM_CALLER_ID ? &modem->callerIdText
                            : item == ITEM_MODEM_NAME ? &modem->modemName : nullptr;
    if (!text || !buffer || bufferLength == 0)
        return 0;
    size_t length = text->size() < bufferLength - 1 ? text->size() : bufferLength - 1;
    memcpy(buffer, text->data(), length);
    buffer[length] = '\0';
    return 1;
}

int TakeValue(ModemModel *modem, uint32_t item, uint32_t value)
{
    switch (item) {
    case ITEM_ENABLE_MOH: modem->mohEnabled = value; return 1;
    case ITEM_CID_ENABLE: modem->cidEnabled = value; return 1;
    case ITEM_QUICK_CONNECT: modem->quickConnect = value; return 1;
    case ITEM_CALL_ACTION: CarryOutCallAction(modem, value); return 1;
    default: return 0;
    }
}

int TakeAction(ModemModel *modem, uint32_t item)
{
    switch (item) {
    case ITEM_OUTGOING_CALL:
        ModemReportState(modem, STATE_VALUE_OUTGOING);
        PutOnHold(modem);
        return 1;
    case ITEM_OFF_HOOK: modem->hook = HOOK_OFF; return 1;
    case ITEM_ON_HOOK: modem->hook = HOOK_ON; return 1;
    default: return 0;
    }
}

}  // namespace

int ModemAnswer(ModemModel *modem, uint32_t op, uint32_t dataKind, uint32_t item, char *buffer,
                uint32_t bufferLength, uint32_t *value)
{
    if (modem->refuseAll)
        return 0;
    if (dataKind == MODEM_DATA_ACTION)
        return op == MODEM_OP_SET ? TakeAction(modem, item) : 0;
    if (dataKind == MODEM_DATA_STRING)
        return op == MODEM_OP_GET ? AnswerText(modem, item, buffer, bufferLength) : 0;
    if (dataKind != MODEM_DATA_DWORD || !value)
        return 0;
    switch (op) {
    case MODEM_OP_GET:
        return AnswerValue(modem, item, value);
    case MODEM_OP_SET:
        return TakeValue(modem, item, *value);
    case MODEM_OP_CONFIGURE:
    case MODEM_OP_DELETE:
        /* Only the handset-exclusion method is configured. */
        if (item != ITEM_CID_ENABLE)
            return 0;
        modem->configuredMethod = op == MODEM_OP_CONFIGURE ? *value : 0;
        return 1;
    default:
        return 0;
    }
}

void ModemConnect(ModemModel *modem, uint32_t modulation, uint32_t family)
{
    modem->modulation = modulation;
    modem->family = family;
    modem->line = LINE_CONNECTED;
    /* A state set beforehand (such as "not supported") stays; after idle there is none yet. */
    if (modem->mohState == STATE_VALUE_UNKNOWN)
        modem->mohState = STATE_VALUE_NONE;
    ModemReportDiag(modem, DIAG_VALUE_CONNECTED);
}

void ModemGoIdle(ModemModel *modem)
{
    modem->line = LINE_IDLE;
    modem->mohState = STATE_VALUE_UNKNOWN;
    ModemReportDiag(modem, DIAG_VALUE_IDLE);
}

/* The tone, the identity and the server's answer change the state the library polls each second,
   without an event of their own: the modem reports them as DIAG values and a response. */
void ModemCallWaitingTone(ModemModel *modem)
{
    modem->mohState = STATE_VALUE_TONE;
    Report(modem, EVENT_DIAG_STATE, DIAG_VALUE_TONE);
}

void ModemCallerId(ModemModel *modem, const std::string &number, const std::string &name)
{
    modem->callerIdText.clear();
    if (!number.empty() && number != "-")
        modem->callerIdText += "NMBR = " + number + "\r\n";
    if (!name.empty() && name != "-")
        modem->callerIdText += "NAME = " + name + "\r\n";
    modem->mohState = STATE_VALUE_CALLER_ID;
    Report(modem, EVENT_DIAG_STATE, DIAG_VALUE_CALLER_ID);
}

void ModemRemoteResponse(ModemModel *modem, uint32_t response)
{
    modem->lastResponse = response;
    modem->mohState = response == RESPONSE_VALUE_ACK ? STATE_VALUE_DECISION : STATE_VALUE_NONE;
    Report(modem, EVENT_REMOTE_RESPONSE, response);
}

void ModemReportState(ModemModel *modem, uint32_t state)
{
    modem->mohState = state;
    Report(modem, EVENT_MOH_STATE, state);
}

void ModemReportDiag(ModemModel *modem, uint32_t diag)
{
    modem->diag = diag;
    Report(modem, EVENT_DIAG_STATE, diag);
}

bool SetModemField(ModemModel *modem, const std::string &field, int64_t value, const std::string &text)
{
    struct Field {
        const char *name;
        uint32_t ModemModel::*member;
    };
    static const Field kFields[] = {
        {"diag", &ModemModel::diag}, {"state", &ModemModel::mohState}, {"response", &ModemModel::lastResponse},
        {"modulation", &ModemModel::modulation}, {"family", &ModemModel::family}, {"port", &ModemModel::port},
        {"quick-connect", &ModemModel::quickConnectState}, {"cid-setting", &ModemModel::cidSetting},
        {"handset-exclusion", &ModemModel::handsetExclusion}, {"refuse-all", &ModemModel::refuseAll},
    };
    if (field == "name") {
        modem->modemName = text;
        return true;
    }
    if (field == "decision-time" || field == "hold-time") {
        (field == "decision-time" ? modem->decisionTime : modem->maxHoldTime) = (int32_t)value;
        return true;
    }
    for (const Field &known : kFields) {
        if (field == known.name) {
            modem->*known.member = (uint32_t)value;
            return true;
        }
    }
    return false;
}

std::string FormatRequest(uint32_t op, uint32_t dataKind, uint32_t item, const uint32_t *value)
{
    static const char *const kOps[] = {"get", "set", "configure", "delete"};
    char text[64];
    if (dataKind == MODEM_DATA_ACTION)
        snprintf(text, sizeof text, "action %lu", (unsigned long)item);
    else if (op >= 4)
        snprintf(text, sizeof text, "op%lu %lu", (unsigned long)op, (unsigned long)item);
    else if (op == MODEM_OP_GET || !value)
        snprintf(text, sizeof text, "%s %lu", kOps[op], (unsigned long)item);
    else
        snprintf(text, sizeof text, "%s %lu=%lu", kOps[op], (unsigned long)item, (unsigned long)*value);
    return text;
}

const char *LineStateName(LineState line)
{
    return line == LINE_IDLE ? "idle" : line == LINE_CONNECTED ? "connected" : "on-hold";
}

const char *HookStateName(HookState hook)
{
    return hook == HOOK_NONE ? "none" : hook == HOOK_ON ? "on" : "off";
}

bool ModemReportStep(ModemModel *modem, const ScenarioStep &step)
{
    switch (step.kind) {
    case STEP_CONNECT: ModemConnect(modem, (uint32_t)step.value, (uint32_t)step.value2); return true;
    case STEP_IDLE: ModemGoIdle(modem); return true;
    case STEP_TONE: ModemCallWaitingTone(modem); return true;
    case STEP_CALLER: ModemCallerId(modem, step.text, step.text2); return true;
    case STEP_RESPONSE: ModemRemoteResponse(modem, (uint32_t)step.value); return true;
    case STEP_STATE: ModemReportState(modem, (uint32_t)step.value); return true;
    case STEP_DIAG: ModemReportDiag(modem, (uint32_t)step.value); return true;
    default: return false;
    }
}
