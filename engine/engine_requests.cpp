#include "engine_requests.h"

#include "host_codes.h"

namespace {

int GetValue(ModemPort &modem, uint32_t item, uint32_t *value)
{
    return modem.Request(MOH_OP_GET, MOH_DATA_DWORD, item, nullptr, 0, value);
}

uint32_t ValueOf(ModemPort &modem, uint32_t item)
{
    uint32_t value = 0;
    GetValue(modem, item, &value);
    return value;
}

int SetValue(ModemPort &modem, uint32_t item, uint32_t value)
{
    return modem.Request(MOH_OP_SET, MOH_DATA_DWORD, item, nullptr, 0, &value);
}

}  // namespace

uint32_t QueryDiagState(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_DIAG_STATE); }
uint32_t QueryModulation(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_MODULATION); }
uint32_t QueryFamily(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_FAMILY); }
uint32_t QueryMaxHoldTime(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_MAX_HOLD_TIME); }
uint32_t QueryRemoteResponse(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_REMOTE_RESPONSE); }
uint32_t QueryDecisionTime(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_DECISION_TIME); }
uint32_t QueryCidSetting(ModemPort &modem) { return ValueOf(modem, MOH_ITEM_CID_SETTING); }

int QueryMohStateResult(ModemPort &modem, uint32_t *state)
{
    *state = MOH_STATE_LAST;
    return GetValue(modem, MOH_ITEM_MOH_STATE, state);
}

uint32_t QueryMohState(ModemPort &modem)
{
    uint32_t state;
    QueryMohStateResult(modem, &state);
    return state;
}

uint32_t QueryHandsetExclusion(ModemPort &modem)
{
    uint32_t method = MOH_METHOD_MANUAL;
    GetValue(modem, MOH_ITEM_HANDSET_EXCLUSION, &method);
    return method;
}

int QueryCallerIdText(ModemPort &modem, char *buffer, uint32_t length)
{
    return modem.Request(MOH_OP_GET, MOH_DATA_STRING, MOH_ITEM_CALLER_ID, buffer, length, nullptr);
}

int SendEnableMoh(ModemPort &modem, uint32_t enable) { return SetValue(modem, MOH_ITEM_ENABLE_MOH, enable); }
int SendCidEnable(ModemPort &modem, uint32_t value) { return SetValue(modem, MOH_ITEM_CID_ENABLE, value); }
int SendCallAction(ModemPort &modem, uint32_t action) { return SetValue(modem, MOH_ITEM_CALL_ACTION, action); }

int RequestModemAction(ModemPort &modem, uint32_t action)
{
    return modem.Request(MOH_OP_SET, MOH_DATA_ACTION, action, nullptr, 0, nullptr);
}

int ModemDeleteConfiguration(ModemPort &modem, uint32_t item, uint32_t *value)
{
    return modem.Request(MOH_OP_DELETE_CONFIGURATION, MOH_DATA_DWORD, item, nullptr, 0, value);
}

int ModemConfigure(ModemPort &modem, uint32_t item, uint32_t *value)
{
    return modem.Request(MOH_OP_CONFIGURE, MOH_DATA_DWORD, item, nullptr, 0, value);
}
