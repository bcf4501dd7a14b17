/* The configuration sheet of the real library: ConfigMOH runs the modal sheet on a thread of its
   own while the test acts on it as a user does (clicks, page changes, OK) and then reads the
   settings file and the Run registration. */
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <prsht.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_modem.h"
#include "library_under_test.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "RaredEdAdiv";

/* What a language list item's data points to: a locale identifier and its name. */
struct LanguageItem {
    DWORD id;
    char name[256];
};

struct SheetSearch {
    std::string caption;
    HWND skip;
    HWND found;
};

BOOL CALLBACK FindSheetWindow(HWND window, LPARAM param)
{
    SheetSearch *search = (SheetSearch *)param;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    char caption[128] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && window != search->skip && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window) && search->caption == caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

/* Bounded wait for a shown sheet with that caption other than skip. */
HWND WaitForSheet(const std::string &caption, HWND skip = NULL)
{
    for (int i = 0; i < 2000; ++i, Sleep(5)) {
        SheetSearch search = {caption, skip, NULL};
        EnumWindows(FindSheetWindow, (LPARAM)&search);
        if (search.found)
            return search.found;
    }
    return NULL;
}

std::string RunValue()
{
    char data[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS)
        return "<none>";
    return type == REG_SZ ? data : "<not text>";
}

void DeleteRunValue()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, kRunValue);
        RegCloseKey(key);
    }
}

bool Checked(HWND page, int control) { return IsDlgButtonChecked(page, control) == BST_CHECKED; }
bool Enabled(HWND page, int control) { return IsWindowEnabled(GetDlgItem(page, control)) != FALSE; }
bool Visible(HWND page, int control) { return IsWindowVisible(GetDlgItem(page, control)) != FALSE; }
void Click(HWND page, int control) { SendMessageA(GetDlgItem(page, control), BM_CLICK, 0, 0); }

std::string Text(HWND window, int control)
{
    char text[512] = "";
    GetDlgItemTextA(window, control, text, sizeof text);
    return text;
}

std::vector<std::string> TabTitles(HWND sheet)
{
    HWND tabs = (HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0);
    std::vector<std::string> titles;
    int count = (int)SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, (LPARAM)&item);
        titles.push_back(text);
    }
    return titles;
}

std::vector<const LanguageItem *> LanguageItems(HWND page)
{
    std::vector<const LanguageItem *> items;
    int count = (int)SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        items.push_back((const LanguageItem *)SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETITEMDATA, i, 0));
    return items;
}

int SelectedLanguage(HWND page)
{
    LRESULT index = SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return -2;
    return (int)((const LanguageItem *)SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETITEMDATA, index, 0))->id;
}

void SelectLanguage(HWND page, DWORD id)
{
    std::vector<const LanguageItem *> items = LanguageItems(page);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->id == id)
            SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_SETCURSEL, i, 0);
}

class ConfigSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetModuleFolder();
        StartFromDefaultSettings();
        Set("Reserved", "LogonDisplay", "0");
        DeleteRunValue();
        modem.values[MOH_ITEM_DIAG_STATE] = DIAG_IDLE;
    }
    void TearDown() override
    {
        if (thread) {
            if (IsWindow(sheet))
                PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            if (IsWindow(window) && loop)
                PostMessageA(window, WM_DESTROY, 0, 0);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        }
        if (IsWindow(window) && !loop)
            DestroyWindow(window);
        library.Unload();
        DeleteRunValue();
        ResetModuleFolder();
        ResetProductFolder();
    }
    void Set(const char *section, const char *key, const char *value) { IniWrite(SettingsFile(), section, key, value); }
    std::string Saved(const char *key, const char *section = "MOH") { return IniRead(SettingsFile(), section, key); }
    std::string String(UINT id)
    {
        char text[256] = "";
        LoadStringA(GetModuleHandleA("mohrc.dll"), id, text, sizeof text);
        return text;
    }

    static DWORD WINAPI RunSheet(void *param)
    {
        ConfigSheet *test = (ConfigSheet *)param;
        test->result = test->library.Config(NULL);
        return 0;
    }
    static DWORD WINAPI RunLibraryLoop(void *param)
    {
        ConfigSheet *test = (ConfigSheet *)param;
        test->library.Create(NULL, 1, FakeModem::Request);
        return 0;
    }
    /* ConfigMOH on its own thread, as a dialer's settings command calls it. */
    bool Open()
    {
        if (!library.loaded() && !library.Load())
            return false;
        thread = CreateThread(NULL, 0, RunSheet, this, 0, NULL);
        sheet = WaitForSheet(String(IDS_CONFIG_CAPTION));
        return sheet != NULL;
    }
    /* The page is created when it is first shown. */
    HWND Page(int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    }
    bool Closed() { return WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0; }
    bool PressOk()
    {
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return Closed();
    }

    FakeModem modem;
    LibraryUnderTest library;
    HANDLE thread = NULL;
    HWND sheet = NULL;
    HWND window = NULL;  /* the library's main window, when a test creates one */
    bool loop = false;
    int result = -1;
};

