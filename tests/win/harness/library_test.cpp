#include "library_test.h"

#include "module_folder.h"
#include "moh.h"

void LibraryTest::SetUp()
{
    ResetModuleFolder();
    StartFromDefaultSettings();
    Set("Reserved", "LogonDisplay", "0");
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_IDLE;
}

void LibraryTest::TearDown()
{
    loop.Stop();
    library.Unload();
    ResetModuleFolder();
    ResetProductFolder();
}

void LibraryTest::Set(const char *section, const char *key, const char *value)
{
    IniWrite(SettingsFile(), section, key, value);
}

std::string LibraryTest::Saved(const char *key, const char *section)
{
    return IniRead(SettingsFile(), section, key);
}

std::string LibraryTest::String(UINT id)
{
    char text[256] = "";
    LoadStringA(GetModuleHandleA("mohrc.dll"), id, text, sizeof text);
    return text;
}
