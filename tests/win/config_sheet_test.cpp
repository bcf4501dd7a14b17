/* The configuration sheet of the real library: ConfigMOH runs the modal sheet on a thread of its
   own while the test acts on it as a user does (clicks, page changes, OK) and then reads the
   settings file, the Run registration and what the modem was told. */
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "canvas.h"
#include "library_test.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "RaredEdAdiv";

std::string RunValue()
{
    char data[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH;
    LONG status = RegGetValueA(HKEY_CURRENT_USER, kRunKey, kRunValue, RRF_RT_REG_SZ, NULL, data, &size);
    return status == ERROR_SUCCESS ? data : "<none>";
}

bool Checked(HWND page, int control) { return IsDlgButtonChecked(page, control) == BST_CHECKED; }
bool Enabled(HWND page, int control) { return IsWindowEnabled(GetDlgItem(page, control)) != FALSE; }
bool Visible(HWND page, int control) { return IsWindowVisible(GetDlgItem(page, control)) != FALSE; }
void Click(HWND page, int control) { SendMessageA(GetDlgItem(page, control), BM_CLICK, 0, 0); }
std::string Text(HWND window, int control) { return TextOf(GetDlgItem(window, control)); }

std::vector<std::string> SavedKeys(const std::vector<const char *> &keys)
{
    std::vector<std::string> values;
    for (const char *key : keys)
        values.push_back(IniRead(SettingsFile(), "MOH", key));
    return values;
}

int TabCount(HWND sheet) { return TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet)); }

/* What an item of the owner-drawn language list points to: a locale identifier and its name. */
struct LanguageItem {
    DWORD id;
    char name[256];
};

std::vector<const LanguageItem *> LanguageItems(HWND page)
{
    std::vector<const LanguageItem *> items(SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = (const LanguageItem *)SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETITEMDATA, i, 0);
    return items;
}

/* The selected language's identifier, -2 for none. */
int SelectedLanguage(HWND page)
{
    LRESULT index = SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -2 : (int)LanguageItems(page)[index]->id;
}

class ConfigSheet : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
    }
    void TearDown() override
    {
        if (IsWindow(sheet))
            Press(PSBTN_CANCEL);
        if (dialer.joinable())
            dialer.detach();  /* a sheet that would not close: the test has failed already */
        if (IsWindow(window))
            DestroyWindow(window);
        LibraryTest::TearDown();
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
    }
    /* ConfigMOH on a thread of its own, as a dialer's settings command calls it. */
    bool Open()
    {
        if (!library.loaded() && !library.Load())
            return false;
        dialer = std::thread([this] { result = library.Config(NULL); });
        return (sheet = WaitForDialog(String(IDS_CONFIG_CAPTION))) != NULL;
    }
    /* As a user opens it, from the main window of the library's own loop. */
    bool OpenFromWindow()
    {
        PostMessageA(loop.window(), WM_COMMAND, IDCMD_CONFIG, 0);
        return (sheet = WaitForDialog(String(IDS_CONFIG_CAPTION))) != NULL;
    }
    /* The page is created when it is first shown. */
    HWND Page(int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return PropSheet_GetCurrentPageHwnd(sheet);
    }
    /* Presses a button of the sheet; true once the sheet, and ConfigMOH, have ended. */
    bool Press(int button)
    {
        PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
        bool gone = WaitUntilGone(sheet);
        if (gone && dialer.joinable())
            dialer.join();
        return gone;
    }
    /* Opens the sheet, acts on a page and presses OK. */
    void OpenActOk(int page, const std::function<void(HWND)> &act)
    {
        ASSERT_TRUE(Open());
        act(Page(page));
        ASSERT_TRUE(Press(PSBTN_OK));
    }

    std::thread dialer;
    HWND sheet = NULL;
    HWND window = NULL;  /* the library's main window in the host's loop, when a test creates one */
    int result = -1;
};

/* The Language page is offered once a language has been chosen, the default language included;
   OK keeps the choice, listed or not. One sheet at a time; no Apply and no caption help button. */
struct LanguageCase {
    const char *language;
    int pages;
    int selected;
};

void PrintTo(const LanguageCase &param, std::ostream *out)
{
    *out << "Language " << (param.language ? param.language : "absent");
}