/* The Language page is offered once a language has been chosen, the default language included. */
struct PageCase {
    const char *language;
    size_t pages;
};

void PrintTo(const PageCase &param, std::ostream *out)
{
    *out << "Language " << (param.language ? param.language : "absent");
}

class ConfigSheetPages : public ConfigSheet, public ::testing::WithParamInterface<PageCase> {};

TEST_P(ConfigSheetPages, LanguagePageOnlyWhenALanguageIsChosen)
{
    if (GetParam().language) {
        Set("MOH", "Language", GetParam().language);
    } else {
        /* Start-up seeds a missing choice from the default file, so it goes from both. */
        Set("MOH", "Language", NULL);
        IniWrite(ModulePath("pellora.ini"), "MOH", "Language", NULL);
    }
    ASSERT_TRUE(Open());
    std::vector<std::string> expected = {String(IDS_CONFIG_GENERAL), String(IDS_CONFIG_SOUNDS), String(IDS_CONFIG_LANGUAGE)};
    expected.resize(GetParam().pages);
    EXPECT_EQ(expected, TabTitles(sheet));
    EXPECT_EQ(0, (int)SendMessageA((HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0), TCM_GETCURSEL, 0, 0));
    EXPECT_EQ(0, GetWindowLongA(sheet, GWL_STYLE) & DS_CONTEXTHELP) << "no caption help button";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, IDHELP))) << "the page offers help";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021))) << "no Apply Now button";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(Closed());
}

INSTANTIATE_TEST_SUITE_P(Language, ConfigSheetPages,
                         ::testing::Values(PageCase{NULL, 2}, PageCase{"-1", 2}, PageCase{"0", 3}, PageCase{"1031", 3}));

TEST_F(ConfigSheet, ASecondSheetIsRefusedWhileOneIsOpen)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(0, library.Config(NULL));
    EXPECT_TRUE(IsWindowVisible(sheet));
    ASSERT_TRUE(PressOk());
    EXPECT_NE(0, result);
}

TEST_F(ConfigSheet, GeneralPageKeepsOneCallRuleAndWritesEveryBox)
{
    Set("MOH", "TitleTxt", "Modem Title");
    std::string quickConnect = Saved("EnableQuickConnect");
    ASSERT_TRUE(Open());
    HWND page = Page(0);
    EXPECT_EQ("Modem Title", Text(page, IDC_TITLE_TEXT));
    EXPECT_TRUE(Checked(page, IDC_SCREEN_ALL)) << "screen-all is on by default";
    EXPECT_FALSE(Visible(page, IDC_QUICK_CONNECT));

    Click(page, IDC_ACCEPT_ALL);
    EXPECT_FALSE(Checked(page, IDC_SCREEN_ALL));
    Click(page, IDC_IGNORE_ALL);
    EXPECT_FALSE(Checked(page, IDC_ACCEPT_ALL));
    EXPECT_TRUE(Checked(page, IDC_IGNORE_ALL));
    Click(page, IDC_LOAD_AT_STARTUP);
    Click(page, IDC_MINIMIZE);
    ASSERT_TRUE(PressOk());

    EXPECT_EQ("0", Saved("DisableMOH"));
    EXPECT_EQ("0", Saved("AcceptAll"));
    EXPECT_EQ("1", Saved("IgnoreAll"));
    EXPECT_EQ("0", Saved("ScreenAll"));
    EXPECT_EQ("1", Saved("LoadAtStartup"));
    EXPECT_EQ("0", Saved("ShowOnSystray"));
    EXPECT_EQ("1", Saved("Minimize"));
    EXPECT_EQ("Modem Title", Saved("TitleTxt"));
    EXPECT_EQ(quickConnect, Saved("EnableQuickConnect")) << "quick connect is not offered";
    char program[MAX_PATH] = "";
    GetModuleFileNameA(NULL, program, sizeof program);
    EXPECT_EQ(program, RunValue()) << "the host program starts with Windows";

    /* Switching it off again removes the registration. */
    CloseHandle(thread);
    ASSERT_TRUE(Open());
    page = Page(0);
    EXPECT_TRUE(Checked(page, IDC_IGNORE_ALL));
    EXPECT_TRUE(Checked(page, IDC_LOAD_AT_STARTUP));
    Click(page, IDC_LOAD_AT_STARTUP);
    ASSERT_TRUE(PressOk());
    EXPECT_EQ("0", Saved("LoadAtStartup"));
    EXPECT_EQ("<none>", RunValue());
}

