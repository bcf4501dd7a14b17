#include "event_names.h"

#include <stddef.h>

namespace {

const char *const kDiagStates[] = {
    "DIAG_INITIALIZING", "DIAG_IDLE", "DIAG_OFF_HOOK_IDLE", "DIAG_DIALTONE_VALIDATE", "DIAG_DIALING",
    "DIAG_RING_ON", "DIAG_CALL_PROGRESS", "DIAG_V8", "DIAG_V8BIS", "DIAG_TRAINING",
    "DIAG_PHYS_LAYER_CONNECT", "DIAG_PROT_LAYER_CONNECT", "DIAG_REMOTE_INIT_RATE_RENEG",
    "DIAG_LOCAL_INIT_RATE_RENEG", "DIAG_REMOTE_INIT_RTRN", "DIAG_LOCAL_INIT_RTRN", "DIAG_ESCAPE",
    "DIAG_CLEARDOWN", "DIAG_D3", "DIAG_CALL_WAITING_TONE_DETECTED", "DIAG_CALLER_ID_IN_PROGRESS",
    "DIAG_MOH", "DIAG_MOH_RESUMING", "DIAG_MOH_CLEARING_DOWN", "DIAG_PORT_TO_CLOSE",
    "DIAG_MODEM_STATE_LAST",
};

const char *const kMohStates[] = {
    "MOH_STATE_NONE", "MOH_STATE_AS_DETECTED", "MOH_STATE_CALLER_ID_PROCESSING",
    "MOH_STATE_WAIT_FOR_USER_DECISION", "MOH_STATE_WAIT_FOR_CALL_RESUME", "MOH_STATE_REMOTE_REQ_ONHOLD",
    "MOH_STATE_WAIT_FOR_CARRIER_SIGNAL", "MOH_STATE_WAIT_FOR_MODULATION_DISCONNECT",
    "MOH_STATE_NOT_SUPPORTED", "MOH_STATE_WAIT_FOR_REMOTE_RECONNECT", "MOH_STATE_WAIT_FOR_LOCAL_RECONNECT",
    "MOH_STATE_WAIT_FOR_REMOTE_RESUME", "MOH_STATE_OUTGOING_CALL_REQ", "MOH_STATE_LAST",
};

/* Indexed by the response value less the first response, 500. */
const unsigned long kFirstResponse = 500;
const char *const kRemoteResponses[] = {
    "MOH_REMOTE_RESPONSE_ACK", "MOH_REMOTE_RESPONSE_NACK", "MOH_REMOTE_RESPONSE_TIMEDOUT",
    "MOH_REMOTE_RESPONSE_SILENCE", "MOH_REMOTE_RESPONSE_DISCONNECT", "MOH_REMOTE_RESPONSE_NONE",
};

const char *const kFamilies[] = {"FAMILY_TYPE_HSF", "FAMILY_TYPE_HCF", "FAMILY_TYPE_ACF"};

const char *const kMethods[] = {"Manual", "Automatic", "None"};

template <size_t N>
const char *Lookup(const char *const (&table)[N], unsigned long index)
{
    return index < N ? table[index] : NULL;
}

}  // namespace

const char *DiagStateName(unsigned long value)
{
    return Lookup(kDiagStates, value);
}

const char *MohStateName(unsigned long value)
{
    return Lookup(kMohStates, value);
}

const char *RemoteResponseName(unsigned long value)
{
    /* Values below 500 wrap around to huge indexes and so fall outside as well. */
    return Lookup(kRemoteResponses, value - kFirstResponse);
}

const char *FamilyName(unsigned long value)
{
    return Lookup(kFamilies, value);
}

const char *MohMethodName(long value)
{
    return value < 0 ? NULL : Lookup(kMethods, (unsigned long)value);
}
