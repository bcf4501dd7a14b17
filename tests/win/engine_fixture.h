/* The real library with its main window, driven as a dialer and a user drive it: events through
   AlertMOH, answers from a recording fake modem, time by WM_TIMER, clicks by WM_COMMAND. The
   window is read back as the development host reads it. */
#ifndef ENGINE_FIXTURE_H
#define ENGINE_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_modem.h"
#include "library_under_test.h"
#include "moh.h"
#include "module_folder.h"
#include "mohres.h"
#include "status_window.h"
#include "trace_capture.h"

/* The main window's timers. */
enum { POLL_TIMER = 1, RING_TIMER = 2, DECISION_TIMER = 3, HOLD_TIMER = 4, STATUS_TEXT_TIMER = 5,
       BLINK_TIMER = 6, DELAYED_HOLD_TIMER = 8 };

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /* A setting of the user's settings file, written before Start. */
    void Set(const char *section, const char *key, const char *value) { IniWrite(SettingsFile(), section, key, value); }
    /* Loads the library and creates the main window; the modem answers as filled in before.
       The one-second state poll is stopped so that only the test moves time. A library
       already loaded by the test is used as it is. */
    bool Start();
    /* Destroys the main window and unloads the library. */
    void Stop();

    void Alert(DWORD kind, DWORD value) { library.Alert(kind, value); }
    void Tick(UINT_PTR timer, int count = 1)
    {
        while (count-- > 0)
            SendMessageA(window, WM_TIMER, timer, 0);
    }
    /* Whether the library has the timer running; stops it, so it suits a test's last look. */
    bool TimerWasRunning(UINT_PTR timer) { return KillTimer(window, timer) != FALSE; }
    void Click(int command) { SendMessageA(window, WM_COMMAND, (WPARAM)command, 0); }
    /* Runs the commands a standing rule posted. */
    void RunPostedCommands();

    /* "A+ I- D- C- R-": Accept, Ignore, Disconnect, Call, Reconnect enabled (+) or grey (-), read
       from the toolbar and the menu; '?' where the two disagree. */
    std::string Commands() { return CommandStatesText(CommandStates(window)); }
    std::string Text(int control) { return ControlText(window, control); }
    std::string String(UINT id);
    /* The modem requests since the last ClearLog, e.g. "set 0=1, get 120". */
    std::string Requests();
    int Count(const std::string &request);
    void ClearLog() { modem.ClearLog(); }

    /* A V.92 link (family HSF, modulation 15) reported connected. */
    void ConnectV92();
    /* Tone and server answer for the caller the modem describes, Ann at 0123456 unless a test
       changes it. */
    void CallWaits(DWORD response = MOH_REMOTE_RESPONSE_ACK);

    std::string PhoneBook() { return ReadFileBytes(ProductPath("callerid.fic")); }
    std::string CallLog() { return ReadFileBytes(ProductPath("incoming.log")); }

    TraceCapture trace;
    FakeModem modem;
    LibraryUnderTest library;
    HWND window = NULL;
};

#endif
