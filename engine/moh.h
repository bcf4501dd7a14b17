/*
 * moh.h - the host interface of moh.dll, the modem-on-hold companion library.
 *
 * A dialer loads moh.dll while the user is on line, calls CreateMOH with its request
 * function, and reports each modem event through AlertMOH on the thread that called
 * CreateMOH. The library asks and orders the modem only through the request function.
 */
/* The exports need the platform's types; the call engine takes only the numbers below. */
#if !defined(MOH_CONSTANTS_ONLY) && !defined(MOH_EXPORTS_DECLARED)
#define MOH_EXPORTS_DECLARED
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The host's request function: op, data kind and item say what is asked or ordered.
   Text items use buffer/bufferLength, value items use value, actions use neither.
   Non-zero is success. */
typedef int (__cdecl *MOH_REQUEST)(DWORD op, DWORD dataKind, DWORD item,
                                   char *buffer, DWORD bufferLength, DWORD *value);

HWND WINAPI CreateMOH(HWND parent, int loopFlag, MOH_REQUEST request);
int  WINAPI ConfigMOH(HWND parent);
void WINAPI AlertMOH(DWORD kind, DWORD **data);   /* *data points to the event's value */

#ifdef __cplusplus
}
#endif
#endif

#ifndef MOH_H
#define MOH_H

/* Request operations */
#define MOH_OP_GET                      0
#define MOH_OP_SET                      1
#define MOH_OP_CONFIGURE                2
#define MOH_OP_DELETE_CONFIGURATION     3

/* Data kinds */
#define MOH_DATA_STRING                 0
#define MOH_DATA_DWORD                  1
#define MOH_DATA_ACTION                 2

/* Items and actions */
#define MOH_ITEM_ENABLE_MOH             0
#define MOH_ITEM_CALL_ACTION            2    /* set, value */
#define MOH_ITEM_MODEM_NAME             2    /* get, text */
#define MOH_ITEM_COM_PORT               3
#define MOH_ACTION_OUTGOING_CALL        7
#define MOH_ITEM_QUICK_CONNECT          8
#define MOH_ITEM_CID_ENABLE             22
#define MOH_ITEM_DIAG_STATE             41
#define MOH_ITEM_MODULATION             65
#define MOH_ITEM_FAMILY                 89
#define MOH_ITEM_QUICK_CONNECT_STATE    95
#define MOH_ITEM_MAX_HOLD_TIME          102
#define MOH_ITEM_REMOTE_RESPONSE        103
#define MOH_ITEM_CALLER_ID              104
#define MOH_ITEM_MOH_STATE              105
#define MOH_ITEM_DECISION_TIME          108
#define MOH_ITEM_CID_SETTING            120
#define MOH_ITEM_HANDSET_EXCLUSION      121
#define MOH_ACTION_OFF_HOOK             10013
#define MOH_ACTION_ON_HOOK              10014

#define MOH_MODULATION_V92              15
#define MOH_CALLER_ID_LENGTH            1024
#define MOH_MODEM_NAME_LENGTH           256

/* Values of MOH_ITEM_CALL_ACTION */
#define CALL_ACTION_ACCEPT              1
#define CALL_ACTION_DISCONNECT          2
#define CALL_ACTION_IGNORE              3
#define CALL_ACTION_RESUME              4

/* Event kinds of AlertMOH */
#define MOH_EVENT_DIAG_STATE            41
#define MOH_EVENT_REMOTE_RESPONSE       103
#define MOH_EVENT_MOH_STATE             105

/* Diagnostic modem states (kind 41, item 41) */
#define DIAG_INITIALIZING               0
#define DIAG_IDLE                       1
#define DIAG_OFF_HOOK_IDLE              2
#define DIAG_DIALTONE_VALIDATE          3
#define DIAG_DIALING                    4
#define DIAG_RING_ON                    5
#define DIAG_CALL_PROGRESS              6
#define DIAG_V8                         7
#define DIAG_V8BIS                      8
#define DIAG_TRAINING                   9
#define DIAG_PHYS_LAYER_CONNECT         10
#define DIAG_PROT_LAYER_CONNECT         11
#define DIAG_REMOTE_INIT_RATE_RENEG     12
#define DIAG_LOCAL_INIT_RATE_RENEG      13
#define DIAG_REMOTE_INIT_RTRN           14
#define DIAG_LOCAL_INIT_RTRN            15
#define DIAG_ESCAPE                     16
#define DIAG_CLEARDOWN                  17
#define DIAG_D3                         18
#define DIAG_CALL_WAITING_TONE_DETECTED 19
#define DIAG_CALLER_ID_IN_PROGRESS      20
#define DIAG_MOH                        21
#define DIAG_MOH_RESUMING               22
#define DIAG_MOH_CLEARING_DOWN          23
#define DIAG_PORT_TO_CLOSE              24
#define DIAG_MODEM_STATE_LAST           25

/* Modem-on-hold states (kind 105, item 105) */
#define MOH_STATE_NONE                          0
#define MOH_STATE_AS_DETECTED                   1
#define MOH_STATE_CALLER_ID_PROCESSING          2
#define MOH_STATE_WAIT_FOR_USER_DECISION        3
#define MOH_STATE_WAIT_FOR_CALL_RESUME          4
#define MOH_STATE_REMOTE_REQ_ONHOLD             5
#define MOH_STATE_WAIT_FOR_CARRIER_SIGNAL       6
#define MOH_STATE_WAIT_FOR_MODULATION_DISCONNECT 7
#define MOH_STATE_NOT_SUPPORTED                 8
#define MOH_STATE_WAIT_FOR_REMOTE_RECONNECT     9
#define MOH_STATE_WAIT_FOR_LOCAL_RECONNECT      10
#define MOH_STATE_WAIT_FOR_REMOTE_RESUME        11
#define MOH_STATE_OUTGOING_CALL_REQ             12
#define MOH_STATE_LAST                          13   /* also "unknown" */

/* Server responses to the on-hold request (kind 103, item 103) */
#define MOH_REMOTE_RESPONSE_ACK         500
#define MOH_REMOTE_RESPONSE_NACK        501
#define MOH_REMOTE_RESPONSE_TIMEDOUT    502
#define MOH_REMOTE_RESPONSE_SILENCE     503
#define MOH_REMOTE_RESPONSE_DISCONNECT  504
#define MOH_REMOTE_RESPONSE_NONE        505
#define MOH_REMOTE_RESPONSE_V90         506  /* never sent by the host */

/* Modem families (item 89) */
#define FAMILY_TYPE_HSF                 0
#define FAMILY_TYPE_HCF                 1
#define FAMILY_TYPE_ACF                 2

/* Handset-exclusion methods (item 121, setting HandsetExclusion) */
#define MOH_METHOD_MANUAL               0
#define MOH_METHOD_AUTOMATIC            1
#define MOH_METHOD_NONE                 2

#endif
