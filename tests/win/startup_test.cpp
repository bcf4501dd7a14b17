/* Loading the real library from the module folder: product folder, settings file, language
   choice, copies of the language files, the load-time trace, and the trace file. */
#include <gtest/gtest.h>

#include "library_test.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "moh.h"
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
    /* Loads the library afresh, as the next run of the dialer does. */
    void Load()
    {
        library.Unload();
        ASSERT_TRUE(library.Load());
    }
    /* A setting of the user's, written before the library loads. */
    void Preset(const char *section, const char *key, const char *value)
    {
        CreateProductFolder();
        IniWrite(SettingsFile(), section, key, value);
    }
    std::string Setting(const char *section, const char *key) { return IniRead(SettingsFile(), section, key); }
    std::string Default(const char *section, const char *key) { return IniRead(ModulePath("pellora.ini"), section, key); }

    LibraryUnderTest library;
};

TEST_F(Startup, FirstRunCopiesTheDefaultSettingsAndClearsTheReadOnlyMark)
{
    std::string defaults = ModulePath("pellora.ini");
    SetFileAttributesA(defaults.c_str(), FILE_ATTRIBUTE_READONLY);
    Load();
    SetFileAttributesA(defaults.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(FileExists(SettingsFile()));
    EXPECT_EQ(0u, GetFileAttributesA(SettingsFile().c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Default("MOH", "TitleTxt"), Setting("MOH", "TitleTxt"));
    EXPECT_EQ(Default("MOH", "Language"), Setting("MOH", "Language"));
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ(Default("Reserved", key), Setting("Reserved", key)) << key;
}

/* A key missing from the default file becomes empty. */
TEST_F(Startup, LaterRunsKeepTheUsersSettingsAndRefreshOnlyTheBrandingKeys)
{
    Load();
    const char *const kept[][3] = {{"MOH", "AcceptAll", "1"}, {"Sounds", "Ring", "C:\\ring.wav"},
                                   {"CallerId", "UsePhonebook", "0"}, {"Reserved", "LogonDisplay", "0"},
                                   {"Reserved", "ShowButton", "0"}};
    for (auto setting : kept)
        IniWrite(SettingsFile(), setting[0], setting[1], setting[2]);
    for (const char *key : kUpgradedKeys)
        IniWrite(SettingsFile(), "Reserved", key, "changed by the user");
    IniWrite(ModulePath("pellora.ini"), "Reserved", "URLName", NULL);
    Load();
    for (auto setting : kept)
        EXPECT_EQ(setting[2], Setting(setting[0], setting[1])) << setting[1];
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ(Default("Reserved", key) == "<missing>" ? "" : Default("Reserved", key), Setting("Reserved", key)) << key;
}

TEST_F(Startup, LanguageIsSeededOnlyWhenMissingOrBlank)
{
    Preset("MOH", "Language", "-1");
    Load();
    EXPECT_EQ("-1", Setting("MOH", "Language"));
    IniWrite(SettingsFile(), "MOH", "Language", "");
    Load();
    EXPECT_EQ(Default("MOH", "Language"), Setting("MOH", "Language"));
    IniWrite(SettingsFile(), "MOH", "Language", NULL);
    IniWrite(ModulePath("pellora.ini"), "MOH", "Language", "1033");
    Load();
    EXPECT_EQ("1033", Setting("MOH", "Language"));
}

TEST_F(Startup, WithoutADefaultFileOnlyTheBrandingKeysAndLanguageAreWritten)
{
    RemoveFile(ModulePath("pellora.ini"));
    Load();
    char sections[256] = "", keys[512] = "";
    DWORD length = GetPrivateProfileSectionNamesA(sections, sizeof sections, SettingsFile().c_str());
    EXPECT_EQ(std::string("Reserved\0MOH\0", 13), std::string(sections, length));
    GetPrivateProfileSectionA("MOH", keys, sizeof keys, SettingsFile().c_str());
    EXPECT_STREQ("Language=-1", keys);
    for (const char *key : kUpgradedKeys)
        EXPECT_EQ("", Setting("Reserved", key)) << key;
}

/* A chosen language's folder gives its files (a file it lacks keeps the module folder's copy) and
   its resources; none chosen (-1), or one without a folder, copies nothing. */
struct LanguageFiles {
    const char *language;
    bool lacksInfoText;
    const char *idleText;
};

void PrintTo(const LanguageFiles &c, std::ostream *out) { *out << c.language << (c.lacksInfoText ? " lacking" : ""); }

class ChosenLanguage : public Startup, public ::testing::WithParamInterface<LanguageFiles> {};

TEST_P(ChosenLanguage, CopiesTheFilesItsFolderHasAndLoadsItsResources)
{
    const bool german = GetParam().language == std::string("1031");
    std::string infoText = ModulePath("DEU\\infopane.ini");
    WriteFileBytes(ModulePath("infopane.dll"), "an older about library");
    std::string before[] = {ReadFileBytes(ModulePath("mohrc.dll")), "an older about library",
                            ReadFileBytes(ModulePath("infopane.ini"))};
    if (GetParam().lacksInfoText)
        MoveFileA(infoText.c_str(), (infoText + ".away").c_str());
    Preset("MOH", "Language", GetParam().language);
    Load();
    if (GetParam().lacksInfoText)
        MoveFileA((infoText + ".away").c_str(), infoText.c_str());
    const char *const files[] = {"mohrc.dll", "infopane.dll", "infopane.ini"};
    for (int i = 0; i < 3; ++i) {
        bool copied = german && !(i == 2 && GetParam().lacksInfoText);
        EXPECT_EQ(copied ? ReadFileBytes(ModulePath(std::string("DEU\\") + files[i])) : before[i],
                  ReadFileBytes(ModulePath(files[i]))) << files[i];
    }
    char idle[256] = "";
    LoadStringA(GetModuleHandleA("mohrc.dll"), IDS_IDLE, idle, sizeof idle);
    EXPECT_STREQ(GetParam().idleText, idle);
}

INSTANTIATE_TEST_SUITE_P(Languages, ChosenLanguage,
                         ::testing::Values(LanguageFiles{"1031", false, "Nicht verbunden."},
                                           LanguageFiles{"1031", true, "Nicht verbunden."},
                                           LanguageFiles{"-1", false, "Not connected."},
                                           LanguageFiles{"3076", false, "Not connected."}));  /* Chinese, Hong Kong */

TEST_F(Startup, TheHelpFileIsNamedAfterTheTitleWhenHelpNameIsEmpty)
{
    WriteFileBytes(ModulePath("DEU\\Modem.CHM"), "help in German");
    Preset("MOH", "Language", "1031");
    Preset("MOH", "HelpName", "");
    Preset("MOH", "TitleTxt", "Modem");
    Load();
    EXPECT_EQ("help in German", ReadFileBytes(ModulePath("Modem.CHM")));
    RemoveFile(ModulePath("DEU\\Modem.CHM"));
    RemoveFile(ModulePath("Modem.CHM"));
}

/* Each line one time-stamped line; language 0 traces the user's and the system's languages. */
TEST_F(Startup, LoadTimeTraceLinesCarryTheTimePrefix)
{
    for (const char *language : {"1031", "0"}) {
        TraceCapture trace;
        ResetProductFolder();
        Preset("MOH", "Language", language);
        Load();
        EXPECT_EQ(language[0] == '0', trace.HasPrefix("User default language ")) << language;
        EXPECT_EQ(language[0] == '0', trace.HasPrefix("System default language ")) << language;
        EXPECT_TRUE(trace.HasPrefix("Used Language ")) << language;
        EXPECT_TRUE(trace.Has("copy " + ModulePath("pellora.ini") + " file in " + SettingsFile() + " file"));
        EXPECT_TRUE(trace.Has("Update Reserved section"));
        for (const std::string &line : trace.Lines()) {
            EXPECT_TRUE(HasTimePrefix(line)) << line;
            EXPECT_EQ(std::string::npos, line.find_first_of("\r\n")) << line;
        }
        std::string version = trace.Messages().back();
        EXPECT_EQ(0u, version.find("Version ")) << version;
        EXPECT_EQ(std::string("Version " __DATE__ " 00:00:00").size(), version.size()) << version;
    }
}

/* The file trace as the library writes it: MoHlog.txt in the product folder, used only when it
   already exists, while the window trace of the "Dbs" viewer says what became of it. */
class Trace : public LibraryTest {
protected:
    /* The library in the host's loop traces a V.92 connection to the file; unloading closes it. */
    void Connect()
    {
        ASSERT_TRUE(library.Load());
        HWND window = library.Create(NULL, 0, FakeModem::Request);
        ASSERT_TRUE(window != NULL);
        modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_HSF;
        modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
        library.Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
        DestroyWindow(window);
        library.Unload();
    }

    TraceCapture capture;  /* before the library loads, as the library looks for the viewer then */
    const std::string log = ProductPath("MoHlog.txt");
};

TEST_F(Trace, AMissingTraceFileIsNeverCreated)
{
    Connect();
    EXPECT_FALSE(FileExists(log));
    EXPECT_TRUE(capture.Has(log + " doesn't exist"));
}

TEST_F(Trace, AnExistingTraceFileIsAppendedToWithTimeStampedCrLfLines)
{
    WriteFileBytes(log, "earlier run\r\n");
    Connect();
    std::string text = ReadFileBytes(log);
    ASSERT_EQ(0u, text.find("earlier run\r\n"));
    EXPECT_EQ("\r\n", text.substr(text.size() - 2));
    bool connected = false;
    for (size_t start = 13, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        EXPECT_TRUE(HasTimePrefix(line)) << line;
        connected = connected || line.substr(12) == "Modem Connected";
    }
    EXPECT_TRUE(connected) << text;
}

/* Another program reads the file and denies writers: it exists, but neither opens for writing nor
   can be created anew. */
TEST_F(Trace, AFileThatCannotBeOpenedForWritingIsReportedOnceAndThenIgnored)
{
    WriteFileBytes(log, "kept");
    HANDLE reader = CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    MessageBoxAnswerer answerer(IDOK);
    Connect();
    CloseHandle(reader);

    std::string expected = "Unable to create " + log + " file";
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(expected, answerer.Seen()[0].text);
    EXPECT_TRUE(capture.Has(expected));
    EXPECT_EQ("kept", ReadFileBytes(log));
}

}  // namespace
