#include "settings.h"

#include "module_state.h"
#include "settings_file_state.h"

namespace {

struct SettingDefinition {
    SettingKey key;
    const char *section;
    const char *name;
    int intDefault;
    const char *textDefault;  /* NULL for numeric keys */
};

const char kMoh[] = "MOH";
const char kSounds[] = "Sounds";
const char kCallerId[] = "CallerId";
const char kReserved[] = "Reserved";

/* AutoRejectTimer has no fixed default: the modem's decision time is named at the read. */
const SettingDefinition kCatalogue[SETTING_COUNT] = {
    {SET_LANGUAGE, kMoh, "Language", -1, NULL},
    {SET_HELP_NAME, kMoh, "HelpName", 0, ""},
    {SET_TITLE_TXT, kMoh, "TitleTxt", 0, ""},
    {SET_SCREEN_ALL, kMoh, "ScreenAll", 1, NULL},
    {SET_DISABLE_MOH, kMoh, "DisableMOH", 0, NULL},
    {SET_ACCEPT_ALL, kMoh, "AcceptAll", 0, NULL},
    {SET_IGNORE_ALL, kMoh, "IgnoreAll", 0, NULL},
    {SET_HIDE_ACCEPT_ALL, kMoh, "HideAcceptAll", 0, NULL},
    {SET_HIDE_DISABLE_MOH, kMoh, "HideDisableMOH", 0, NULL},
    {SET_TIMEOUT, kMoh, "Timeout", 10, NULL},
    {SET_LOAD_AT_STARTUP, kMoh, "LoadAtStartup", 0, NULL},
    {SET_SHOW_ON_SYSTRAY, kMoh, "ShowOnSystray", 0, NULL},
    {SET_MINIMIZE, kMoh, "Minimize", 0, NULL},
    {SET_INCOMING_CALL_LOG, kMoh, "IncomingCallLog", 0, NULL},
    {SET_DISPLAY_QUICK_CONNECT, kMoh, "DisplayQuickConnect", 0, NULL},
    {SET_ENABLE_QUICK_CONNECT, kMoh, "EnableQuickConnect", -1, NULL},
    {SET_CALL_BUTTON_STATUS, kMoh, "CallButtonStatus", 0, NULL},
    {SET_SHOW_MENU, kMoh, "ShowMenu", 0, NULL},
    {SET_CX, kMoh, "Cx", -1, NULL},
    {SET_CY, kMoh, "Cy", -1, NULL},
    {SET_SHOW_ADVANCED, kMoh, "ShowAdvanced", 1, NULL},
    {SET_ACCEPT_V90, kMoh, "AcceptV90", 0, NULL},
    {SET_ASK_FOR_ON_HOOK, kMoh, "AskForOnHook", 0, NULL},
    {SET_SAVE_CALLER_ID, kMoh, "SaveCallerId", 0, NULL},
    {SET_HANDSET_EXCLUSION, kMoh, "HandsetExclusion", 2, NULL},
    {SET_AUTO_REJECT_TIMER, kMoh, "AutoRejectTimer", 0, NULL},
    {SET_DELAY_HOLD_TIMER, kMoh, "DelayHoldTimer", 0, NULL},
    {SET_HOLD_TIMER, kMoh, "HoldTimer", 0, NULL},
    {SET_SLEEP_BEFORE_ACCEPT_ALL, kMoh, "SleepBeforeAcceptAll", 0, NULL},
    {SET_SOUNDS_ENABLE, kSounds, "Enable", 1, NULL},
    {SET_SOUND_RING, kSounds, "Ring", 0, ""},
    {SET_SOUND_RING2, kSounds, "Ring2", 0, ""},
    {SET_SOUND_TIMEOUT, kSounds, "Timeout", 0, ""},
    {SET_WAIT_FOR_REMOTE_RESPONSE, kCallerId, "WaitForRemoteResponse", 1, NULL},
    {SET_USE_PHONEBOOK, kCallerId, "UsePhonebook", 1, NULL},
    {SET_SHOW_BUTTON, kReserved, "ShowButton", 1, NULL},
    {SET_LOGON_TIME, kReserved, "LogonTime", 0, NULL},
    {SET_LOGON_DISPLAY, kReserved, "LogonDisplay", 0, NULL},
    {SET_LOGON_FILE, kReserved, "LogonFile", 0, "logon.bmp"},
    {SET_URL, kReserved, "URL", 0, ""},
    {SET_URL_NAME, kReserved, "URLName", 0, ""},
    {SET_URL_X, kReserved, "URLx", 0, NULL},
    {SET_URL_Y, kReserved, "URLy", 0, NULL},
    {SET_RED, kReserved, "Red", 0, NULL},
    {SET_GREEN, kReserved, "Green", 0, NULL},
    {SET_BLUE, kReserved, "Blue", 0, NULL},
};

const SettingDefinition &Definition(SettingKey key)
{
    return kCatalogue[key];
}

/* What the profile functions returned for each key, with the file generation it was read in: a
   profile read costs a parse of the whole file, and most reads find the file unchanged. */
enum { CACHED_TEXT_SIZE = MAX_PATH };

struct CachedNumber {
    unsigned generation;
    int fallback;
    int value;
};

struct CachedText {
    unsigned generation;
    char text[CACHED_TEXT_SIZE];
};

CachedNumber cachedNumbers[SETTING_COUNT];
CachedText cachedTexts[SETTING_COUNT];

const char *TextDefault(SettingKey key)
{
    const char *fallback = Definition(key).textDefault;
    return fallback ? fallback : "";
}

}  // namespace

