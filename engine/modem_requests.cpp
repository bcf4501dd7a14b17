#include "modem_requests.h"

#include "host_link.h"

namespace {

int Request(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD length, DWORD *value)
{
    /* Only reached once CreateMOH has stored the function; the guard keeps a stray call harmless. */
    return ModemRequest ? ModemRequest(op, dataKind, item, buffer, length, value) : 0;
}

int GetValue(DWORD item, DWORD *value)
{
    return Request(MOH_OP_GET, MOH_DATA_DWORD, item, NULL, 0, value);
}

DWORD ValueOf(DWORD item)
{
    DWORD value = 0;
    GetValue(item, &value);
    return value;
}

int SetValue(DWORD item, DWORD value)
{
    return Request(MOH_OP_SET, MOH_DATA_DWORD, item, NULL, 0, &value);
}

}  // namespace

DWORD QueryDiagState(void) { return ValueOf(MOH_ITEM_DIAG_STATE); }
DWORD QueryModulation(void) { return ValueOf(MOH_ITEM_MODULATION); }
DWORD QueryFamily(void) { return ValueOf(MOH_ITEM_FAMILY); }
DWORD QueryQuickConnectState(void) { return ValueOf(MOH_ITEM_QUICK_CONNECT_STATE); }
DWORD QueryMaxHoldTime(void) { return ValueOf(MOH_ITEM_MAX_HOLD_TIME); }
DWORD QueryRemoteResponse(void) { return ValueOf(MOH_ITEM_REMOTE_RESPONSE); }
DWORD QueryDecisionTime(void) { return ValueOf(MOH_ITEM_DECISION_TIME); }
DWORD QueryCidSetting(void) { return ValueOf(MOH_ITEM_CID_SETTING); }

int QueryMohStateResult(DWORD *state)
{
    *state = MOH_STATE_LAST;
    return GetValue(MOH_ITEM_MOH_STATE, state);
}

DWORD QueryMohState(void)
{
    DWORD state;
    QueryMohStateResult(&state);
    return state;
}

DWORD QueryHandsetExclusion(void)
{
    DWORD method = MOH_METHOD_MANUAL;
    GetValue(MOH_ITEM_HANDSET_EXCLUSION, &method);
    return method;
}

int QueryComPort(DWORD *port)
{
    return GetValue(MOH_ITEM_COM_PORT, port);
}

int QueryModemName(char *buffer, DWORD length)
{
    return Request(MOH_OP_GET, MOH_DATA_STRING, MOH_ITEM_MODEM_NAME, buffer, length, NULL);
}

int QueryCallerIdText(char *buffer, DWORD length)
{
    return Request(MOH_OP_GET, MOH_DATA_STRING, MOH_ITEM_CALLER_ID, buffer, length, NULL);
}

int SendEnableMoh(DWORD enable) { return SetValue(MOH_ITEM_ENABLE_MOH, enable); }
int SendCidEnable(DWORD value) { return SetValue(MOH_ITEM_CID_ENABLE, value); }
int SendCallAction(DWORD action) { return SetValue(MOH_ITEM_CALL_ACTION, action); }
int SendQuickConnect(DWORD value) { return SetValue(MOH_ITEM_QUICK_CONNECT, value); }

int RequestModemAction(DWORD action)
{
    return Request(MOH_OP_SET, MOH_DATA_ACTION, action, NULL, 0, NULL);
}

int ModemDeleteConfiguration(DWORD item, DWORD *value)
{
    return Request(MOH_OP_DELETE_CONFIGURATION, MOH_DATA_DWORD, item, NULL, 0, value);
}

int ModemConfigure(DWORD item, DWORD *value)
{
    return Request(MOH_OP_CONFIGURE, MOH_DATA_DWORD, item, NULL, 0, value);
}
