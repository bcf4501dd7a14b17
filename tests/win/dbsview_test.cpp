/* The trace viewer as a user runs it: started before the dialer, collecting lines in list box
   120, following the newest one, and cleared from its menu. */
#include <windows.h>

#include <gtest/gtest.h>

#include "module_folder.h"

namespace {

enum { CMD_CLEAR = 2, CMD_EXIT = 3 };

/* Started before the dialer; exits from its menu at the end. */
TEST(Viewer, CollectsLinesFollowsTheNewestAndClears)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ModulePath("dbsview.exe") + "\"";
    ASSERT_TRUE(CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process));
    HWND viewer = NULL;
    for (int i = 0; i < 500 && !viewer; ++i, Sleep(10))
        viewer = FindWindowA("Dbs", NULL);
    ASSERT_TRUE(viewer != NULL);
    HWND list = GetDlgItem(viewer, 120);
    char className[32] = "";
    GetClassNameA(list, className, sizeof className);
    EXPECT_STREQ("ListBox", className);
    for (int i = 0; i < 200; ++i) {
        char line[32];
        wsprintfA(line, "09:05:07,45 line %d", i);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)line);
    }
    EXPECT_EQ(200, SendMessageA(list, LB_GETCOUNT, 0, 0));
    RECT client;
    GetClientRect(list, &client);
    int top = (int)SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    EXPECT_GE(top + client.bottom / (int)SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 199) << "the newest line is in view";
    EXPECT_GT(top, 0);
    SendMessageA(viewer, WM_COMMAND, CMD_CLEAR, 0);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCOUNT, 0, 0));

    PostMessageA(viewer, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 10000));
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

}  // namespace
