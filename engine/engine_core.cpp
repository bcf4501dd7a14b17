/* The engine's entry points, its trace and the window helpers its parts share. */
#include "call_engine.h"

#include <stdarg.h>
#include <stdio.h>

#include "engine_requests.h"
#include "host_codes.h"
#include "mohres.h"
#include "trace_line.h"

CallEngine::CallEngine(const EnginePorts &ports) : io(ports)
{
}

void CallEngine::Start()
{
    io.timers->StartTimer(TIMER_POLL, 1000);
    io.trace->OpenFileTrace();
    GreyCallCommandIfOurs();
    GreyCommand(IDCMD_ACCEPT);
    GreyCommand(IDCMD_DISCONNECT);
    GreyCommand(IDCMD_IGNORE);
    GreyCommand(IDCMD_RECONNECT);
    decisionTimerOn = 0;
    holdTimerOn = 0;
    SyncWithModem();
}

bool CallEngine::OnCommand(int command)
{
    switch (command) {
    case IDCMD_ACCEPT: AcceptCall(); return true;
    case IDCMD_IGNORE: IgnoreCall(); return true;
    case IDCMD_DISCONNECT: DisconnectCall(); return true;
    case IDCMD_CALL: RequestOutgoingCall(); return true;
    case IDCMD_RECONNECT: ReconnectCall(); return true;
    default: return false;
    }
}

void CallEngine::TraceWindow(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    TraceTo(&TracePort::WindowLine, format, args);
    va_end(args);
}

void CallEngine::TraceFile(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    TraceTo(&TracePort::FileLine, format, args);
    va_end(args);
}

void CallEngine::TraceTo(void (TracePort::*channel)(const char *), const char *format, va_list args)
{
    /* The longest message a trace line carries; the extra byte keeps it terminated. */
    char message[TRACE_LINE_SIZE + 1];
    vsnprintf(message, sizeof message, format, args);
    (io.trace->*channel)(message);
}

void CallEngine::TraceNameOrNumber(const char *format, const char *name, uint32_t value)
{
    char number[16];
    if (!name) {
        snprintf(number, sizeof number, "%u", (unsigned)value);
        name = number;
    }
    TraceWindow(format, name);
}

void CallEngine::GreyCommand(int command)
{
    io.window->SetToolbarCommand(command, 0);
    io.window->SetMenuCommand(command, 0);
}

void CallEngine::EnableCommand(int command)
{
    io.window->SetToolbarCommand(command, 1);
    io.window->SetMenuCommand(command, 1);
}

/* Toolbar first, then the menu, each in the order Accept, Ignore, Reconnect / Disconnect. */
void CallEngine::SetCallCommands(int accept, int ignore, int reconnect, int disconnect)
{
    io.window->SetToolbarCommand(IDCMD_ACCEPT, accept);
    io.window->SetToolbarCommand(IDCMD_IGNORE, ignore);
    io.window->SetToolbarCommand(IDCMD_RECONNECT, reconnect);
    io.window->SetToolbarCommand(IDCMD_DISCONNECT, disconnect);
    io.window->SetMenuCommand(IDCMD_ACCEPT, accept);
    io.window->SetMenuCommand(IDCMD_DISCONNECT, disconnect);
    io.window->SetMenuCommand(IDCMD_IGNORE, ignore);
    io.window->SetMenuCommand(IDCMD_RECONNECT, reconnect);
}

void CallEngine::GreyCallCommandIfOurs()
{
    if (io.live->callButtonStatus == 0)
        GreyCommand(IDCMD_CALL);
}

void CallEngine::ShowCaller(const char *name, const char *number)
{
    io.window->SetFieldText(IDC_CALLER_NAME, name);
    io.window->SetFieldText(IDC_CALLER_NUMBER, number);
}

void CallEngine::PlaySoundSetting(SettingKey key, size_t size)
{
    char sound[256] = "";
    io.settings->ReadString(key, sound, size);
    if (sound[0] != '\0')
        io.window->PlaySoundFile(sound);
}

uint32_t CallEngine::PollMohState()
{
    uint32_t state;
    if (QueryMohStateResult(*io.modem, &state))
        io.window->ShowMohState(state);
    return state;
}
