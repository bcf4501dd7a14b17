/* One wrapper per request the engine makes of the host. Value reads return the variable the
   host wrote (0 when it wrote nothing), not the request's result; only the modem-on-hold state
   (preset 13) and the handset-exclusion method (preset 0) have a preset the host may leave. */
#ifndef ENGINE_REQUESTS_H
#define ENGINE_REQUESTS_H

#include <stdint.h>

#include "engine_ports.h"

/* Value reads */
uint32_t QueryDiagState(ModemPort &modem);
uint32_t QueryModulation(ModemPort &modem);
uint32_t QueryFamily(ModemPort &modem);
uint32_t QueryMaxHoldTime(ModemPort &modem);
uint32_t QueryRemoteResponse(ModemPort &modem);
uint32_t QueryMohState(ModemPort &modem);
int QueryMohStateResult(ModemPort &modem, uint32_t *state);   /* the request's result; *state preset to 13 */
uint32_t QueryDecisionTime(ModemPort &modem);
uint32_t QueryCidSetting(ModemPort &modem);
uint32_t QueryHandsetExclusion(ModemPort &modem);

/* Text read: the request's result */
int QueryCallerIdText(ModemPort &modem, char *buffer, uint32_t length);

/* Writes, actions and the configuration pair: the request's result */
int SendEnableMoh(ModemPort &modem, uint32_t enable);
int SendCidEnable(ModemPort &modem, uint32_t value);
int SendCallAction(ModemPort &modem, uint32_t action);
int RequestModemAction(ModemPort &modem, uint32_t action);
int ModemDeleteConfiguration(ModemPort &modem, uint32_t item, uint32_t *value);
int ModemConfigure(ModemPort &modem, uint32_t item, uint32_t *value);

#endif