class ConfigSheetPages : public ConfigSheet, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(ConfigSheetPages, LanguagePageOnlyWhenALanguageIsChosen)
{
    const char *language = GetParam().language;
    Set("MOH", "Language", language);
    Set("MOH", "ShowAdvanced", "0");
    if (!language)  /* start-up seeds a missing choice from the default file, so it goes from both */
        IniWrite(ModulePath("pellora.ini"), "MOH", "Language", NULL);
    ASSERT_TRUE(Open());
    EXPECT_EQ(GetParam().pages, TabCount(sheet));
    EXPECT_EQ(0, GetWindowLongA(sheet, GWL_STYLE) & DS_CONTEXTHELP);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, IDHELP)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021))) << "no Apply Now button";
    EXPECT_FALSE(Visible(Page(0), IDC_QUICK_CONNECT)) << "quick connect is not offered";
    EXPECT_FALSE(Visible(Page(1), IDC_ADVANCED)) << "ShowAdvanced is off";
    EXPECT_EQ(0, library.Config(NULL)) << "a second sheet is refused";
    EXPECT_TRUE(IsWindowVisible(sheet));
    if (GetParam().pages == 3) {
        EXPECT_EQ(GetParam().selected, SelectedLanguage(Page(2)));
    }
    ASSERT_TRUE(Press(PSBTN_OK));
    EXPECT_NE(0, result);
    EXPECT_EQ(language ? language : "-1", Saved("Language")) << "a missing choice is stored as none";
}

INSTANTIATE_TEST_SUITE_P(Language, ConfigSheetPages,
                         ::testing::Values(LanguageCase{NULL, 2, 0}, LanguageCase{"-1", 2, 0}, LanguageCase{"0", 3, 0},
                                           LanguageCase{"1031", 3, 1031}, LanguageCase{"1111", 3, -2}));

/* Cancel writes nothing. One call rule at a time; OK writes every box, registers the host program
   to start with Windows and tells the modem the opposite of the quick-connect box; start-up off
   removes the registration. Disabling clears and locks the call rules; switching it back on frees
   the boxes as they are. The Hide keys hide their boxes. */
TEST_F(ConfigSheet, GeneralPageKeepsOneCallRuleAndWritesEveryBox)
{
    Set("MOH", "TitleTxt", "Modem Title");
    Set("MOH", "DisplayQuickConnect", "1");
    Set("MOH", "EnableQuickConnect", "1");
    ASSERT_TRUE(library.Load());
    ASSERT_TRUE((window = library.Create(NULL, 0, FakeModem::Request)) != NULL);
    const std::vector<const char *> keys = {"DisableMOH",    "AcceptAll", "IgnoreAll", "ScreenAll",
                                            "LoadAtStartup", "ShowOnSystray", "Minimize", "EnableQuickConnect"};
    const std::vector<std::string> defaults = SavedKeys(keys);
    ASSERT_TRUE(Open());
    Click(Page(0), IDC_DISABLE_MOH);
    Click(Page(1), IDC_SOUNDS_ENABLE);
    ASSERT_TRUE(Press(PSBTN_CANCEL));
    EXPECT_EQ(0, result);
    EXPECT_EQ(defaults, SavedKeys(keys));
    EXPECT_EQ("1", Saved("Enable", "Sounds"));

    modem.ClearLog();
    OpenActOk(0, [&](HWND page) {
        EXPECT_EQ("Modem Title", Text(page, IDC_TITLE_TEXT));
        EXPECT_TRUE(Checked(page, IDC_SCREEN_ALL) && Checked(page, IDC_QUICK_CONNECT));
        for (int control : {IDC_ACCEPT_ALL, IDC_IGNORE_ALL, IDC_LOAD_AT_STARTUP, IDC_MINIMIZE})
            Click(page, control);
    });
    EXPECT_EQ((std::vector<std::string>{"0", "0", "1", "0", "1", "0", "1", "1"}), SavedKeys(keys));
    EXPECT_EQ("Modem Title", Saved("TitleTxt"));
    EXPECT_EQ((std::vector<std::string>{"set 8=0"}), modem.Log());
    char program[MAX_PATH] = "";
    GetModuleFileNameA(NULL, program, sizeof program);
    EXPECT_EQ(program, RunValue()) << "the host program starts with Windows";

    modem.ClearLog();
    OpenActOk(0, [&](HWND page) {
        Click(page, IDC_LOAD_AT_STARTUP);
        Click(page, IDC_QUICK_CONNECT);
    });
    EXPECT_EQ((std::vector<std::string>{"0", "0", "1", "0", "0", "0", "1", "0"}), SavedKeys(keys));
    EXPECT_EQ((std::vector<std::string>{"set 8=1"}), modem.Log());
    EXPECT_EQ("<none>", RunValue());

    for (const char *key : {"DisableMOH", "AcceptAll", "HideAcceptAll", "HideDisableMOH"})
        Set("MOH", key, "1");
    OpenActOk(0, [&](HWND page) {
        EXPECT_FALSE(Visible(page, IDC_ACCEPT_ALL) || Visible(page, IDC_DISABLE_MOH));
        EXPECT_TRUE(Visible(page, IDC_IGNORE_ALL));
        for (int rule : {IDC_ACCEPT_ALL, IDC_IGNORE_ALL, IDC_SCREEN_ALL})
            EXPECT_FALSE(Checked(page, rule) || Enabled(page, rule)) << rule;
        Click(page, IDC_DISABLE_MOH);
        EXPECT_TRUE(Enabled(page, IDC_ACCEPT_ALL));
        Click(page, IDC_SCREEN_ALL);
        Click(page, IDC_DISABLE_MOH);
        EXPECT_FALSE(Checked(page, IDC_SCREEN_ALL) || Enabled(page, IDC_SCREEN_ALL));
    });
    EXPECT_EQ((std::vector<std::string>{"1", "0", "0", "0", "0", "0", "1", "0"}), SavedKeys(keys));
}

