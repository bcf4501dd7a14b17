/* The call engine on a bench: every port kept in memory (a simulated modem answering its
   requests, the window's commands, fields and prompts, timers on a clock of the rig's own, the
   settings file, the call lists and the trace), and the host's order of delivery: the commands
   the engine posted to itself first, then the modem's reports one at a time. The engine's
   invariants are checked around every step. */
#ifndef ENGINE_RIG_H
#define ENGINE_RIG_H

#include <stdint.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "call_engine.h"
#include "engine_invariants.h"
#include "modem_model.h"
#include "setting_catalogue.h"

/* A request of the engine to the modem, with the value it passed when hasValue. */
struct RigRequest {
    uint32_t op, dataKind, item, value;
    bool hasValue;
};

class EngineRig : public ModemPort, public WindowPort, public TimerPort, public SettingsPort,
                  public ClockPort, public CallListsPort, public TracePort {
public:
    /* Settings start from the product's default settings file. */
    EngineRig();
    void SetSetting(const std::string &section, const std::string &key, const std::string &value)
    {
        settings[section + "/" + key] = value;
    }
    void SetSetting(SettingKey key, int value)
    {
        SetSetting(kSettingCatalogue[key].section, kSettingCatalogue[key].name, std::to_string(value));
    }
    /* The window is up: live settings are read and the engine starts. */
    void Load();

    /* The host's delivery of everything waiting; false when a step limit stopped it. */
    bool Deliver(int limit = 1000);
    /* Time passes: due timers fire in order, each followed by a delivery. */
    void Advance(int64_t milliseconds);
    /* A click reaches the engine only on an enabled command, as a person's would. */
    bool Click(int command);
    bool CommandEnabled(int command) const { return toolbar.count(command) && toolbar.at(command); }
    std::string CommandStates() const;   /* Accept, Ignore, Disconnect, Call, Reconnect: "+-..." */
    bool TimerRunning(int id) const { return id > 0 && id < TIMER_SLOTS && timers[id].running; }

    ModemModel modem;
    std::vector<RigRequest> requests;
    std::map<int, int> toolbar;
    std::map<int, std::string> fields;
    std::vector<std::string> prompts;   /* texts of the handset prompts shown */
    std::deque<int> posted;
    std::vector<std::string> windowTrace;
    bool keepTrace = true;   /* off where nobody reads the trace: the lines are still composed */
    std::vector<std::string> phoneBook;   /* "name TAB number" */
    std::vector<std::string> callLog;     /* whole lines */
    LiveSettings live = {};
    std::unique_ptr<CallEngine> engine;
    int64_t now = 0;
    int addsOfKnownCallers = 0;   /* additions asked for a number the phone book holds */
    int64_t timesTaken = 0;
    EngineInvariants invariants{*this};

    /* Ports */
    int Request(uint32_t op, uint32_t dataKind, uint32_t item, char *buffer, uint32_t length,
                uint32_t *value) override;
    void SetToolbarCommand(int command, int enabled) override { toolbar[command] = enabled; }
    void SetMenuCommand(int, int) override {}
    void SetFieldText(int control, const char *text) override { fields[control] = text; }
    void ShowMohState(uint32_t) override {}
    void ShowIdle() override {}
    void SetStatePicture(int) override {}
    void UpdateTrayIcon(int) override {}
    void BringToFront(int) override {}
    void RestoreForeground() override {}
    void PostCommand(int command) override { posted.push_back(command); }
    void ShowHandsetPrompt(int stringId) override;
    void LoadText(int stringId, char *buffer, size_t size) override;
    void PlaySoundFile(const char *) override {}
    void StartTimer(int id, unsigned periodMs) override;
    void StopTimer(int id) override
    {
        if (id > 0 && id < TIMER_SLOTS)
            timers[id].running = false;
    }
    int ReadInt(SettingKey key) override { return ReadIntOr(key, 0); }
    int ReadIntOr(SettingKey key, int fallback) override;
    void ReadString(SettingKey key, char *buffer, size_t size) override;
    void LocalTime(CallTime *time) override;
    void Sleep(unsigned) override {}
    int LookupCallerName(char *name, char *number) override;
    void AddCallerIfNew(const char *name, const char *number) override;
    void AppendCallLogLine(char *record) override;
    void SaveCallerIdText(const char *, size_t) override {}
    void OpenFileTrace() override {}
    void WindowLine(const char *text) override
    {
        if (keepTrace)
            windowTrace.push_back(text);
    }
    void FileLine(const char *) override {}

private:
    void Command(int command);
    struct Timer {
        bool running;
        unsigned period;
        int64_t due;
        uint64_t order;
    };
    enum { TIMER_SLOTS = TIMER_DELAYED_HOLD + 1 };
    Timer timers[TIMER_SLOTS] = {};
    uint64_t nextOrder = 0;
    std::map<std::string, std::string> settings;   /* the user's settings file: "Section/Key" = value */
    const char *Setting(SettingKey key) const;
};

#endif
