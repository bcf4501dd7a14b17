/* The notification-area icon, whose picture no window shows: which icon the ring animation and
   the blink on hold choose, when it appears and when it goes. The library's objects are linked
   in, so the test reads the icon's resource number. */
#include <windows.h>
#include <shellapi.h>

#include "host_link.h"
#include "library_test.h"
#include "main_window.h"
#include "module_folder.h"
#include "moh.h"
#include "mohres.h"
#include "startup.h"
#include "status_display.h"

namespace {

enum { POLL_TIMER = 1, RING_TIMER = 2 };

class TrayIcon : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_HSF;
        modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
        modem.values[MOH_ITEM_DECISION_TIME] = 30;
        modem.values[MOH_ITEM_MAX_HOLD_TIME] = 60;
        modem.values[MOH_ITEM_HANDSET_EXCLUSION] = MOH_METHOD_AUTOMATIC;
        modem.texts[MOH_ITEM_CALLER_ID] = "NMBR = 0123456\r\nNAME = Ann\r\n";
    }
    void TearDown() override
    {
        if (IsWindow(window))
            DestroyWindow(window);
        LibraryTest::TearDown();
    }
    /* The start-up of a freshly loaded library, then the status window in the host's loop. */
    void Start()
    {
        ModuleStartup();
        window = CreateMOH(NULL, 0, FakeModem::Request);
        ASSERT_NE(nullptr, window);
        KillTimer(window, POLL_TIMER);
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

    HWND window = NULL;
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

TEST_F(TrayIcon, RingingAnimatesTheIconAndThePictureUntilTheDecision)
{
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

}  // namespace