TEST_F(ConfigSheet, DisablingModemOnHoldClearsAndLocksTheCallRules)
{
    Set("MOH", "DisableMOH", "1");
    Set("MOH", "AcceptAll", "1");
    ASSERT_TRUE(Open());
    HWND page = Page(0);
    for (int rule : {IDC_ACCEPT_ALL, IDC_IGNORE_ALL, IDC_SCREEN_ALL}) {
        EXPECT_FALSE(Checked(page, rule)) << rule;
        EXPECT_FALSE(Enabled(page, rule)) << rule;
    }
    /* Switching it back on frees the boxes as they are; on again clears them. */
    Click(page, IDC_DISABLE_MOH);
    EXPECT_TRUE(Enabled(page, IDC_ACCEPT_ALL));
    Click(page, IDC_SCREEN_ALL);
    Click(page, IDC_DISABLE_MOH);
    EXPECT_FALSE(Checked(page, IDC_SCREEN_ALL));
    EXPECT_FALSE(Enabled(page, IDC_SCREEN_ALL));
    ASSERT_TRUE(PressOk());
    EXPECT_EQ("1", Saved("DisableMOH"));
    EXPECT_EQ("0", Saved("AcceptAll"));
    EXPECT_EQ("0", Saved("IgnoreAll"));
    EXPECT_EQ("0", Saved("ScreenAll"));
}

TEST_F(ConfigSheet, CancelWritesNothing)
{
    ASSERT_TRUE(Open());
    HWND page = Page(0);
    Click(page, IDC_DISABLE_MOH);
    Click(page, IDC_SHOW_ON_SYSTRAY);
    Click(Page(1), IDC_SOUNDS_ENABLE);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(0, result);
    EXPECT_EQ("0", Saved("DisableMOH"));
    EXPECT_EQ("0", Saved("ShowOnSystray"));
    EXPECT_EQ("1", Saved("Enable", "Sounds"));
}

TEST_F(ConfigSheet, HideKeysHideTheirBoxes)
{
    Set("MOH", "HideAcceptAll", "1");
    Set("MOH", "HideDisableMOH", "1");
    ASSERT_TRUE(Open());
    HWND page = Page(0);
    EXPECT_FALSE(Visible(page, IDC_ACCEPT_ALL));
    EXPECT_FALSE(Visible(page, IDC_DISABLE_MOH));
    EXPECT_TRUE(Visible(page, IDC_IGNORE_ALL));
    ASSERT_TRUE(PressOk());
    EXPECT_EQ("1", Saved("HideAcceptAll"));
    EXPECT_EQ("0", Saved("AcceptAll"));
}

