#include "settings.h"

#include "module_state.h"
#include "setting_catalogue.h"
#include "settings_file_state.h"

namespace {

const SettingDefinition &Definition(SettingKey key)
{
    return kSettingCatalogue[key];
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
