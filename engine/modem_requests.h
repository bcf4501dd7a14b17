/* One wrapper per request the library makes of the host. Value reads return the variable the
   host wrote (0 when it wrote nothing), not the request's result; only the modem-on-hold state
   (preset 13) and the handset-exclusion method (preset 0) have a preset the host may leave. */
#ifndef MODEM_REQUESTS_H
#define MODEM_REQUESTS_H

#include <windows.h>

/* Value reads */
DWORD QueryDiagState(void);
DWORD QueryModulation(void);
DWORD QueryFamily(void);
DWORD QueryQuickConnectState(void);
DWORD QueryMaxHoldTime(void);
DWORD QueryRemoteResponse(void);
DWORD QueryMohState(void);
int QueryMohStateResult(DWORD *state);   /* the request's result; *state preset to 13 */
DWORD QueryDecisionTime(void);
DWORD QueryCidSetting(void);
DWORD QueryHandsetExclusion(void);
int QueryComPort(DWORD *port);           /* the request's result */

/* Text reads: the request's result */
int QueryModemName(char *buffer, DWORD length);
int QueryCallerIdText(char *buffer, DWORD length);

/* Writes, actions and the configuration pair: the request's result */
int SendEnableMoh(DWORD enable);
int SendCidEnable(DWORD value);
int SendCallAction(DWORD action);
int SendQuickConnect(DWORD value);
int RequestModemAction(DWORD action);
int ModemDeleteConfiguration(DWORD item, DWORD *value);
int ModemConfigure(DWORD item, DWORD *value);

#endif
