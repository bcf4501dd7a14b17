/* The status window in the host's message loop: its toolbar and menu as CallButtonStatus and
   IncomingCallLog ask, its minimum and saved size, exit and its refusal while on hold, and the
   keyboard shortcuts. */
#include "engine_fixture.h"

#include <commctrl.h>

#include "message_box_answerer.h"
#include "module_folder.h"
#include "windows_seen.h"

namespace {

class MainWindow : public EngineTest {
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
    LRESULT ButtonState(int command) { return SendMessageA(Toolbar(), TB_GETSTATE, (WPARAM)command, 0); }
    UINT MenuState(int command) { return GetMenuState(GetMenu(window), (UINT)command, MF_BYCOMMAND); }
    int MinimumWidth()
    {
        MINMAXINFO info = {};
        SendMessageA(window, WM_GETMINMAXINFO, 0, (LPARAM)&info);
        return info.ptMinTrackSize.x;
    }
    std::string Saved(const char *key) { return IniRead(SettingsFile(), "MOH", key); }

    /* Runs an accelerator key with Ctrl held, as the dialog manager sees it in a message loop. */
    void PressCtrl(char key)
    {
        BYTE keys[256], withCtrl[256];
        GetKeyboardState(keys);
        memcpy(withCtrl, keys, sizeof keys);
        withCtrl[VK_CONTROL] = 0x80;
        SetKeyboardState(withCtrl);
        MSG message = {window, WM_KEYDOWN, (WPARAM)key, 1, 0, {0, 0}};
        IsDialogMessageA(window, &message);
        SetKeyboardState(keys);
    }
};

struct ToolbarCase {
    const char *callButtonStatus;
    const char *incomingCallLog;
    const char *buttons;       /* command:image, in order */
};

class ToolbarLayout : public MainWindow, public ::testing::WithParamInterface<ToolbarCase> {};

TEST_P(ToolbarLayout, HasTheButtonsInOrderWithTheirImages)
{
    Set("MOH", "CallButtonStatus", GetParam().callButtonStatus);
    Set("MOH", "IncomingCallLog", GetParam().incomingCallLog);
    ASSERT_TRUE(Start());
    EXPECT_EQ(GetParam().buttons, Buttons());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ToolbarLayout,
    ::testing::Values(
        ToolbarCase{"0", "0", "10001:0 10002:1 10003:2 10004:3 10006:4 10010:5 10009:6 10007:7 10008:8"},
        ToolbarCase{"1", "0", "10001:0 10002:1 10003:2 10004:3 10006:4 10010:5 10009:6 10007:7 10008:8"},
        ToolbarCase{"2", "0", "10001:0 10002:1 10003:2 10006:4 10010:5 10009:6 10007:7 10008:8"},
        ToolbarCase{"0", "1", "10001:0 10002:1 10003:2 10004:3 10006:4 10010:5 40024:9 10009:6 10007:7 10008:8"},
        ToolbarCase{"2", "1", "10001:0 10002:1 10003:2 10006:4 10010:5 10009:6 40024:9 10007:7 10008:8"}));

/* CallButtonStatus 1 keeps the Call command grey, 2 removes it from the menu too, whatever happens. */
TEST_F(MainWindow, CallButtonStatusGreysOrRemovesTheCallCommand)
{
    for (const char *status : {"1", "2"}) {
        Set("MOH", "CallButtonStatus", status);
        ASSERT_TRUE(Start());
        for (int round = 0; round < 2; ++round) {
            if (status[0] == '1') {
                EXPECT_EQ(TBSTATE_INDETERMINATE, ButtonState(IDCMD_CALL));
                EXPECT_TRUE(MenuState(IDCMD_CALL) & MF_GRAYED);
            } else {
                EXPECT_EQ(-1, ButtonState(IDCMD_CALL));
                EXPECT_EQ((UINT)-1, MenuState(IDCMD_CALL));
                EXPECT_NE((UINT)-1, MenuState(IDCMD_RECONNECT));
            }
            ConnectV92();
            CallWaits();
            Click(IDCMD_IGNORE);
            Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
            ConnectV92();
        }
        Stop();
    }
}

TEST_F(MainWindow, TheMenuBarIsAttachedOnlyWhileShown)
{
    Set("MOH", "ShowMenu", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(NULL, GetMenu(window));
    SIZE hidden = SizeOf(window);
    Click(IDCMD_TOGGLE_MENU);
    ASSERT_NE(nullptr, GetMenu(window));
    EXPECT_EQ(hidden.cx, SizeOf(window).cx);
    EXPECT_EQ(hidden.cy + GetSystemMetrics(SM_CYMENUSIZE) + 2, SizeOf(window).cy);
    Click(IDCMD_TOGGLE_MENU);
    EXPECT_EQ(NULL, GetMenu(window));
    EXPECT_EQ(hidden.cy, SizeOf(window).cy);
    /* The toggle is not remembered. */
    EXPECT_EQ("0", Saved("ShowMenu"));
}

/* The minimum width makes room for the log button; a saved size is used only when both width
   and height are saved. */
TEST_F(MainWindow, TheMinimumWidthAndTheSavedSize)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(404, MinimumWidth());
    SIZE natural = SizeOf(window);
    for (const char *height : {"-1", "330"}) {
        Stop();
        Set("MOH", "Cx", "520");
        Set("MOH", "Cy", height);
        ASSERT_TRUE(Start());
        bool saved = height[0] != '-';
        EXPECT_EQ(saved ? 520 : natural.cx, SizeOf(window).cx);
        EXPECT_EQ(saved ? 330 : natural.cy, SizeOf(window).cy);
    }
    Stop();
    Set("MOH", "IncomingCallLog", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(364, MinimumWidth());
}

/* Exit in the host's loop asks nothing and saves the size; closing from the system menu posts the
   exit command, and while minimised it keeps the saved size. */
TEST_F(MainWindow, ExitInTheHostsLoopAsksNothingAndSavesTheSizeUnlessMinimised)
{
    MessageBoxAnswerer answerer(IDNO);
    ASSERT_TRUE(Start());
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, 470, 310, TRUE);
    Click(IDCMD_EXIT);
    EXPECT_FALSE(IsWindow(window));
    Stop();
    ASSERT_TRUE(Start());
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(window));  /* minimising hides it from the taskbar */
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(window));
    RunPostedCommands();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ("470", Saved("Cx"));
    EXPECT_EQ("310", Saved("Cy"));
}