const char *SettingSection(SettingKey key)
{
    return Definition(key).section;
}

const char *SettingName(SettingKey key)
{
    return Definition(key).name;
}

int ReadSettingIntOr(SettingKey key, int fallback)
{
    unsigned generation = SettingsFileGeneration(settingsPath);
    CachedNumber &cached = cachedNumbers[key];
    if (generation == 0 || cached.generation != generation || cached.fallback != fallback) {
        const SettingDefinition &def = Definition(key);
        cached.value = (int)GetPrivateProfileIntA(def.section, def.name, fallback, settingsPath);
        cached.fallback = fallback;
        cached.generation = generation;
    }
    return cached.value;
}

int ReadSettingInt(SettingKey key)
{
    return ReadSettingIntOr(key, Definition(key).intDefault);
}

void ReadSettingStringFrom(const char *file, SettingKey key, const char *fallback, char *buffer, DWORD size)
{
    const SettingDefinition &def = Definition(key);
    GetPrivateProfileStringA(def.section, def.name, fallback, buffer, size, file);
}

void ReadSettingString(SettingKey key, char *buffer, DWORD size)
{
    if (size > CACHED_TEXT_SIZE) {
        ReadSettingStringFrom(settingsPath, key, TextDefault(key), buffer, size);
        return;
    }
    unsigned generation = SettingsFileGeneration(settingsPath);
    CachedText &cached = cachedTexts[key];
    if (generation == 0 || cached.generation != generation) {
        ReadSettingStringFrom(settingsPath, key, TextDefault(key), cached.text, sizeof cached.text);
        cached.generation = generation;
    }
    lstrcpynA(buffer, cached.text, (int)size);
}

void WriteSettingStringTo(const char *file, SettingKey key, const char *value)
{
    const SettingDefinition &def = Definition(key);
    WritePrivateProfileStringA(def.section, def.name, value, file);
    ForgetSettingsFileState();
}

void WriteSettingString(SettingKey key, const char *value)
{
    WriteSettingStringTo(settingsPath, key, value);
}

void WriteSettingInt(SettingKey key, int value)
{
    char text[16];
    wsprintfA(text, "%d", value);
    WriteSettingString(key, text);
}

void WriteSettingBool(SettingKey key, int on)
{
    WriteSettingString(key, on ? "1" : "0");
}
