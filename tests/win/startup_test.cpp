/* Loading the real library from the module folder: product folder, settings file, language
   choice, copies of the language files, and the load-time trace. */
#include <gtest/gtest.h>

#include "library_under_test.h"
#include "module_folder.h"
#include "mohres.h"
#include "trace_capture.h"

namespace {

const char *const kUpgradedKeys[] = {"URL", "LogonFile", "LogonTime", "URLName", "URLx", "URLy", "Red", "Green", "Blue"};

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetModuleFolder();
        ResetProductFolder();
    }
    void TearDown() override
    {
        library.Unload();
        ResetModuleFolder();
        ResetProductFolder();
    }
    void LoadLibraryUnderTest() { ASSERT_TRUE(library.Load()); }
    void Reload()
    {
        library.Unload();
        LoadLibraryUnderTest();
    }
    /* A settings file of the user's, written before the library loads. */
    void PresetSetting(const char *section, const char *key, const char *value)
    {
        CreateProductFolder();
        IniWrite(SettingsFile(), section, key, value);
    }
    std::string LoadedString(UINT id)
    {
        char text[256] = "";
        LoadStringA(GetModuleHandleA("mohrc.dll"), id, text, sizeof text);
        return text;
    }

    LibraryUnderTest library;
};

TEST_F(Startup, FirstRunCopiesTheDefaultSettingsAndClearsTheReadOnlyMark)
{
    std::string defaults = ModulePath("pellora.ini");
    SetFileAttributesA(defaults.c_str(), FILE_ATTRIBUTE_READONLY);
    LoadLibraryUnderTest();
    SetFileAttributesA(defaults.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_TRUE(FileExists(SettingsFile()));
    EXPECT_EQ(0u, GetFileAttributesA(SettingsFile().c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(IniRead(defaults, "MOH", "TitleTxt"), IniRead(SettingsFile(), "MOH", "TitleTxt"));
    EXPECT_EQ(IniRead(defaults, "MOH", "Language"), IniRead(SettingsFile(), "MOH", "Language"));
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ(IniRead(defaults, "Reserved", key), IniRead(SettingsFile(), "Reserved", key)) << key;
}

TEST_F(Startup, LaterRunsKeepTheUsersSettingsAndRefreshOnlyTheBrandingKeys)
{
    LoadLibraryUnderTest();
    std::string settings = SettingsFile();
    IniWrite(settings, "MOH", "AcceptAll", "1");
    IniWrite(settings, "Sounds", "Ring", "C:\\ring.wav");
    IniWrite(settings, "CallerId", "UsePhonebook", "0");
    IniWrite(settings, "Reserved", "LogonDisplay", "0");
    IniWrite(settings, "Reserved", "ShowButton", "0");
    for (const char *key : kUpgradedKeys)
        IniWrite(settings, "Reserved", key, "changed by the user");
    Reload();

    EXPECT_EQ("1", IniRead(settings, "MOH", "AcceptAll"));
    EXPECT_EQ("C:\\ring.wav", IniRead(settings, "Sounds", "Ring"));
    EXPECT_EQ("0", IniRead(settings, "CallerId", "UsePhonebook"));
    EXPECT_EQ("0", IniRead(settings, "Reserved", "LogonDisplay"));
    EXPECT_EQ("0", IniRead(settings, "Reserved", "ShowButton"));
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ(IniRead(ModulePath("pellora.ini"), "Reserved", key), IniRead(settings, "Reserved", key)) << key;
}

TEST_F(Startup, ABrandingKeyMissingFromTheDefaultFileBecomesEmpty)
{
    IniWrite(ModulePath("pellora.ini"), "Reserved", "URLName", NULL);
    PresetSetting("Reserved", "URLName", "kept?");
    LoadLibraryUnderTest();
    EXPECT_EQ("", IniRead(SettingsFile(), "Reserved", "URLName"));
}

TEST_F(Startup, LanguageIsSeededOnlyWhenMissingOrBlank)
{
    PresetSetting("MOH", "Language", "-1");
    LoadLibraryUnderTest();
    EXPECT_EQ("-1", IniRead(SettingsFile(), "MOH", "Language"));

    IniWrite(SettingsFile(), "MOH", "Language", "");
    Reload();
    EXPECT_EQ(IniRead(ModulePath("pellora.ini"), "MOH", "Language"), IniRead(SettingsFile(), "MOH", "Language"));

    IniWrite(SettingsFile(), "MOH", "Language", NULL);
    IniWrite(ModulePath("pellora.ini"), "MOH", "Language", "1033");
    Reload();
    EXPECT_EQ("1033", IniRead(SettingsFile(), "MOH", "Language"));
}

TEST_F(Startup, WithoutADefaultFileOnlyTheBrandingKeysAndLanguageAreWritten)
{
    RemoveFile(ModulePath("pellora.ini"));
    LoadLibraryUnderTest();
    std::string settings = SettingsFile();
    ASSERT_TRUE(FileExists(settings));
    EXPECT_EQ("-1", IniRead(settings, "MOH", "Language"));
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ("", IniRead(settings, "Reserved", key)) << key;

    char sections[256] = "";
    DWORD length = GetPrivateProfileSectionNamesA(sections, sizeof sections, settings.c_str());
    EXPECT_EQ(std::string("Reserved\0MOH\0", 13), std::string(sections, length));
    char keys[512] = "";
    GetPrivateProfileSectionA("MOH", keys, sizeof keys, settings.c_str());
    EXPECT_STREQ("Language=-1", keys);
}

TEST_F(Startup, AChosenLanguageCopiesItsFilesAndLoadsItsResources)
{
    WriteFileBytes(ModulePath("infopane.dll"), "an older about library");
    PresetSetting("MOH", "Language", "1031");
    LoadLibraryUnderTest();

    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\mohrc.dll")), ReadFileBytes(ModulePath("mohrc.dll")));
    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\infopane.ini")), ReadFileBytes(ModulePath("infopane.ini")));
    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\infopane.dll")), ReadFileBytes(ModulePath("infopane.dll")));
    EXPECT_EQ("Nicht verbunden.", LoadedString(IDS_IDLE));
}

TEST_F(Startup, AFileTheLanguageFolderLacksKeepsTheModuleFoldersCopy)
{
    std::string folderCopy = ModulePath("DEU\\infopane.ini");
    MoveFileA(folderCopy.c_str(), (folderCopy + ".away").c_str());
    std::string kept = ReadFileBytes(ModulePath("infopane.ini"));
    PresetSetting("MOH", "Language", "1031");
    LoadLibraryUnderTest();
    MoveFileA((folderCopy + ".away").c_str(), folderCopy.c_str());

    EXPECT_EQ(kept, ReadFileBytes(ModulePath("infopane.ini")));
    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\mohrc.dll")), ReadFileBytes(ModulePath("mohrc.dll")));
}

TEST_F(Startup, LanguageMinusOneCopiesNothingAndLoadsTheWorkingCopy)
{
    PresetSetting("MOH", "Language", "-1");
    std::string englishInfo = ReadFileBytes(ModulePath("infopane.ini"));
    CopyFileOver(ModulePath("DEU\\infopane.ini"), ModulePath("ENU\\infopane.ini.tmp"));
    LoadLibraryUnderTest();
    EXPECT_EQ(englishInfo, ReadFileBytes(ModulePath("infopane.ini")));
    EXPECT_EQ("Not connected.", LoadedString(IDS_IDLE));
    RemoveFile(ModulePath("ENU\\infopane.ini.tmp"));
}

TEST_F(Startup, TheHelpFileIsNamedAfterTheTitleWhenHelpNameIsEmpty)
{
    WriteFileBytes(ModulePath("DEU\\Modem.CHM"), "help in German");
    PresetSetting("MOH", "Language", "1031");
    PresetSetting("MOH", "HelpName", "");
    PresetSetting("MOH", "TitleTxt", "Modem");
    LoadLibraryUnderTest();
    EXPECT_EQ("help in German", ReadFileBytes(ModulePath("Modem.CHM")));
    RemoveFile(ModulePath("DEU\\Modem.CHM"));
    RemoveFile(ModulePath("Modem.CHM"));
}

TEST_F(Startup, AChineseVariantWithoutFolderCopiesNothing)
{
    PresetSetting("MOH", "Language", "3076");  /* Chinese, Hong Kong */
    std::string before = ReadFileBytes(ModulePath("mohrc.dll"));
    LoadLibraryUnderTest();
    EXPECT_EQ(before, ReadFileBytes(ModulePath("mohrc.dll")));
}

TEST_F(Startup, LoadTimeTraceLinesCarryTheTimePrefix)
{
    TraceCapture trace;
    PresetSetting("MOH", "Language", "1031");
    LoadLibraryUnderTest();

    std::string defaults = ModulePath("pellora.ini");
    EXPECT_TRUE(trace.Has("copy " + defaults + " file in " + SettingsFile() + " file"));
    EXPECT_TRUE(trace.Has("Update Reserved section"));
    EXPECT_TRUE(trace.HasPrefix("Used Language "));
    EXPECT_TRUE(trace.HasPrefix("Version "));
    EXPECT_FALSE(trace.HasPrefix("User default language"));
    for (const std::string &line : trace.Lines()) {
        EXPECT_TRUE(HasTimePrefix(line)) << line;
        EXPECT_EQ(std::string::npos, line.find_first_of("\r\n")) << line;
    }
    std::string version = trace.Messages().back();
    EXPECT_EQ(0u, version.find("Version ")) << version;
    EXPECT_EQ(std::string("Version " __DATE__ " 00:00:00").size(), version.size()) << version;
}

TEST_F(Startup, LanguageZeroTracesTheUserAndSystemLanguages)
{
    TraceCapture trace;
    PresetSetting("MOH", "Language", "0");
    LoadLibraryUnderTest();
    EXPECT_TRUE(trace.HasPrefix("User default language "));
    EXPECT_TRUE(trace.HasPrefix("System default language "));
    EXPECT_TRUE(trace.HasPrefix("Used Language "));
}

}  // namespace
