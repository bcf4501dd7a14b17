/* What the status window shows and how it comes forward: the status line for each
   modem-on-hold state from the one-second poll, the toolbar's help texts, the notification-area
   menu, and bringing the window to the front for a call and giving the front back after it. */
#include "engine_fixture.h"

#include <commctrl.h>

#include <thread>

#include "module_folder.h"
#include "windows_seen.h"

namespace {

const UINT MN_GETHMENU_MESSAGE = 0x01E1;

class StatusDisplay : public EngineTest {
protected:
    /* One poll of the state the modem reports; the timer is stopped again afterwards. */
    void Poll(DWORD state)
    {
        modem.values[MOH_ITEM_MOH_STATE] = state;
        Tick(POLL_TIMER);
        KillTimer(window, POLL_TIMER);
    }
    std::string StatusBarText()
    {
        char text[256] = "";
        SendMessageA(FindWindowExA(window, NULL, STATUSCLASSNAMEA, NULL), SB_GETTEXTA, 0, (LPARAM)text);
        return text;
    }
    void HotItemChange(int newCommand, DWORD flags)
    {
        NMTBHOTITEM hot = {};
        hot.hdr.hwndFrom = FindWindowExA(window, NULL, TOOLBARCLASSNAMEA, NULL);
        hot.hdr.idFrom = 1;
        hot.hdr.code = TBN_HOTITEMCHANGE;
        hot.idNew = newCommand;
        hot.dwFlags = flags;
        SendMessageA(window, WM_NOTIFY, 1, (LPARAM)&hot);
    }
};

/* The poll asks the modem and is set again when done; each state's text shows at the poll (the
   two carrier states share one, string 10027 is not used); an unknown state or a failed query
   changes nothing. A reported state shows at once and a disconnect shows the idle text. */
TEST_F(StatusDisplay, TheStatusLineShowsEachStateFromThePollOrAnEvent)
{
    ASSERT_TRUE(Start());
    ClearLog();
    Tick(POLL_TIMER);
    ASSERT_EQ(1u, modem.calls.size());
    EXPECT_EQ("get 105", modem.Log()[0]);
    EXPECT_EQ((DWORD)MOH_DATA_DWORD, modem.calls[0].dataKind);
    EXPECT_EQ((DWORD)MOH_STATE_LAST, modem.calls[0].valueIn);  /* what the library reads when the host writes nothing */
    EXPECT_TRUE(TimerWasRunning(POLL_TIMER));
    for (DWORD state = 0; state < MOH_STATE_LAST; ++state) {
        Poll(state);
        EXPECT_EQ(String(10020 + state - (state == 7)), Text(IDC_STATUS_LINE)) << state;
        EXPECT_NE("", Text(IDC_STATUS_LINE)) << state;
    }
    std::string shown = Text(IDC_STATUS_LINE);
    Poll(MOH_STATE_LAST);
    Poll(40);
    modem.results[MOH_ITEM_MOH_STATE] = 0;
    Poll(MOH_STATE_WAIT_FOR_REMOTE_RECONNECT);
    EXPECT_EQ(shown, Text(IDC_STATUS_LINE));

    ConnectV92();
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_REMOTE_RECONNECT);
    EXPECT_EQ(String(IDS_STATE_REMOTE_RECONN), Text(IDC_STATUS_LINE));
    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_EQ(String(IDS_IDLE), Text(IDC_STATUS_LINE));
}

/* A button's tooltip is its command's string. */
TEST_F(StatusDisplay, TheHoveredButtonsHelpShowsInTheStatusBarUntilTheMouseLeaves)
{
    ASSERT_TRUE(Start());
    NMTTDISPINFOA info = {};
    info.hdr.code = TTN_NEEDTEXTA;
    info.hdr.idFrom = IDCMD_RECONNECT;
    SendMessageA(window, WM_NOTIFY, 0, (LPARAM)&info);
    EXPECT_EQ(GetModuleHandleA("mohrc.dll"), info.hinst);
    EXPECT_EQ(MAKEINTRESOURCEA(IDCMD_RECONNECT), info.lpszText);
    EXPECT_EQ(String(IDS_READY), StatusBarText());
    HotItemChange(IDCMD_ACCEPT, HICF_MOUSE);
    EXPECT_EQ(String(IDCMD_ACCEPT), StatusBarText());
    EXPECT_TRUE(KillTimer(window, STATUS_TEXT_TIMER));
    HotItemChange(IDCMD_CONFIG, HICF_ACCELERATOR);  /* not the mouse: ignored */
    EXPECT_EQ(String(IDCMD_ACCEPT), StatusBarText());
    HotItemChange(IDCMD_HELP, HICF_MOUSE);
    HotItemChange(0, HICF_MOUSE | HICF_LEAVING);
    EXPECT_EQ(String(IDS_READY), StatusBarText());
    EXPECT_FALSE(KillTimer(window, STATUS_TEXT_TIMER));
}

