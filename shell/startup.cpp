#include "startup.h"

#include <windows.h>
#include <string.h>

#include "bounded_text.h"
#include "language_table.h"
#include "module_state.h"
#include "settings.h"
#include "trace.h"

HINSTANCE moduleHandle;
HINSTANCE resourceModule;
char settingsPath[MAX_PATH];
char phoneBookPath[MAX_PATH];
char callLogPath[MAX_PATH];

namespace {

/* Branding keys refreshed from the default settings file at every start, in this order. */
const SettingKey kUpgradedKeys[] = {
    SET_URL, SET_LOGON_FILE, SET_LOGON_TIME, SET_URL_NAME, SET_URL_X, SET_URL_Y, SET_RED, SET_GREEN, SET_BLUE,
};

enum { VALUE_SIZE = 256, NO_LANGUAGE = -1, SYSTEM_LANGUAGE = 0 };

void TraceLanguageName(const char *format, LCID locale)
{
    char name[VALUE_SIZE] = "";
    GetLocaleInfoA(locale, LOCALE_SLANGUAGE, name, sizeof name);
    TraceToWindow(&windowTrace, format, name);
}

void BuildSettingsPath(void)
{
    GetProductFolder(settingsPath);
    AppendText(settingsPath, MAX_PATH, "\\pellora.ini");
}

/* The language to use: the system's default for 0, else the stored identifier. */
WORD ChooseLanguage(int stored)
{
    if (stored != SYSTEM_LANGUAGE)
        return LOWORD(stored);
    TraceLanguageName("User default language %s", GetUserDefaultLCID());
    TraceLanguageName("System default language %s", GetSystemDefaultLCID());
    return LANGIDFROMLCID(GetSystemDefaultLCID());
}

void CopyLanguageFiles(WORD language)
{
    TraceLanguageName("Used Language %s", MAKELCID(language, SORT_DEFAULT));
    const char *code = LanguageFolderCode(language);
    if (!code)
        return;  /* a Chinese or Portuguese variant without a folder: keep the files in place */
    CopyLanguageFile(code, "mohrc.dll");
    CopyLanguageFile(code, "infopane.dll");
    CopyLanguageFile(code, "infopane.ini");
    char helpFile[VALUE_SIZE];
    ReadSettingString(SET_HELP_NAME, helpFile, sizeof helpFile);
    if (helpFile[0] == '\0')
        ReadSettingString(SET_TITLE_TXT, helpFile, sizeof helpFile);
    AppendText(helpFile, sizeof helpFile, ".CHM");
    CopyLanguageFile(code, helpFile);
}

/* A copy keeps its source's size and write time: when both match, the working copy is already this
   language's file, and copying it again at every start would only cost time. */
bool IsSameCopy(const char *source, const char *target)
{
    WIN32_FILE_ATTRIBUTE_DATA from, to;
    return GetFileAttributesExA(source, GetFileExInfoStandard, &from) &&
           GetFileAttributesExA(target, GetFileExInfoStandard, &to) && from.nFileSizeLow == to.nFileSizeLow &&
           from.nFileSizeHigh == to.nFileSizeHigh && CompareFileTime(&from.ftLastWriteTime, &to.ftLastWriteTime) == 0;
}

}  // namespace

void ModuleStartup(void)
{
    char defaultPath[MAX_PATH] = "";
    GetModuleFileNameA(moduleHandle, defaultPath, MAX_PATH);
    ReplaceFileName(defaultPath, sizeof defaultPath, "\\pellora.ini");

    BuildSettingsPath();
    CopyFileA(defaultPath, settingsPath, TRUE);
    SetFileAttributesA(settingsPath, FILE_ATTRIBUTE_NORMAL);
    TraceToWindow(&windowTrace, "copy %s file in %s file", defaultPath, settingsPath);
    UpdateReservedSection(defaultPath, settingsPath);

    CopyText(phoneBookPath, MAX_PATH, settingsPath);
    ReplaceFileName(phoneBookPath, MAX_PATH, "\\callerid.fic");
    CopyText(callLogPath, MAX_PATH, settingsPath);
    ReplaceFileName(callLogPath, MAX_PATH, "\\incoming.log");

    int stored = ReadSettingInt(SET_LANGUAGE);
    if (stored != NO_LANGUAGE)
        CopyLanguageFiles(ChooseLanguage(stored));

    resourceModule = LoadLibraryA("mohrc.dll");
    if (!resourceModule)
        resourceModule = moduleHandle;
}

void UpdateReservedSection(const char *defaultPath, const char *userSettingsPath)
{
    TraceToWindow(&windowTrace, "Update Reserved section");
    char value[VALUE_SIZE];
    for (SettingKey key : kUpgradedKeys) {
        ReadSettingStringFrom(defaultPath, key, "", value, sizeof value);
        WriteSettingStringTo(userSettingsPath, key, value);
    }
    ReadSettingStringFrom(userSettingsPath, SET_LANGUAGE, "", value, sizeof value);
    if (value[0] == '\0') {
        ReadSettingStringFrom(defaultPath, SET_LANGUAGE, "-1", value, sizeof value);
        WriteSettingStringTo(userSettingsPath, SET_LANGUAGE, value);
    }
}

void CopyLanguageFile(const char *folderCode, const char *fileName)
{
    char moduleFolder[VALUE_SIZE] = "";
    GetModuleFileNameA(moduleHandle, moduleFolder, sizeof moduleFolder);
    char *slash = strrchr(moduleFolder, '\\');
    if (slash)
        *slash = '\0';
    /* wsprintfA never writes more than 1024 bytes; a path that long only makes the copy fail. */
    char source[1024];
    char target[1024];
    wsprintfA(source, "%s\\%s\\%s", moduleFolder, folderCode, fileName);
    wsprintfA(target, "%s\\%s", moduleFolder, fileName);
    if (!IsSameCopy(source, target))
        CopyFileA(source, target, FALSE);
}