TEST_F(MainWindow, ExitIsRefusedWhileTheLineIsOnHold)
{
    MessageBoxAnswerer answerer(IDOK);
    ASSERT_TRUE(Start());
    ConnectV92();
    Click(IDCMD_CALL);  /* the user asked for a voice call: the line is on hold */
    EXPECT_EQ(1, Count("set 7"));
    Click(IDCMD_EXIT);
    ASSERT_TRUE(IsWindow(window));
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    RunPostedCommands();
    ASSERT_TRUE(IsWindow(window));
    std::vector<SeenMessageBox> seen = answerer.Seen();
    ASSERT_EQ(2u, seen.size());
    for (const SeenMessageBox &box : seen) {
        EXPECT_EQ(String(IDS_EXIT_REFUSED), box.text);
        EXPECT_EQ("Pellora Modem on Hold", box.caption);
    }
    EXPECT_EQ("-1", Saved("Cx"));

    /* Once the line is back the exit goes through, the guard having been cleared. */
    Click(IDCMD_DISCONNECT);
    Click(IDCMD_EXIT);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(2u, answerer.Seen().size());
}

TEST_F(MainWindow, ShortcutsWorkThroughTheDialogManagerWhileTheWindowIsActive)
{
    Set("MOH", "ShowMenu", "0");
    ASSERT_TRUE(Start());
    ConnectV92();
    SetForegroundWindow(window);
    SetActiveWindow(window);
    ASSERT_EQ(window, GetActiveWindow());

    PressCtrl('M');
    EXPECT_NE(nullptr, GetMenu(window));
    ClearLog();
    PressCtrl('P');
    EXPECT_EQ("set 7", Requests());

    /* Another window active: the keys are not the status window's. */
    HWND other =
        CreateWindowA("STATIC", "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
    SetActiveWindow(other);
    ASSERT_EQ(other, GetActiveWindow());
    PressCtrl('M');
    EXPECT_NE(nullptr, GetMenu(window));
    DestroyWindow(other);
}

}  // namespace