/* Reads the tray menu from another thread while it is open, then closes it with the keyboard:
   Escape, or the arrow keys down to an item and Enter. */
class TrayMenuReader {
public:
    explicit TrayMenuReader(int choose) : thread_(&TrayMenuReader::Run, this, choose) {}
    ~TrayMenuReader()
    {
        if (thread_.joinable())
            thread_.join();
    }
    void Wait() { thread_.join(); }
    std::vector<UINT> ids;
    UINT defaultId = 0;

private:
    static HWND FindOpenMenu()
    {
        HWND menu = NULL;
        while ((menu = FindWindowExA(NULL, menu, "#32768", NULL)) != NULL)
            if (IsWindowVisible(menu))
                return menu;
        return NULL;
    }
    void Run(int choose)
    {
        HWND menuWindow = NULL;
        for (int i = 0; i < 2000 && !(menuWindow = FindOpenMenu()); ++i)
            Sleep(5);
        if (!menuWindow)
            return;
        HMENU menu = (HMENU)SendMessageA(menuWindow, MN_GETHMENU_MESSAGE, 0, 0);
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            ids.push_back(GetMenuItemID(menu, i));
        defaultId = GetMenuDefaultItem(menu, FALSE, 0);
        for (int i = 0; i <= choose; ++i)
            PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menuWindow, WM_KEYDOWN, choose < 0 ? VK_ESCAPE : VK_RETURN, 0);
    }
    std::thread thread_;
};

class TrayMenu : public StatusDisplay {
protected:
    void RightClickTrayIcon() { SendMessageA(window, WM_USER + 500, 1, WM_RBUTTONDOWN); }
    /* The command the menu left in the window's queue, 0 for none. */
    int PostedCommand()
    {
        MSG message;
        if (!PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE))
            return 0;
        return LOWORD(message.wParam);
    }
};

/* The menu's items, Open the default, the call log after the phone book when it is kept; the
   chosen item is posted to the window (Exit as the window's own exit command). */
struct TrayChoice {
    const char *callLog;
    int position;
    int posted;
};

class TrayMenuChoice : public TrayMenu, public ::testing::WithParamInterface<TrayChoice> {};

TEST_P(TrayMenuChoice, PostsTheCommandToTheWindow)
{
    Set("MOH", "IncomingCallLog", GetParam().callLog);
    ASSERT_TRUE(Start());
    TrayMenuReader reader(GetParam().position);
    RightClickTrayIcon();
    reader.Wait();
    std::vector<UINT> items = {10042, 10009, 10010, 10043, 10041};
    if (GetParam().callLog[0] == '1')
        items.insert(items.begin() + 3, 40024);
    EXPECT_EQ(items, reader.ids);
    EXPECT_EQ(10042u, reader.defaultId);
    EXPECT_EQ(GetParam().posted, PostedCommand());
    EXPECT_EQ(0, PostedCommand());
}

INSTANTIATE_TEST_SUITE_P(Items, TrayMenuChoice,
                         ::testing::Values(TrayChoice{"0", -1, 0}, TrayChoice{"0", 1, IDCMD_CONFIG},
                                           TrayChoice{"0", 2, IDCMD_PHONEBOOK}, TrayChoice{"0", 3, IDCMD_ABOUT},
                                           TrayChoice{"0", 4, IDCMD_EXIT}, TrayChoice{"1", 3, IDCMD_CALL_LOG}));

