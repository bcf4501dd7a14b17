#include "engine_rig.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <sstream>

#include "list_text.h"
#include "mohres.h"

namespace {

std::ifstream Source(const char *path)
{
    return std::ifstream(std::string(MOH_SOURCE_DIR) + "/" + path, std::ios::binary);
}

/* The default settings file as "Section/Key" = value, read once. */
const std::map<std::string, std::string> &DefaultSettings()
{
    static std::map<std::string, std::string> values;
    if (!values.empty())
        return values;
    std::ifstream lines = Source("resources/pellora.ini");
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t equals = line.find('=');
        if (!line.empty() && line[0] == '[')
            section = line.substr(1, line.find(']') - 1);
        else if (equals != std::string::npos)
            values[section + "/" + line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

/* The English strings by number: the names of mohres.h joined with the string table. */
const std::map<int, std::string> &EnglishStrings()
{
    static std::map<int, std::string> strings;
    if (!strings.empty())
        return strings;
    std::map<std::string, int> numbers;
    std::ifstream header = Source("resources/mohres.h");
    std::string word, name;
    while (header >> word)
        if (word == "#define" && header >> name >> word)
            numbers[name] = atoi(word.c_str());
    std::ifstream table = Source("resources/ENU/mohrc.rc");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        size_t open = line.find('"'), close = line.rfind('"');
        if (fields >> name && numbers.count(name) && open != close)
            strings[numbers[name]] = line.substr(open + 1, close - open - 1);
    }
    return strings;
}

}  // namespace

EngineRig::EngineRig() : settings(DefaultSettings())
{
}

void EngineRig::Load()
{
    live.soundsEnable = ReadInt(SET_SOUNDS_ENABLE);
    live.screenAll = ReadInt(SET_SCREEN_ALL);
    live.disableMoh = ReadInt(SET_DISABLE_MOH);
    live.acceptAll = ReadInt(SET_ACCEPT_ALL);
    live.ignoreAll = ReadInt(SET_IGNORE_ALL);
    live.timeout = ReadInt(SET_TIMEOUT);
    live.showOnSystray = ReadInt(SET_SHOW_ON_SYSTRAY);
    live.minimize = ReadInt(SET_MINIMIZE);
    live.incomingCallLog = ReadInt(SET_INCOMING_CALL_LOG);
    live.callButtonStatus = ReadInt(SET_CALL_BUTTON_STATUS);
    EnginePorts ports = {this, this, this, this, this, this, this, &live};
    engine.reset(new CallEngine(ports));
    engine->Start();
    invariants.Start();
    Deliver();
}

bool EngineRig::Deliver(int limit)
{
    for (int steps = 0; steps < limit; ++steps) {
        if (!posted.empty()) {
            int command = posted.front();
            posted.pop_front();
            Command(command);
        } else if (!modem.reports.empty()) {
            ModemEvent event = modem.reports.front();
            modem.reports.pop_front();
            invariants.BeforeStep();
            /* The library's event entry drops every event while modem-on-hold is off. */
            if (!live.disableMoh)
                engine->OnHostEvent(event.kind, event.value);
            invariants.AfterStep(0, &event);
        } else {
            return true;
        }
    }
    return false;
}

void EngineRig::Advance(int64_t milliseconds)
{
    int64_t until = now + milliseconds;
    for (;;) {
        int next = 0;
        for (int id = 1; id < TIMER_SLOTS; ++id)
            if (timers[id].running && (!next || timers[id].due < timers[next].due ||
                                       (timers[id].due == timers[next].due && timers[id].order < timers[next].order)))
                next = id;
        if (!next || timers[next].due > until)
            break;
        now = timers[next].due;
        timers[next].due += timers[next].period;
        invariants.BeforeStep();
        engine->OnTimer(next);
        invariants.AfterStep(0, nullptr);
        Deliver();
    }
    now = until;
}

bool EngineRig::Click(int command)
{
    if (!CommandEnabled(command))
        return false;
    Command(command);
    Deliver();
    return true;
}

void EngineRig::Command(int command)
{
    invariants.BeforeStep();
    engine->OnCommand(command);
    invariants.AfterStep(command, nullptr);
}

std::string EngineRig::CommandStates() const
{
    std::string states;
    for (int command : {IDCMD_ACCEPT, IDCMD_IGNORE, IDCMD_DISCONNECT, IDCMD_CALL, IDCMD_RECONNECT})
        states += CommandEnabled(command) ? '+' : '-';
    return states;
}

int EngineRig::Request(uint32_t op, uint32_t dataKind, uint32_t item, char *buffer, uint32_t length,
                       uint32_t *value)
{
    requests.push_back({op, dataKind, item, value ? *value : 0, value != nullptr});
    return ModemAnswer(&modem, op, dataKind, item, buffer, length, value);
}

void EngineRig::ShowHandsetPrompt(int stringId)
{
    char text[256];
    LoadText(stringId, text, sizeof text);
    prompts.push_back(text);
}

void EngineRig::LoadText(int stringId, char *buffer, size_t size)
{
    auto text = EnglishStrings().find(stringId);
    snprintf(buffer, size, "%s", text == EnglishStrings().end() ? "" : text->second.c_str());
}

void EngineRig::StartTimer(int id, unsigned periodMs)
{
    /* As the window's timers: a period below 10 ms runs at 10 ms. */
    unsigned period = periodMs < 10 ? 10 : periodMs;
    if (id <= 0 || id >= TIMER_SLOTS)
        abort();   /* the engine starts only the window's timers */
    timers[id] = {true, period, now + period, nextOrder++};
}

const char *EngineRig::Setting(SettingKey key) const
{
    auto found = settings.find(std::string(kSettingCatalogue[key].section) + "/" + kSettingCatalogue[key].name);
    return found == settings.end() ? nullptr : found->second.c_str();
}

int EngineRig::ReadIntOr(SettingKey key, int fallback)
{
    const char *text = Setting(key);
    return text ? atoi(text) : fallback;
}

void EngineRig::ReadString(SettingKey key, char *buffer, size_t size)
{
    const char *text = Setting(key);
    snprintf(buffer, size, "%s", text ? text : "");
}

/* Each call gets a second of its own, so that every record of a run is told apart. */
void EngineRig::LocalTime(CallTime *time)
{
    int64_t seconds = now / 1000 + timesTaken++;
    *time = {2026, 12, 6, (int)(seconds / 3600 % 24), (int)(seconds / 60 % 60), (int)(seconds % 60)};
}

/* The phone book as the library reads it: its lines as a file, searched as the library does. */
int EngineRig::LookupCallerName(char *name, char *number)
{
    TrimTrailingControls(number);
    std::string book;
    for (const std::string &line : phoneBook)
        book += line + "\r\n";
    return FindPhoneBookName(book.data(), book.size(), number, name, name ? LIST_LINE_SIZE : 0);
}

void EngineRig::AddCallerIfNew(const char *name, const char *number)
{
    char copy[CALLER_NUMBER_SIZE];
    snprintf(copy, sizeof copy, "%s", number);
    if (!LookupCallerName(nullptr, copy))
        phoneBook.push_back(std::string(name) + "\t" + number);
    else
        ++addsOfKnownCallers;
}

void EngineRig::AppendCallLogLine(char *record)
{
    callLog.push_back(record);
    record[0] = '\0';
}
