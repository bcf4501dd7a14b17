/* What the call engine needs from the world around it, one small interface per partner: the
   modem behind the host's request function, the status window, the window's timers, the
   settings file, the clock, the call lists and the trace. The library's Win32 side implements
   them; the native tests and the fuzzer implement them in memory. */
#ifndef ENGINE_PORTS_H
#define ENGINE_PORTS_H

#include <stddef.h>
#include <stdint.h>

#include "call_log_record.h"
#include "live_settings.h"
#include "setting_keys.h"

/* The host's request function: non-zero is success. */
class ModemPort {
public:
    virtual int Request(uint32_t op, uint32_t dataKind, uint32_t item, char *buffer, uint32_t length,
                        uint32_t *value) = 0;
protected:
    ~ModemPort() = default;
};

/* The status window: its commands, fields, pictures, tray icon, prompts and sounds. */
class WindowPort {
public:
    virtual void SetToolbarCommand(int command, int enabled) = 0;
    virtual void SetMenuCommand(int command, int enabled) = 0;
    virtual void SetFieldText(int control, const char *text) = 0;   /* caller and countdown */
    virtual void ShowMohState(uint32_t state) = 0;                  /* status line and tray blink */
    virtual void ShowIdle() = 0;
    virtual void SetStatePicture(int frame) = 0;
    virtual void UpdateTrayIcon(int flag) = 0;
    virtual void BringToFront(int minimiseOthers) = 0;
    virtual void RestoreForeground() = 0;
    /* A command the message loop delivers later, as the user's click would be. */
    virtual void PostCommand(int command) = 0;
    /* Waits until the user closes the prompt. */
    virtual void ShowHandsetPrompt(int stringId) = 0;
    virtual void LoadText(int stringId, char *buffer, size_t size) = 0;
    virtual void PlaySoundFile(const char *path) = 0;   /* asynchronous; 0 stops the sound */
protected:
    ~WindowPort() = default;
};

/* Periodic timers by id; starting a running one restarts it with the new period. */
class TimerPort {
public:
    virtual void StartTimer(int id, unsigned periodMs) = 0;
    virtual void StopTimer(int id) = 0;
protected:
    ~TimerPort() = default;
};

/* The settings file, read at the moment of use. */
class SettingsPort {
public:
    virtual int ReadInt(SettingKey key) = 0;
    virtual int ReadIntOr(SettingKey key, int fallback) = 0;
    virtual void ReadString(SettingKey key, char *buffer, size_t size) = 0;
protected:
    ~SettingsPort() = default;
};

class ClockPort {
public:
    virtual void LocalTime(CallTime *time) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
protected:
    ~ClockPort() = default;
};

/* The phone book and the incoming-call log, and the raw identity dump. */
class CallListsPort {
public:
    /* 1 when the phone book holds number; its stored name is then in name (256 bytes). */
    virtual int LookupCallerName(char *name, char *number) = 0;
    virtual void AddCallerIfNew(const char *name, const char *number) = 0;
    /* Appends one whole log line and empties record. */
    virtual void AppendCallLogLine(char *record) = 0;
    virtual void SaveCallerIdText(const char *text, size_t length) = 0;
protected:
    ~CallListsPort() = default;
};

/* The two trace channels; lines come without their time prefix. */
class TracePort {
public:
    virtual void OpenFileTrace() = 0;
    virtual void WindowLine(const char *text) = 0;
    virtual void FileLine(const char *text) = 0;
protected:
    ~TracePort() = default;
};

struct EnginePorts {
    ModemPort *modem;
    WindowPort *window;
    TimerPort *timers;
    SettingsPort *settings;
    ClockPort *clock;
    CallListsPort *lists;
    TracePort *trace;
    const LiveSettings *live;   /* the settings the window also keeps, refreshed by the pages */
};

#endif
