#include "engine_ports_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "host_link.h"
#include "list_files.h"
#include "main_window.h"
#include "module_state.h"
#include "on_demand_libraries.h"
#include "settings.h"
#include "status_display.h"
#include "steady_controls.h"
#include "trace.h"
#include "window_timers.h"

namespace {

class HostModem : public ModemPort {
public:
    int Request(uint32_t op, uint32_t dataKind, uint32_t item, char *buffer, uint32_t length,
                uint32_t *value) override
    {
        /* Only reached once CreateMOH has stored the function; the guard keeps a stray call harmless. */
        if (!ModemRequest)
            return 0;
        DWORD word = value ? *value : 0;
        int result = ModemRequest(op, dataKind, item, buffer, length, value ? &word : NULL);
        if (value)
            *value = word;
        return result;
    }
};

class StatusWindow : public WindowPort {
public:
    void SetToolbarCommand(int command, int enabled) override
    {
        WORD state = enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE;
        SendMessageA(toolbarWindow, TB_SETSTATE, (WPARAM)command, MAKELONG(state, 0));
    }
    void SetMenuCommand(int command, int enabled) override
    {
        EnableMenuItem(mainMenu, (UINT)command, enabled ? MF_ENABLED : MF_GRAYED);
    }
    void SetFieldText(int control, const char *text) override
    {
        SetWindowTextA(SteadyControl(mainWindow, control), text);
    }
    void ShowMohState(uint32_t state) override { ::ShowMohState(mainWindow, statusBarWindow, state, 0); }
    void ShowIdle() override { ::ShowIdle(mainWindow, statusBarWindow); }
    void SetStatePicture(int frame) override { ::SetStatePicture(mainWindow, frame); }
    void UpdateTrayIcon(int flag) override { ::UpdateTrayIcon(flag); }
    void BringToFront(int minimiseOthers) override { ::BringToFront(mainWindow, minimiseOthers); }
    void RestoreForeground() override { ::RestoreForeground(mainWindow); }
    void PostCommand(int command) override { PostMessageA(mainWindow, WM_COMMAND, (WPARAM)command, 0); }
    void ShowHandsetPrompt(int stringId) override
    {
        char caption[64] = "";
        char text[256] = "";
        GetWindowTextA(mainWindow, caption, sizeof caption);
        LoadStringA(resourceModule, (UINT)stringId, text, sizeof text);
        MessageBoxA(mainWindow, text, caption, MB_ICONINFORMATION | MB_OK);
    }
    void LoadText(int stringId, char *buffer, size_t size) override
    {
        LoadStringA(resourceModule, (UINT)stringId, buffer, (int)size);
    }
    void PlaySoundFile(const char *path) override { PlaySoundOnDemand(path, SND_ASYNC); }
};

/* Stopping a timer that is not running still asks the window server, and the engine stops its
   timers on every connect and call whether they run or not: the timers started on the main window
   are remembered, and only those are stopped. */
class WindowTimers : public TimerPort {
public:
    void StartTimer(int id, unsigned periodMs) override
    {
        if (StartWindowTimer(mainWindow, (UINT_PTR)id, periodMs))
            Remember(id, true);
    }
    void StopTimer(int id) override
    {
        if (!MayRun(id))
            return;
        StopWindowTimer(mainWindow, (UINT_PTR)id);
        Remember(id, false);
    }

private:
    enum { KNOWN_IDS = 32 };
    HWND window_ = NULL;
    uint32_t running_ = 0;  /* a bit per timer id below KNOWN_IDS started on window_ */

    bool MayRun(int id) const
    {
        return id < 0 || id >= KNOWN_IDS || (window_ == mainWindow && (running_ >> id) & 1);
    }
    void Remember(int id, bool running)
    {
        if (window_ != mainWindow) {
            window_ = mainWindow;
            running_ = 0;
        }
        if (id >= 0 && id < KNOWN_IDS)
            running_ = running ? running_ | (1u << id) : running_ & ~(1u << id);
    }
};

class SettingsFile : public SettingsPort {
public:
    int ReadInt(SettingKey key) override { return ReadSettingInt(key); }
    int ReadIntOr(SettingKey key, int fallback) override { return ReadSettingIntOr(key, fallback); }
    void ReadString(SettingKey key, char *buffer, size_t size) override
    {
        ReadSettingString(key, buffer, (DWORD)size);
    }
};

class LocalClock : public ClockPort {
public:
    void LocalTime(CallTime *time) override
    {
        SYSTEMTIME now;
        ReadLocalTime(&now);
        *time = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    }
    void Sleep(unsigned milliseconds) override { ::Sleep(milliseconds); }
};

class ListFiles : public CallListsPort {
public:
    int LookupCallerName(char *name, char *number) override { return ::LookupCallerName(name, number); }
    void AddCallerIfNew(const char *name, const char *number) override { ::AddCallerIfNew(name, number); }
    void AppendCallLogLine(char *record) override { ::AppendCallLogLine(record); }
    void SaveCallerIdText(const char *text, size_t length) override
    {
        HFILE file = _lcreat("c:\\callerid.fic", 0);
        if (file == HFILE_ERROR)
            return;
        _lwrite(file, text, (UINT)length);
        _lclose(file);
    }
};

class TraceChannels : public TracePort {
public:
    void OpenFileTrace() override { OpenTraceFile(&fileTrace); }
    void WindowLine(const char *text) override { TraceToWindow(&windowTrace, "%s", text); }
    void FileLine(const char *text) override { TraceToFile(&fileTrace, "%s", text); }
};

HostModem modem;
StatusWindow window;
WindowTimers timers;
SettingsFile settings;
LocalClock clock;
ListFiles lists;
TraceChannels trace;

}  // namespace

const EnginePorts &Win32EnginePorts(void)
{
    static const EnginePorts ports = {&modem, &window, &timers, &settings, &clock, &lists, &trace, &live};
    return ports;
}