/* Open from the menu and a double click bring the hidden window back; other mouse messages do nothing. */
TEST_F(TrayMenu, OpenAndDoubleClickBringTheHiddenWindowBack)
{
    ASSERT_TRUE(Start());
    for (UINT mouse : {(UINT)WM_RBUTTONDOWN, (UINT)WM_LBUTTONDBLCLK, (UINT)WM_LBUTTONDOWN, (UINT)WM_MOUSEMOVE}) {
        if (IsWindowVisible(window))
            ShowWindow(window, SW_MINIMIZE);
        ASSERT_FALSE(IsWindowVisible(window));
        if (mouse == WM_RBUTTONDOWN) {
            TrayMenuReader reader(0);
            RightClickTrayIcon();
        } else {
            SendMessageA(window, WM_USER + 500, 1, mouse);
        }
        bool back = mouse == WM_RBUTTONDOWN || mouse == WM_LBUTTONDBLCLK;
        EXPECT_EQ(back, IsWindowVisible(window) && !IsIconic(window)) << mouse;
        EXPECT_EQ(0, PostedCommand());
        EXPECT_TRUE(mouse != WM_LBUTTONDBLCLK || WaitFor([&] { return GetForegroundWindow() == window; }));
    }
}

/* Top-level windows of other programs, as the user has them open when a call comes. */
class Foreground : public StatusDisplay {
protected:
    void SetUp() override
    {
        StatusDisplay::SetUp();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = "OtherProgram";
        RegisterClassA(&windowClass);
        const char *const titles[] = {"Editor", "Viewer", "Program Manager", "program files", "", "Hidden"};
        for (int i = 0; i < 6; ++i)
            others[i] = CreateWindowA("OtherProgram", titles[i], WS_OVERLAPPEDWINDOW | (i < 5 ? WS_VISIBLE : 0), 40, 40,
                                      300, 200, NULL, NULL, windowClass.hInstance, NULL);
    }
    void TearDown() override
    {
        for (HWND other : others)
            DestroyWindow(other);
        StatusDisplay::TearDown();
    }
    /* A waiting call the user is to decide on: the window comes to the front. */
    void CallComes()
    {
        ConnectV92();
        CallWaits();
    }

    HWND others[6] = {};
    HWND &editor = others[0], &viewer = others[1], &hidden = others[5];
};

TEST_F(Foreground, ACallMinimisesTheOtherTitledWindowsAndTakesTheFront)
{
    ASSERT_TRUE(Start());
    SetForegroundWindow(editor);
    ASSERT_EQ(editor, GetForegroundWindow());
    CallComes();
    for (HWND other : others)
        EXPECT_EQ(other == editor || other == viewer, IsIconic(other) != FALSE) << TextOf(other);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(window, GetForegroundWindow());
    EXPECT_TRUE(trace.Has("Minimize foreground window Editor"));
}

/* Who had the front when the call came; the disconnect gives it back to that window as it was,
   and to no other: not when it was closed meanwhile, nor when the status window had it. */
enum Front { EDITOR, MAXIMISED_EDITOR, CLOSED_EDITOR, STATUS_WINDOW };

class GiveBack : public Foreground, public ::testing::WithParamInterface<Front> {};

TEST_P(GiveBack, TheFrontReturnsToTheWindowThatHadItAsItWas)
{
    const Front front = GetParam();
    const bool minimised = front != STATUS_WINDOW;
    Set("MOH", "Minimize", "1");
    ASSERT_TRUE(Start());
    ShowWindow(editor, front == MAXIMISED_EDITOR ? SW_MAXIMIZE : SW_SHOWNORMAL);
    SetForegroundWindow(front == STATUS_WINDOW ? window : editor);
    CallComes();
    EXPECT_EQ(minimised, IsIconic(editor) && IsIconic(viewer));
    EXPECT_EQ(minimised, trace.HasPrefix("Minimize foreground window"));
    if (front == CLOSED_EDITOR)
        DestroyWindow(editor);
    Click(IDCMD_DISCONNECT);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(minimised, IsIconic(viewer) != FALSE);  /* only the one that had the front comes back */
    if (front != CLOSED_EDITOR) {
        EXPECT_FALSE(IsIconic(editor));
        EXPECT_EQ(front == MAXIMISED_EDITOR, IsZoomed(editor) != FALSE);
    }
    EXPECT_TRUE((front != EDITOR && front != MAXIMISED_EDITOR) || GetForegroundWindow() == editor);
}

INSTANTIATE_TEST_SUITE_P(Front, GiveBack, ::testing::Values(EDITOR, MAXIMISED_EDITOR, CLOSED_EDITOR, STATUS_WINDOW));

}  // namespace
