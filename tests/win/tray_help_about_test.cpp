/* What the status window shows outside itself: the notification-area icon (which icon the ring
   animation and the blink on hold choose, when it appears and goes); the help file, opened from
   the status window at its default topic and at the context numbers the other windows use, and
   closed with the status window; the about box of the about library, showing what the modem
   tells about itself. The library's objects are linked in, so that the test reads the icon's
   resource number and asks for the contexts of windows built elsewhere directly. */
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <thread>
#include <vector>

#include "help_about.h"
#include "host_link.h"
#include "library_test.h"
#include "main_window.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"
#include "startup.h"
#include "status_display.h"
#include "../../libs/infopane/infopane_res.h"

namespace {

enum { POLL_TIMER = 1, RING_TIMER = 2 };

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
    /* The start-up of a freshly loaded library, then the status window in the host's loop; the
       one-second poll is stopped so that only the test moves time. */
    void Start()
    {
        ModuleStartup();
        window = CreateMOH(NULL, 0, FakeModem::Request);
        ASSERT_NE(nullptr, window);
        KillTimer(window, POLL_TIMER);
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

class TrayIcon : public HelpAndAbout {
protected:
    void SetUp() override
    {
        HelpAndAbout::SetUp();
        modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_HSF;
        modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
        modem.values[MOH_ITEM_DECISION_TIME] = 30;
        modem.values[MOH_ITEM_MAX_HOLD_TIME] = 60;
        modem.values[MOH_ITEM_HANDSET_EXCLUSION] = MOH_METHOD_AUTOMATIC;
        modem.texts[MOH_ITEM_CALLER_ID] = "NMBR = 0123456\r\nNAME = Ann\r\n";
    }
    void Alert(DWORD kind, DWORD value)
    {
        DWORD *pointer = &value;
        AlertMOH(kind, &pointer);
    }
    void Tick(UINT_PTR timer) { SendMessageA(window, WM_TIMER, timer, 0); }
    void Poll(DWORD state)
    {
        modem.values[MOH_ITEM_MOH_STATE] = state;
        Tick(POLL_TIMER);
        KillTimer(window, POLL_TIMER);
    }
    void CallRings()
    {
        Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
        Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
        Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    }
    /* The notification area accepts a change only of an icon it holds. */
    bool ShellHoldsIcon()
    {
        NOTIFYICONDATAA probe = {};
        probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
        probe.hWnd = window;
        probe.uID = 1;
        return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
    }
    void RunPostedMessages()
    {
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    HANDLE StatePicture()
    {
        return (HANDLE)SendDlgItemMessageA(window, IDC_STATE_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0);
    }
};

TEST_F(TrayIcon, AppearsWithTheFirstKnownStateAndGoesWithTheWindow)
{
    Start();
    EXPECT_EQ(0, TrayIconResource());
    UpdateTrayIcon(0);  /* without an icon nothing is changed */
    EXPECT_EQ(0, TrayIconResource());
    Poll(MOH_STATE_LAST);
    EXPECT_EQ(0, TrayIconResource());
    Poll(MOH_STATE_NONE);
    EXPECT_EQ(IDI_MOH_NORMAL, TrayIconResource());
    EXPECT_NE(0, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    EXPECT_FALSE(ShellHoldsIcon());  /* handed over once the window's queue runs */
    RunPostedMessages();
    EXPECT_TRUE(ShellHoldsIcon());
    DestroyWindow(window);
    EXPECT_EQ(0, TrayIconResource());
}

/* With the ring sound on or off. */
class Ringing : public TrayIcon, public ::testing::WithParamInterface<const char *> {};

TEST_P(Ringing, AnimatesTheIconAndThePictureUntilTheDecision)
{
    Set("Sounds", "Enable", GetParam());
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_NONE;
    Start();
    CallRings();
    ASSERT_EQ(PHASE_DECISION, Engine().Phase());
    const int icons[] = {IDI_MOH_RING2, IDI_MOH_RING3, IDI_MOH_RING1, IDI_MOH_RING2};
    for (int i = 0; i < 4; ++i) {
        Tick(RING_TIMER);
        EXPECT_EQ((i + 1) % 3, Engine().AnimationFrame());
        EXPECT_EQ(icons[i], TrayIconResource());
        EXPECT_EQ(stateBitmaps[(i + 1) % 3], StatePicture());
    }
    SendMessageA(window, WM_COMMAND, IDCMD_IGNORE, 0);
    EXPECT_EQ(0, Engine().AnimationFrame());
    EXPECT_EQ(stateBitmaps[0], StatePicture());
}

INSTANTIATE_TEST_SUITE_P(Sounds, Ringing, ::testing::Values("1", "0"));

TEST_F(TrayIcon, OnHoldEachPollBlinksAndBackToPhaseZeroTheNextPollEndsTheBlink)
{
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_NONE;
    Start();
    CallRings();
    SendMessageA(window, WM_COMMAND, IDCMD_ACCEPT, 0);
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CALL_RESUME);
    ASSERT_EQ(PHASE_ON_HOLD, Engine().Phase());
    Poll(MOH_STATE_WAIT_FOR_CALL_RESUME);
    if (TrayIconResource() != IDI_MOH_ALERT)
        Poll(MOH_STATE_WAIT_FOR_CALL_RESUME);
    ASSERT_EQ(IDI_MOH_ALERT, TrayIconResource());
    Poll(MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ(IDI_MOH_NORMAL, TrayIconResource());
    Poll(MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ(IDI_MOH_ALERT, TrayIconResource());

    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_NONE;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    KillTimer(window, POLL_TIMER);
    Poll(MOH_STATE_NONE);
    EXPECT_EQ(IDI_MOH_NORMAL, TrayIconResource());
    /* The blink starts over with the alert icon. */
    SendMessageA(window, WM_COMMAND, IDCMD_CALL, 0);
    ASSERT_EQ(PHASE_ON_HOLD, Engine().Phase());
    Poll(MOH_STATE_WAIT_FOR_CALL_RESUME);
    EXPECT_EQ(IDI_MOH_ALERT, TrayIconResource());
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
