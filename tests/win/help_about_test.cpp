/* Help and about box: the help file opens from the status window at its default topic and at
   the context numbers the other windows use, and closes with the status window; the about box
   of the about library shows what the modem tells about itself. The library's objects are
   linked in, so that the contexts of windows built elsewhere can be asked for directly. */
#include <string>
#include <thread>
#include <vector>

#include "help_about.h"
#include "library_test.h"
#include "main_window.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"
#include "startup.h"
#include "../../libs/infopane/infopane_res.h"

namespace {

const char kHelpTitle[] = "Pellora Modem on Hold Help";
const char kAboutTitle[] = "About Pellora Modem on Hold";

void Pump(int turns)
{
    MSG message;
    for (int i = 0; i < turns; ++i) {
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(5);
    }
}

class HelpAndAbout : public LibraryTest {
protected:
    void TearDown() override
    {
        CloseHelpWindow();
        if (IsWindow(window))
            DestroyWindow(window);
        LibraryTest::TearDown();
    }
    void Start()
    {
        ModuleStartup();
        window = CreateMOH(NULL, 0, FakeModem::Request);
        ASSERT_NE(nullptr, window);
    }
    /* The viewer keeps state per window, so it is closed the way the library closes it. */
    void CloseHelpWindow()
    {
        for (int i = 0; i < 200 && FindWindowA("HH Parent", NULL); ++i) {
            CloseHelp();
            Pump(2);
        }
    }
    HWND HelpWindow()
    {
        Pump(10);
        return FindWindowA("HH Parent", NULL);
    }

    HWND window = NULL;
};

/* The Help command opens the default topic, owned by the status window; each context of the
   other windows has a topic and an unknown one none. */
TEST_F(HelpAndAbout, EveryContextHasATopicAndCloseHelpClosesIt)
{
    Start();
    for (int context : {(int)HELP_DEFAULT_TOPIC, (int)HELP_PHONE_BOOK, (int)HELP_CONFIGURATION, (int)HELP_CALL_LOG}) {
        if (context == HELP_DEFAULT_TOPIC)
            SendMessageA(window, WM_COMMAND, IDCMD_HELP, 0);
        else
            ShowHelp(window, context);
        HWND help = HelpWindow();
        ASSERT_NE(nullptr, help) << "context " << context;
        EXPECT_EQ(kHelpTitle, TextOf(help));
        EXPECT_EQ(window, GetWindow(help, GW_OWNER));
        CloseHelp();
        Pump(20);
        EXPECT_FALSE(IsWindow(help));
    }
    CloseHelp();  /* nothing to close: no harm */
    ShowHelp(window, 99);
    EXPECT_EQ(nullptr, HelpWindow());
}

/* What the about box showed, read by a helper thread while the box is open. */
struct SeenAbout {
    std::string title, product, modem, port, family;
    bool second = false;
};

HWND FindAboutBox(HWND skip = NULL)
{
    return FindShown([](HWND w) { return GetDlgItem(w, IDC_ABOUT_FAMILY) != NULL; }, skip);
}

/* Waits for the about box, reads it, optionally asks for a second one through the status window
   while it is open, then presses OK. */
void WatchAbout(SeenAbout *seen, HWND mainWindow, bool askAgain)
{
    HWND box = NULL;
    if (!WaitFor([&] { return (box = FindAboutBox()) != NULL; }))
        return;
    if (askAgain) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(mainWindow, WM_CONTEXTMENU, (WPARAM)mainWindow, 0, SMTO_NORMAL, 5000, &result);
        Sleep(50);
        seen->second = FindAboutBox(box) != NULL;
    }
    *seen = {TextOf(box), TextOf(GetDlgItem(box, IDC_ABOUT_PRODUCT)), TextOf(GetDlgItem(box, IDC_ABOUT_MODEM)),
             TextOf(GetDlgItem(box, IDC_ABOUT_PORT)), TextOf(GetDlgItem(box, IDC_ABOUT_FAMILY)), seen->second};
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class AboutBox : public HelpAndAbout {
protected:
    /* The box is modal: the message returns only once it is closed. */
    SeenAbout Show(UINT message, WPARAM wParam, bool askAgain = false)
    {
        SeenAbout seen;
        std::thread watcher(WatchAbout, &seen, window, askAgain);
        modem.ClearLog();
        SendMessageA(window, message, wParam, 0);
        watcher.join();
        EXPECT_EQ(nullptr, FindAboutBox());
        return seen;
    }
};

/* From the context menu or the About command; a second request while the box is open shows no
   second box; without the modem's name nothing of the modem is shown; in the language of the
   ini file beside the about library. */
TEST_F(AboutBox, ShowsTheModemsNamePortAndFamily)
{
    modem.texts[MOH_ITEM_MODEM_NAME] = "Corvane V.92 Data Fax Modem";
    modem.values[MOH_ITEM_COM_PORT] = 3;
    modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_ACF;
    Start();
    SeenAbout seen = Show(WM_CONTEXTMENU, (WPARAM)window, true);
    EXPECT_FALSE(seen.second);
    EXPECT_EQ((std::vector<std::string>{kAboutTitle, "Pellora Modem on Hold", "Corvane V.92 Data Fax Modem", "COM3",
                                        "Family Type ACF"}),
              (std::vector<std::string>{seen.title, seen.product, seen.modem, seen.port, seen.family}));
    EXPECT_EQ((std::vector<std::string>{"get 3", "get 89", "get 2"}), modem.Log());

    const char *const names[] = {"Family Type HSF", "Family Type HCF", "Family Type ACF", "not available"};
    for (DWORD family : {0u, 1u, 3u}) {
        modem.values[MOH_ITEM_FAMILY] = family;
        EXPECT_EQ(names[family], Show(WM_COMMAND, IDCMD_ABOUT).family);
    }
    modem.results[MOH_ITEM_MODEM_NAME] = 0;
    seen = Show(WM_CONTEXTMENU, (WPARAM)window);
    EXPECT_EQ((std::vector<std::string>{"not available", "not available", "not available"}),
              (std::vector<std::string>{seen.modem, seen.port, seen.family}));

    /* The texts come from the ini file beside the about library. */
    CopyFileOver(ModulePath("DEU\\infopane.ini"), ModulePath("infopane.ini"));
    seen = Show(WM_CONTEXTMENU, (WPARAM)window);
    EXPECT_EQ("Info \xFC" "ber Pellora Modem on Hold", seen.title);
    EXPECT_EQ("nicht verf\xFCgbar", seen.port);
}

/* Last, as the viewer under test keeps no usable state after its window went with its owner. */
class HelpWithTheStatusWindow : public HelpAndAbout {};

TEST_F(HelpWithTheStatusWindow, GoesWhenTheStatusWindowCloses)
{
    Start();
    SendMessageA(window, WM_COMMAND, IDCMD_HELP, 0);
    HWND help = HelpWindow();
    ASSERT_NE(nullptr, help);
    DestroyWindow(window);
    Pump(20);
    EXPECT_FALSE(IsWindow(help));
}

}  // namespace