/* Sounds off lock the file controls; the path is written as it stands, even with sounds off. The
   keypad pages of the Advanced sheet take four characters. Help opens the help file over the sheet. */
TEST_F(ConfigSheet, SoundsPageWritesThePathAndBothSwitches)
{
    std::string path = "C:\\" + std::string(252, 'r') + ".wav";
    Set("Sounds", "Ring", path.c_str());
    Set("Sounds", "Enable", "0");
    OpenActOk(1, [&](HWND page) {
        EXPECT_EQ(path, Text(page, IDC_RING_FILE));
        /* The page draws its picture buttons: greyed while sounds are off, the picture a pixel
           right and down while pressed. */
        auto draw = [&](const Canvas &canvas, UINT action, UINT state) {
            HWND button = GetDlgItem(page, IDC_PLAY_SOUND);
            DRAWITEMSTRUCT item = {ODT_BUTTON, IDC_PLAY_SOUND, 0, action, state, button, canvas.dc(), {0, 0, 27, 25}, 0};
            SendMessageA(page, WM_DRAWITEM, IDC_PLAY_SOUND, (LPARAM)&item);
        };
        Canvas greyed(27, 25), up(27, 25), down(27, 25);
        draw(greyed, ODA_DRAWENTIRE, 0);
        for (bool on : {false, true, false}) {
            EXPECT_EQ(on, Checked(page, IDC_SOUNDS_ENABLE));
            for (int control : {IDC_RING_FILE, IDC_BROWSE_SOUND, IDC_PLAY_SOUND})
                EXPECT_EQ(on, Enabled(page, control)) << control;
            Click(page, IDC_SOUNDS_ENABLE);
        }
        draw(up, ODA_DRAWENTIRE, 0);
        draw(down, ODA_SELECT, ODS_SELECTED);
        int moved = 0, grey = 0;
        for (int y = 1; y <= 22; y++)
            for (int x = 1; x <= 24; x++) {
                moved += down.At(x + 1, y + 1) == up.At(x, y);
                grey += greyed.At(x, y) != up.At(x, y);
            }
        EXPECT_EQ(24 * 22, moved) << "the pressed picture";
        EXPECT_LT(24 * 22 / 10, grey) << "the greyed picture";
        for (int button : {IDC_BROWSE_SOUND, IDC_PLAY_SOUND})  /* fitted to their pictures */
            EXPECT_TRUE(SizeOf(GetDlgItem(page, button)).cx == 27 && SizeOf(GetDlgItem(page, button)).cy == 25) << button;
        Click(page, IDC_LOGON_DISPLAY);
        /* The Advanced sheet is modal: its button is pressed without waiting for it. */
        PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ADVANCED, BN_CLICKED), (LPARAM)GetDlgItem(page, IDC_ADVANCED));
        HWND advanced = WaitForDialog(String(IDS_CONFIG_CAPTION), sheet);
        ASSERT_TRUE(advanced != NULL);
        EXPECT_EQ(6, TabCount(advanced));
        HWND keypad = PropSheet_GetCurrentPageHwnd(advanced);
        for (int key : {IDC_KEYPAD_FIRST, IDC_KEYPAD_FIRST + 9, IDC_KEYPAD_LAST, IDC_KEYPAD_FIRST + 10})
            Click(keypad, key);
        EXPECT_EQ("1*#0", Text(keypad, IDC_KEYPAD_CODE));
        EXPECT_FALSE(Enabled(keypad, IDC_KEYPAD_FIRST) || Enabled(keypad, IDC_KEYPAD_LAST)) << "four characters at most";
        SetDlgItemTextA(keypad, IDC_KEYPAD_CODE, "1*#");
        EXPECT_TRUE(Enabled(keypad, IDC_KEYPAD_FIRST + 4));
        PostMessageA(advanced, PSM_PRESSBUTTON, PSBTN_OK, 0);
        EXPECT_TRUE(WaitUntilGone(advanced));
        EXPECT_TRUE(IsWindowVisible(sheet));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_HELP, 0);
        HWND help = NULL;
        ASSERT_TRUE(WaitFor([&] { return (help = FindWindowA("HH Parent", NULL)) != NULL; }));
        EXPECT_EQ("Pellora Modem on Hold Help", TextOf(help));
    });
    EXPECT_EQ(path, Saved("Ring", "Sounds"));
    EXPECT_EQ("1", Saved("Enable", "Sounds"));
    EXPECT_EQ("1", Saved("LogonDisplay", "Reserved"));
}