/* The modem is told the opposite of the box; the stored key follows the box. */
TEST_F(ConfigSheet, QuickConnectSendsTheInverseAndStoresTheBox)
{
    Set("MOH", "DisplayQuickConnect", "1");
    Set("MOH", "EnableQuickConnect", "1");
    ASSERT_TRUE(library.Load());
    window = library.Create(NULL, 0, FakeModem::Request);
    ASSERT_TRUE(window != NULL);
    for (bool leaveChecked : {true, false}) {
        modem.ClearLog();
        ASSERT_TRUE(Open());
        HWND page = Page(0);
        EXPECT_TRUE(Visible(page, IDC_QUICK_CONNECT));
        EXPECT_EQ(leaveChecked, Checked(page, IDC_QUICK_CONNECT));
        ASSERT_TRUE(PressOk());
        CloseHandle(thread);
        thread = NULL;
        ASSERT_EQ(1u, modem.calls.size());
        EXPECT_EQ((DWORD)MOH_OP_SET, modem.calls[0].op);
        EXPECT_EQ((DWORD)MOH_DATA_DWORD, modem.calls[0].dataKind);
        EXPECT_EQ((DWORD)MOH_ITEM_QUICK_CONNECT, modem.calls[0].item);
        EXPECT_EQ(leaveChecked ? 0u : 1u, modem.calls[0].valueIn);
        EXPECT_EQ(leaveChecked ? "1" : "0", Saved("EnableQuickConnect"));
        /* The next round clears the box. */
        Set("MOH", "EnableQuickConnect", "0");
    }
}

TEST_F(ConfigSheet, SoundsPageWritesThePathEvenWithSoundsOff)
{
    std::string path = "C:\\" + std::string(252, 'r') + ".wav";
    ASSERT_EQ(259u, path.size());
    Set("Sounds", "Ring", path.c_str());
    Set("Sounds", "Enable", "0");
    ASSERT_TRUE(Open());
    HWND page = Page(1);
    EXPECT_EQ(path, Text(page, IDC_RING_FILE));
    EXPECT_FALSE(Checked(page, IDC_SOUNDS_ENABLE));
    for (int control : {IDC_RING_FILE, IDC_BROWSE_SOUND, IDC_PLAY_SOUND})
        EXPECT_FALSE(Enabled(page, control)) << control;
    EXPECT_TRUE(Visible(page, IDC_ADVANCED));
    RECT button;
    GetClientRect(GetDlgItem(page, IDC_PLAY_SOUND), &button);
    EXPECT_EQ(27, button.right) << "fitted to its bitmap";
    EXPECT_EQ(25, button.bottom);
    for (int control : {(int)IDCMD_PHONEBOOK, IDC_SOUNDS_SPARE_TEXT, IDC_SOUNDS_SPARE_BUTTON})
        EXPECT_FALSE(Visible(page, control)) << control;
    Click(page, IDC_LOGON_DISPLAY);
    ASSERT_TRUE(PressOk());
    EXPECT_EQ(path, Saved("Ring", "Sounds"));
    EXPECT_EQ("0", Saved("Enable", "Sounds"));
    EXPECT_EQ("1", Saved("LogonDisplay", "Reserved"));
}

TEST_F(ConfigSheet, SoundsSwitchFreesTheFileControlsAndAnEmptyPathIsWritten)
{
    Set("MOH", "ShowAdvanced", "0");
    Set("Reserved", "LogonDisplay", "1");
    ASSERT_TRUE(Open());
    HWND page = Page(1);
    EXPECT_FALSE(Visible(page, IDC_ADVANCED));
    EXPECT_TRUE(Checked(page, IDC_LOGON_DISPLAY));
    EXPECT_TRUE(Enabled(page, IDC_PLAY_SOUND));
    Click(page, IDC_SOUNDS_ENABLE);
    EXPECT_FALSE(Enabled(page, IDC_PLAY_SOUND));
    Click(page, IDC_SOUNDS_ENABLE);
    EXPECT_TRUE(Enabled(page, IDC_BROWSE_SOUND));
    Click(page, IDC_LOGON_DISPLAY);
    ASSERT_TRUE(PressOk());
    EXPECT_EQ("", Saved("Ring", "Sounds"));
    EXPECT_EQ("1", Saved("Enable", "Sounds"));
    EXPECT_EQ("0", Saved("LogonDisplay", "Reserved"));
}

