/* The status window in the host's message loop: its toolbar and size, the notification-area
   menu, and bringing the window to the front for a call and giving the front back after it.
   Its status line, commands and showing on idle are in the window's scenarios. */
#include "engine_fixture.h"

#include <commctrl.h>

#include <thread>

#include "message_box_answerer.h"
#include "module_folder.h"
#include "windows_seen.h"

namespace {

const UINT MN_GETHMENU_MESSAGE = 0x01E1;

class StatusDisplay : public EngineTest {
protected:
    HWND Toolbar() { return FindWindowExA(window, NULL, TOOLBARCLASSNAMEA, NULL); }
    /* "command:image" for each toolbar button, in order; each image must be in the toolbar's
       image list, or the button shows blank. */
    std::string Buttons()
    {
        int images = ImageList_GetImageCount((HIMAGELIST)SendMessageA(Toolbar(), TB_GETIMAGELIST, 0, 0));
        std::string list;
        for (int i = 0; i < (int)SendMessageA(Toolbar(), TB_BUTTONCOUNT, 0, 0); ++i) {
            TBBUTTON button = {};
            SendMessageA(Toolbar(), TB_GETBUTTON, (WPARAM)i, (LPARAM)&button);
            list += (list.empty() ? "" : " ") + std::to_string(button.idCommand) + ":" +
                    (button.iBitmap < images ? std::to_string(button.iBitmap) : "missing");
        }
        return list;
    }
    int MinimumWidth()
    {
        MINMAXINFO info = {};
        SendMessageA(window, WM_GETMINMAXINFO, 0, (LPARAM)&info);
        return info.ptMinTrackSize.x;
    }
    std::string Saved(const char *key) { return IniRead(SettingsFile(), "MOH", key); }
};

/* The toolbar as CallButtonStatus and IncomingCallLog ask, and the minimum width that makes
   room for the log button. */
struct ToolbarCase {
    const char *callButtonStatus;
    const char *incomingCallLog;
    const char *buttons; /* command:image, in order */
    int minimumWidth;
};

class ToolbarLayout : public StatusDisplay, public ::testing::WithParamInterface<ToolbarCase> {};

TEST_P(ToolbarLayout, HasTheButtonsInOrderWithTheirImages)
{
    Set("MOH", "CallButtonStatus", GetParam().callButtonStatus);
    Set("MOH", "IncomingCallLog", GetParam().incomingCallLog);
    ASSERT_TRUE(Start());
    EXPECT_EQ(GetParam().buttons, Buttons());
    EXPECT_EQ(GetParam().minimumWidth, MinimumWidth());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ToolbarLayout,
    ::testing::Values(
        ToolbarCase{"1", "0", "10001:0 10002:1 10003:2 10004:3 10006:4 10010:5 10009:6 10007:7 10008:8", 364},
        ToolbarCase{"2", "0", "10001:0 10002:1 10003:2 10006:4 10010:5 10009:6 10007:7 10008:8", 364},
        ToolbarCase{"0", "1", "10001:0 10002:1 10003:2 10004:3 10006:4 10010:5 40024:9 10009:6 10007:7 10008:8", 404},
        ToolbarCase{"2", "1", "10001:0 10002:1 10003:2 10006:4 10010:5 10009:6 40024:9 10007:7 10008:8", 404}));

/* A saved size is used only when both width and height are saved; exit in the host's loop asks
   nothing and saves the size, and closing while minimised keeps the saved one. */
TEST_F(StatusDisplay, TheSavedSizeIsUsedAndKeptByAnExitInTheHostsLoop)
{
    MessageBoxAnswerer answerer(IDNO);
    Set("MOH", "Cx", "520");
    ASSERT_TRUE(Start());
    SIZE natural = SizeOf(window);
    EXPECT_NE(520, natural.cx);
    Stop();
    Set("MOH", "Cy", "330");
    ASSERT_TRUE(Start());
    EXPECT_EQ(520, SizeOf(window).cx);
    EXPECT_EQ(330, SizeOf(window).cy);
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, 470, 310, TRUE);
    Click(IDCMD_EXIT);
    EXPECT_FALSE(IsWindow(window));
    Stop();
    ASSERT_TRUE(Start());
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window)); /* minimising hides it from the taskbar */
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    RunPostedCommands();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ("470", Saved("Cx"));
    EXPECT_EQ("310", Saved("Cy"));
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

/* A call minimises the other titled windows and takes the front; the disconnect gives it back
   to the window that had it, as it was, and to no other: not when it was closed meanwhile, nor
   when the status window had it. A maximised "Program..." window is not minimised and stays
   maximised. */
enum Front { EDITOR, MAXIMISED_EDITOR, CLOSED_EDITOR, STATUS_WINDOW, MAXIMISED_PROGRAM_FOLDER };

class GiveBack : public Foreground, public ::testing::WithParamInterface<Front> {};

TEST_P(GiveBack, TheFrontReturnsToTheWindowThatHadItAsItWas)
{
    const Front front = GetParam();
    const bool minimised = front != STATUS_WINDOW;
    const bool maximised = front == MAXIMISED_EDITOR || front == MAXIMISED_PROGRAM_FOLDER;
    HWND had = front == STATUS_WINDOW ? window : front == MAXIMISED_PROGRAM_FOLDER ? others[3] : editor;
    Set("MOH", "Minimize", "1");
    ASSERT_TRUE(Start());
    ShowWindow(had, maximised ? SW_MAXIMIZE : SW_SHOWNORMAL);
    SetForegroundWindow(had);
    CallComes();
    for (HWND other : others)
        EXPECT_EQ(minimised && (other == editor || other == viewer), IsIconic(other) != FALSE) << TextOf(other);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_TRUE(IsWindowVisible(window) && !IsIconic(window));
    EXPECT_EQ(window, GetForegroundWindow());
    EXPECT_EQ(minimised, trace.Has("Minimize foreground window " + TextOf(had)));
    if (front == CLOSED_EDITOR)
        DestroyWindow(editor);
    Click(IDCMD_DISCONNECT);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(minimised, IsIconic(viewer) != FALSE);  /* only the one that had the front comes back */
    EXPECT_EQ(minimised && had != editor, IsIconic(editor) != FALSE);
    if (front != CLOSED_EDITOR && front != STATUS_WINDOW) {
        EXPECT_EQ(maximised, IsZoomed(had) != FALSE);
        EXPECT_EQ(had, GetForegroundWindow());
    }
}

INSTANTIATE_TEST_SUITE_P(Front, GiveBack, ::testing::Values(EDITOR, MAXIMISED_EDITOR, CLOSED_EDITOR, STATUS_WINDOW,
                                                              MAXIMISED_PROGRAM_FOLDER));

}  // namespace
