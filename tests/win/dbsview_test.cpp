/* The trace viewer as a user runs it: started before the dialer, collecting lines in list box
   120, following the newest one, cleared and closed from its menu. */
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "module_folder.h"
#include "windows_seen.h"

namespace {

enum { TRACE_LIST = 120, CMD_CLEAR = 2, CMD_EXIT = 3 };

TEST(Viewer, CollectsLinesFollowsTheNewestAndClears)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ModulePath("dbsview.exe") + "\"";
    ASSERT_TRUE(CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
    /* Talked to only once it is shown: its list box is made and follows new lines by then. */
    HWND viewer = NULL, list = NULL;
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(viewer = FindWindowA("Dbs", NULL)); }));
    EXPECT_EQ("ListBox", ClassOf(list = GetDlgItem(viewer, TRACE_LIST)));
    for (int i = 0; list && i < 200; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)("09:05:07,45 line " + std::to_string(i)).c_str());
    RECT client;
    GetClientRect(list, &client);
    int top = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    int rows = client.bottom / std::max(1, (int)SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(top + rows, 199) << "the newest line is in view";
    SendMessageA(viewer, WM_COMMAND, CMD_CLEAR, 0);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCOUNT, 0, 0));
    PostMessageA(viewer, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 10000));
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

}  // namespace