/* The open-file dialog offers the language's filter; the chosen file replaces the path. */
TEST_F(ConfigSheet, BrowsingPutsTheChosenFileIntoThePath)
{
    Set("Sounds", "Ring", "old.wav");
    ASSERT_TRUE(Open());
    HWND page = Page(1);
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BROWSE_SOUND, BN_CLICKED), (LPARAM)GetDlgItem(page, IDC_BROWSE_SOUND));
    HWND files = NULL;
    for (int i = 0; i < 2000 && !files; ++i, Sleep(5)) {
        HWND found = GetLastActivePopup(sheet);
        files = found != sheet && IsWindowVisible(found) ? found : NULL;
    }
    ASSERT_TRUE(files != NULL);
    EXPECT_EQ(sheet, GetParent(files)) << "owned by the page's sheet";
    char filter[64] = "";
    SendDlgItemMessageA(files, cmb1, CB_GETLBTEXT, 0, (LPARAM)filter);
    EXPECT_STREQ("Wave files (*.wav)", filter);
    std::string chosen = ModulePath("logon.bmp");
    HWND name = GetDlgItem(files, cmb13) ? GetDlgItem(files, cmb13) : GetDlgItem(files, edt1);
    SetWindowTextA(name, chosen.c_str());
    PostMessageA(files, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 2000 && IsWindow(files); ++i)
        Sleep(5);
    EXPECT_EQ(chosen, Text(page, IDC_RING_FILE));
    ASSERT_TRUE(PressOk());
    EXPECT_EQ(chosen, Saved("Ring", "Sounds"));
}

TEST_F(ConfigSheet, KeypadPagesTakeFourCharacters)
{
    ASSERT_TRUE(Open());
    HWND page = Page(1);
    /* The Advanced sheet is modal: its button is pressed without waiting for it. */
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ADVANCED, BN_CLICKED), (LPARAM)GetDlgItem(page, IDC_ADVANCED));
    HWND advanced = WaitForSheet(String(IDS_CONFIG_CAPTION), sheet);
    ASSERT_TRUE(advanced != NULL);
    std::vector<std::string> titles = TabTitles(advanced);
    ASSERT_EQ(6u, titles.size());
    EXPECT_EQ(String(IDS_KEYPAD_PAGE1), titles[0]);
    EXPECT_EQ(String(IDS_KEYPAD_PAGE6), titles[5]);

    HWND keypad = (HWND)SendMessageA(advanced, PSM_GETCURRENTPAGEHWND, 0, 0);
    EXPECT_EQ("", Text(keypad, IDC_KEYPAD_CODE));
    for (int key : {IDC_KEYPAD_FIRST, IDC_KEYPAD_FIRST + 9, IDC_KEYPAD_LAST, IDC_KEYPAD_FIRST + 10})
        Click(keypad, key);
    EXPECT_EQ("1*#0", Text(keypad, IDC_KEYPAD_CODE));
    for (int key = IDC_KEYPAD_FIRST; key <= IDC_KEYPAD_LAST; ++key)
        EXPECT_FALSE(Enabled(keypad, key)) << key;
    SetDlgItemTextA(keypad, IDC_KEYPAD_CODE, "1*#");
    EXPECT_TRUE(Enabled(keypad, IDC_KEYPAD_FIRST + 4));

    PostMessageA(advanced, PSM_PRESSBUTTON, PSBTN_OK, 0);
    for (int i = 0; i < 2000 && IsWindow(advanced); ++i)
        Sleep(5);
    EXPECT_FALSE(IsWindow(advanced));
    EXPECT_TRUE(IsWindowVisible(sheet));
    ASSERT_TRUE(PressOk());
}

