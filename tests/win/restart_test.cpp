/* The rebuild after a change of language: with the restart flag set, the exit command closes the
   window without asking, start-up runs again with the new language, and a new window is shown
   at once from the new resource module, still talking to the same modem. */
#include <gtest/gtest.h>

#include <string>

#include "fake_modem.h"
#include "main_window.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "module_state.h"
#include "moh.h"
#include "mohres.h"
#include "startup.h"

namespace {

std::string ControlText(HWND window, int id)
{
    char text[256] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

/* Bounded wait for the main window to become a shown window other than old. */
HWND WaitForNewWindow(HWND old)
{
    for (int i = 0; i < 2000; ++i, Sleep(5)) {
        HWND current = mainWindow;
        if (current && current != old && IsWindowVisible(current))
            return current;
    }
    return NULL;
}

class Restart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetModuleFolder();
        StartFromDefaultSettings();
        IniWrite(SettingsFile(), "Reserved", "LogonDisplay", "0");
        IniWrite(SettingsFile(), "MOH", "Language", "1033");
        modem.values[MOH_ITEM_DIAG_STATE] = DIAG_IDLE;
        moduleHandle = GetModuleHandleA(NULL);  /* the test program lives in the module folder */
        ModuleStartup();
    }
    void TearDown() override
    {
        if (thread) {
            if (IsWindow(mainWindow))
                PostMessageA(mainWindow, WM_DESTROY, 0, 0);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        }
        if (resourceModule && resourceModule != moduleHandle)
            FreeLibrary(resourceModule);
        ResetModuleFolder();
        ResetProductFolder();
    }
    static DWORD WINAPI RunLibrary(void *param)
    {
        Restart *test = (Restart *)param;
        test->returned = CreateMOH(NULL, 1, FakeModem::Request);
        return 0;
    }

    FakeModem modem;
    HANDLE thread = NULL;
    HWND returned = NULL;
};

TEST_F(Restart, ALanguageChangeRebuildsTheWindowWithoutAsking)
{
    MessageBoxAnswerer answerer(IDYES);
    thread = CreateThread(NULL, 0, RunLibrary, this, 0, NULL);
    HWND first = WaitForNewWindow(NULL);
    ASSERT_TRUE(first != NULL);
    EXPECT_EQ("Caller:", ControlText(first, IDC_CALLER_LABEL));

    IniWrite(SettingsFile(), "MOH", "Language", "1031");
    modem.ClearLog();
    restartFlag = 1;
    PostMessageA(first, WM_COMMAND, IDCMD_EXIT, 0);
    HWND second = WaitForNewWindow(first);
    ASSERT_TRUE(second != NULL);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(answerer.Seen().empty()) << "no question before a rebuild";
    for (int i = 0; i < 2000 && restartFlag; ++i)
        Sleep(5);  /* cleared right after the new window is created */
    EXPECT_EQ(0, restartFlag);
    EXPECT_EQ("Anrufer:", ControlText(second, IDC_CALLER_LABEL));
    EXPECT_EQ(ReadFileBytes(ModulePath("DEU\\mohrc.dll")), ReadFileBytes(ModulePath("mohrc.dll")));
    ASSERT_FALSE(modem.calls.empty()) << "the new window asks the same modem";
    EXPECT_EQ((DWORD)MOH_ITEM_DIAG_STATE, modem.calls.front().item);

    /* An ordinary exit of the rebuilt window asks, in the new language, and ends both loops. */
    PostMessageA(second, WM_COMMAND, IDCMD_EXIT, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000));
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_NE(std::string::npos, answerer.Seen()[0].text.find("wirklich"));
    EXPECT_EQ(first, returned);
}

}  // namespace