/* From the main window of the library's own loop. The same language is written again without a
   rebuild. The list offers the default entry, then the installed languages by name; another one
   closes the window without asking and brings it back from the new language's resource module,
   still talking to the same modem; its own exit then asks, in the new language, and ends the loop. */
TEST_F(ConfigSheet, ChoosingAnotherLanguageRebuildsTheWindowInIt)
{
    Set("MOH", "Language", "0");
    ASSERT_TRUE(loop.Start());
    HWND first = loop.window();
    ASSERT_TRUE(OpenFromWindow());
    Page(2);
    IniWrite(SettingsFile(), "MOH", "Language", "00");
    ASSERT_TRUE(Press(PSBTN_OK));
    /* Posted commands run in order: once the sheet is back, anything the apply posted has run. */
    ASSERT_TRUE(OpenFromWindow());
    EXPECT_EQ("0", Saved("Language"));
    EXPECT_EQ(first, loop.window());
    EXPECT_TRUE(IsWindowVisible(first));

    HWND page = Page(2);
    std::vector<const LanguageItem *> items = LanguageItems(page);
    std::vector<std::string> names;
    for (const LanguageItem *item : items)
        names.push_back(item->name);
    ASSERT_LT(2u, names.size());
    EXPECT_EQ(0u, items[0]->id);
    EXPECT_EQ(String(IDS_DEFAULT_LANGUAGE), names[0]);
    EXPECT_TRUE(std::is_sorted(names.begin() + 1, names.end())) << "listed by name";
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->id == 1031)
            SendDlgItemMessageA(page, IDC_LANGUAGE_LIST, CB_SETCURSEL, i, 0);
    ASSERT_EQ(1031, SelectedLanguage(page)) << "German is installed";
    modem.ClearLog();
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntilGone(first)) << "the window closes without asking";
    HWND rebuilt = NULL;
    ASSERT_TRUE(WaitFor([&] { return (rebuilt = loop.window()) != NULL; }));
    SendMessageA(rebuilt, WM_NULL, 0, 0);  /* once it answers, its start-up requests are made */
    EXPECT_EQ("1031", Saved("Language"));
    EXPECT_EQ("Anrufer:", Text(rebuilt, IDC_CALLER_LABEL));
    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\mohrc.dll")), ReadFileBytes(ModulePath("mohrc.dll")));
    ASSERT_FALSE(modem.calls.empty());
    EXPECT_EQ((DWORD)MOH_ITEM_DIAG_STATE, modem.calls.front().item);

    MessageBoxAnswerer answerer(IDYES);
    PostMessageA(rebuilt, WM_COMMAND, IDCMD_EXIT, 0);
    ASSERT_TRUE(loop.Ended());
    ASSERT_EQ(1u, answerer.Seen().size()) << "the rebuilt window's exit alone asks";
    EXPECT_NE(std::string::npos, answerer.Seen()[0].text.find("wirklich"));
}

}  // namespace
