#include "library_link.h"

#include <stdio.h>
#include <stdlib.h>

#include "event_names.h"
#include "host_log.h"
#include "moh.h"

/* The modem model keeps its own copy of the contract's numbers, free of windows.h. */
static_assert(MODEM_OP_CONFIGURE == MOH_OP_CONFIGURE && MODEM_OP_DELETE == MOH_OP_DELETE_CONFIGURATION, "ops");
static_assert(MODEM_DATA_STRING == MOH_DATA_STRING && MODEM_DATA_ACTION == MOH_DATA_ACTION, "data kinds");
static_assert(ITEM_CALL_ACTION == MOH_ITEM_CALL_ACTION && ITEM_OUTGOING_CALL == MOH_ACTION_OUTGOING_CALL &&
              ITEM_CID_ENABLE == MOH_ITEM_CID_ENABLE && ITEM_MAX_HOLD_TIME == MOH_ITEM_MAX_HOLD_TIME &&
              ITEM_CALLER_ID == MOH_ITEM_CALLER_ID && ITEM_HANDSET_EXCLUSION == MOH_ITEM_HANDSET_EXCLUSION &&
              ITEM_OFF_HOOK == MOH_ACTION_OFF_HOOK && ITEM_ON_HOOK == MOH_ACTION_ON_HOOK &&
              ITEM_QUICK_CONNECT_STATE == MOH_ITEM_QUICK_CONNECT_STATE && ITEM_CID_SETTING == MOH_ITEM_CID_SETTING,
              "items");
static_assert(EVENT_DIAG_STATE == MOH_EVENT_DIAG_STATE && EVENT_REMOTE_RESPONSE == MOH_EVENT_REMOTE_RESPONSE &&
              EVENT_MOH_STATE == MOH_EVENT_MOH_STATE, "event kinds");
static_assert(ACTION_ACCEPT == CALL_ACTION_ACCEPT && ACTION_RESUME == CALL_ACTION_RESUME &&
              ACTION_IGNORE == CALL_ACTION_IGNORE && ACTION_DISCONNECT == CALL_ACTION_DISCONNECT, "actions");
static_assert(MODULATION_V92 == MOH_MODULATION_V92 && STATE_VALUE_ON_HOLD == MOH_STATE_WAIT_FOR_CALL_RESUME &&
              DIAG_VALUE_TONE == DIAG_CALL_WAITING_TONE_DETECTED && RESPONSE_VALUE_ACK == MOH_REMOTE_RESPONSE_ACK,
              "values");

ModemModel modem;
std::vector<RecordedRequest> requests;

namespace {

typedef HWND(WINAPI *CreateFn)(HWND, int, MOH_REQUEST);
typedef int(WINAPI *ConfigFn)(HWND);
typedef void(WINAPI *AlertFn)(DWORD, DWORD **);

HMODULE library;
CreateFn createMoh;
ConfigFn configMoh;
AlertFn alertMoh;
DWORD uiThread;

/* A text answer for the log, its line ends shown as \r and \n. */
std::string Escaped(const char *text)
{
    std::string escaped;
    for (; *text && escaped.size() < 200; ++text)
        escaped += *text == '\r' ? "\\r" : *text == '\n' ? "\\n" : std::string(1, *text);
    return escaped;
}

void LogRequest(const RecordedRequest &request, int result, const char *buffer, const DWORD *value)
{
    const char *failed = result ? "" : " (failed)";
    if (request.op == MOH_OP_GET && request.dataKind == MOH_DATA_DWORD && value)
        HostLog("request %s -> %ld%s", request.text.c_str(), (long)*value, failed);
    else if (request.op == MOH_OP_GET && request.dataKind == MOH_DATA_STRING && buffer)
        HostLog("request %s -> \"%s\"%s", request.text.c_str(), Escaped(buffer).c_str(), failed);
    else
        HostLog("request %s%s", request.text.c_str(), failed);
}

int __cdecl HostRequest(DWORD op, DWORD dataKind, DWORD item, char *buffer, DWORD bufferLength, DWORD *value)
{
    uint32_t in = value ? (uint32_t)*value : 0;
    RecordedRequest request = {op, dataKind, item, value != NULL, (DWORD)in,
                               FormatRequest(op, dataKind, item, value ? &in : nullptr)};
    requests.push_back(request);
    uint32_t answer = in;
    int result = ModemAnswer(&modem, op, dataKind, item, buffer, bufferLength, value ? &answer : nullptr);
    if (value)
        *value = answer;
    LogRequest(request, result, buffer, value);
    return result;
}

std::string EventText(DWORD kind, DWORD value)
{
    const char *name = kind == MOH_EVENT_DIAG_STATE ? DiagStateName(value)
                     : kind == MOH_EVENT_MOH_STATE ? MohStateName(value)
                     : kind == MOH_EVENT_REMOTE_RESPONSE ? RemoteResponseName(value) : NULL;
    char text[128];
    snprintf(text, sizeof text, "event %lu %lu %s", (unsigned long)kind, (unsigned long)value, name ? name : "");
    return text;
}

}  // namespace

bool LoadMohLibrary(const char *file, const HostClock *clock, std::string *error)
{
    library = LoadLibraryA(file);
    if (!library) {
        DWORD code = GetLastError();
        *error = std::string("cannot load ") + file + " from the host's folder (error " + std::to_string(code) + ")";
        return false;
    }
    createMoh = (CreateFn)(void *)GetProcAddress(library, "CreateMOH");
    configMoh = (ConfigFn)(void *)GetProcAddress(library, "ConfigMOH");
    alertMoh = (AlertFn)(void *)GetProcAddress(library, "AlertMOH");
    UseHostClockFn useHostClock = (UseHostClockFn)(void *)GetProcAddress(library, "UseHostClock");
    if (!createMoh || !configMoh || !alertMoh || (clock && !useHostClock)) {
        *error = std::string(file) + (clock ? " does not export CreateMOH, ConfigMOH, AlertMOH and UseHostClock"
                                            : " does not export CreateMOH, ConfigMOH and AlertMOH");
        UnloadMohLibrary();
        return false;
    }
    if (clock)
        useHostClock(clock);
    return true;
}

void UnloadMohLibrary(void)
{
    if (library)
        FreeLibrary(library);
    library = NULL;
    createMoh = NULL;
    configMoh = NULL;
    alertMoh = NULL;
}

HWND CreateMoh(int loopFlag)
{
    uiThread = GetCurrentThreadId();
    return createMoh(NULL, loopFlag, HostRequest);
}

int ConfigMoh(HWND parent)
{
    return configMoh(parent);
}

bool DeliverNextReport(void)
{
    if (modem.reports.empty() || !alertMoh)
        return false;
    if (GetCurrentThreadId() != uiThread) {
        /* The library has no locks: an event from another thread would race its window. */
        fprintf(stderr, "mohhost: an event was about to leave on a thread other than the window's\n");
        abort();
    }
    ModemEvent event = modem.reports.front();
    modem.reports.pop_front();
    HostLog("%s", EventText(event.kind, event.value).c_str());
    DWORD value = event.value;
    DWORD *pointer = &value;
    alertMoh(event.kind, &pointer);
    return true;
}