/* Every candidate whose locale is installed here, by name, after the default entry. */
TEST_F(ConfigSheet, LanguagePageListsInstalledLanguagesDefaultFirst)
{
    Set("MOH", "Language", "0");
    ASSERT_TRUE(Open());
    HWND page = Page(2);
    std::vector<const LanguageItem *> items = LanguageItems(page);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(0u, items[0]->id);
    EXPECT_EQ(String(IDS_DEFAULT_LANGUAGE), items[0]->name);
    EXPECT_EQ(0, SelectedLanguage(page));

    const DWORD candidates[] = {1033, 1036, 1040, 1034, 1041, 1031, 12289, 2052, 1028, 1029, 1043, 1035, 1032, 1042,
                                1044, 1045, 2070, 1046, 1049, 1037, 1038, 1051, 1060, 1053, 1054, 1055, 1030};
    std::vector<std::string> expected;
    for (DWORD id : candidates) {
        if (!IsValidLocale(id, LCID_INSTALLED))
            continue;
        char name[256] = "";
        GetLocaleInfoA(id, LOCALE_SLANGUAGE, name, sizeof name);
        expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> listed;
    for (size_t i = 1; i < items.size(); ++i)
        listed.push_back(items[i]->name);
    EXPECT_EQ(expected, listed);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ("0", Saved("Language"));
}

TEST_F(ConfigSheet, AnUnlistedLanguageLeavesNoSelectionAndApplyKeepsIt)
{
    Set("MOH", "Language", "1111");
    ASSERT_TRUE(Open());
    EXPECT_EQ(-2, SelectedLanguage(Page(2)));
    ASSERT_TRUE(PressOk());
    EXPECT_EQ("1111", Saved("Language"));
}

/* From the main window of the library's own loop, as a user opens the sheet. */
class FromMainWindow : public ConfigSheet {
protected:
    bool StartLoop()
    {
        loop = true;
        if (!library.Load())
            return false;
        thread = CreateThread(NULL, 0, RunLibraryLoop, this, 0, NULL);
        window = WaitForSheet("Pellora Modem on Hold");
        return window != NULL;
    }
    bool OpenFromWindow()
    {
        PostMessageA(window, WM_COMMAND, IDCMD_CONFIG, 0);
        sheet = WaitForSheet(String(IDS_CONFIG_CAPTION));
        return sheet != NULL;
    }
    HWND LanguagePage() { return OpenFromWindow() ? Page(2) : NULL; }
    bool WaitUntilGone(HWND gone)
    {
        for (int i = 0; i < 2000 && IsWindow(gone); ++i)
            Sleep(5);
        return !IsWindow(gone);
    }
};

TEST_F(FromMainWindow, AnotherLanguageRebuildsTheWindowInIt)
{
    Set("MOH", "Language", "1033");
    ASSERT_TRUE(StartLoop());
    HWND page = LanguagePage();
    ASSERT_TRUE(page != NULL);
    EXPECT_EQ(1033, SelectedLanguage(page));
    SelectLanguage(page, 1031);
    ASSERT_EQ(1031, SelectedLanguage(page)) << "German is installed";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(window)) << "the window closes without asking";
    HWND rebuilt = WaitForSheet("Pellora Modem on Hold");
    ASSERT_TRUE(rebuilt != NULL);
    window = rebuilt;
    EXPECT_EQ("1031", Saved("Language"));
    EXPECT_EQ("Anrufer:", Text(rebuilt, IDC_CALLER_LABEL));
}

TEST_F(FromMainWindow, TheSameLanguageIsWrittenAgainWithoutARebuild)
{
    Set("MOH", "Language", "0");
    ASSERT_TRUE(StartLoop());
    HWND page = LanguagePage();
    ASSERT_TRUE(page != NULL);
    EXPECT_EQ(0, SelectedLanguage(page));
    IniWrite(SettingsFile(), "MOH", "Language", "00");
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    MessageBoxAnswerer answerer(IDNO);
    /* Posted commands run in order: once the sheet is back, anything the apply posted has run. */
    ASSERT_TRUE(OpenFromWindow());
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntilGone(sheet));
    EXPECT_EQ("0", Saved("Language"));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(answerer.Seen().empty()) << "no exit was asked for";
}

TEST_F(FromMainWindow, HelpOpensTheConfigurationTopic)
{
    ASSERT_TRUE(StartLoop());
    ASSERT_TRUE(OpenFromWindow());
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
    HWND help = NULL;
    for (int i = 0; i < 2000 && !help; ++i, Sleep(5))
        help = FindWindowA("HH Parent", NULL);
    ASSERT_TRUE(help != NULL);
    char title[128] = "";
    GetWindowTextA(help, title, sizeof title);
    EXPECT_STREQ("Pellora Modem on Hold Help", title);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(WaitUntilGone(sheet));
    EXPECT_TRUE(IsWindowVisible(window));
}

}  // namespace
