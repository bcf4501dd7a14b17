/* Starting with Windows: the host program's entry under the current user's Run key. */
#ifndef RUN_AT_LOGON_H
#define RUN_AT_LOGON_H

#define RUN_AT_LOGON_VALUE "RaredEdAdiv"

/* Stores the running program's path under valueName when enabled, removes it otherwise. */
void RegisterRunAtLogon(const char *valueName, int enabled);

#endif
