/* The event entry: what each kind and value sets off, the trace of their names, and the events
   the library must ignore. */
#include "engine_fixture.h"

#include "module_folder.h"

namespace {

class Dispatch : public EngineTest {};

/* Moves a file's last-write time that many seconds into the past. */
void AgeFile(const std::string &path, int seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= (ULONGLONG)seconds * 10000000;
    FILETIME past = {time.LowPart, time.HighPart};
    SetFileTime(file, NULL, NULL, &past);
    CloseHandle(file);
}

/* Runs a command line as a process of its own and tells whether it ended with exit code 0. */
bool RunProgram(std::string commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(NULL, &commandLine[0], NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL, &startup, &process))
        return false;
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode == 0;
}

TEST_F(Dispatch, EachEventIsTracedByNameOrElseByNumber)
{
    ASSERT_TRUE(Start());
    trace.Clear();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_RING_ON);
    Alert(MOH_EVENT_DIAG_STATE, 26);
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_WAIT_FOR_CARRIER_SIGNAL);
    Alert(MOH_EVENT_MOH_STATE, 14);
    Alert(MOH_EVENT_MOH_STATE, 0xFFFFFFFF);
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_NONE);
    Alert(MOH_EVENT_REMOTE_RESPONSE, 499);
    std::vector<std::string> names;
    for (const std::string &message : trace.Messages())
        if (message.find(' ') == std::string::npos)
            names.push_back(message);
    std::vector<std::string> expected = {"DIAG_RING_ON", "26", "MOH_STATE_WAIT_FOR_CARRIER_SIGNAL", "14",
                                         "4294967295", "MOH_REMOTE_RESPONSE_NONE", "GetCallerId", "499",
                                         "GetCallerId"};
    EXPECT_EQ(expected, names);
}

TEST_F(Dispatch, AResponseOutsideTheTableIsOneThatDoesNotAllowAHold)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    Alert(MOH_EVENT_REMOTE_RESPONSE, 777);
    EXPECT_EQ("A- I+ D+ C+ R-", Commands());
    EXPECT_FALSE(TimerWasRunning(DECISION_TIMER));
}

TEST_F(Dispatch, StateLastIsTracedButLeavesTheStatusLine)
{
    ASSERT_TRUE(Start());
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_NONE);
    EXPECT_EQ(String(IDS_STATE_NONE), Text(IDC_STATUS_LINE));
    trace.Clear();
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_LAST);
    Alert(MOH_EVENT_MOH_STATE, 20);
    EXPECT_TRUE(trace.Has("MOH_STATE_LAST"));
    EXPECT_EQ(String(IDS_STATE_NONE), Text(IDC_STATUS_LINE));
    Alert(MOH_EVENT_MOH_STATE, MOH_STATE_NOT_SUPPORTED);
    EXPECT_EQ(String(IDS_STATE_NOT_SUPPORTED), Text(IDC_STATUS_LINE));
}

TEST_F(Dispatch, OtherKindsAreIgnored)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    trace.Clear();
    for (DWORD kind : {0ul, 40ul, 42ul, 104ul, 106ul, 0xFFFFFFFFul})
        Alert(kind, DIAG_IDLE);
    EXPECT_EQ("", Requests());
    EXPECT_TRUE(trace.Messages().empty());
    EXPECT_EQ("A- I- D- C+ R-", Commands());
}

TEST_F(Dispatch, EventsBeforeTheWindowExistsAndNullDataAreIgnored)
{
    ASSERT_TRUE(library.Load());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    Alert(MOH_EVENT_REMOTE_RESPONSE, MOH_REMOTE_RESPONSE_ACK);
    EXPECT_EQ("", Requests());

    ASSERT_TRUE(Start());
    typedef void(WINAPI * AlertFn)(DWORD, DWORD **);
    AlertFn alert = (AlertFn)(void *)GetProcAddress(GetModuleHandleA("moh.dll"), "AlertMOH");
    ClearLog();
    alert(MOH_EVENT_DIAG_STATE, NULL);
    DWORD *nothing = NULL;
    alert(MOH_EVENT_DIAG_STATE, &nothing);
    EXPECT_EQ("", Requests());
}

TEST_F(Dispatch, DiagMohAsksForTheStateAndGoesOnHoldAfterAResponse)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_MOH);   /* no waiting call yet: nothing to show */
    EXPECT_EQ("A- I- D- C+ R-", Commands());
    CallWaits();
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_WAIT_FOR_CALL_RESUME;
    ClearLog();
    trace.Clear();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_MOH);
    EXPECT_EQ("get 105", Requests());
    EXPECT_TRUE(trace.Has("MOH_STATE_WAIT_FOR_CALL_RESUME"));
    EXPECT_EQ("A- I- D+ C- R+", Commands());
}

TEST_F(Dispatch, BothTraceChannelsFollowACall)
{
    WriteFileBytes(ProductPath("MoHlog.txt"), "");
    ASSERT_TRUE(Start());
    ConnectV92();
    CallWaits();
    Click(IDCMD_ACCEPT);
    std::vector<std::string> lines;
    std::string file = ReadFileBytes(ProductPath("MoHlog.txt"));
    for (size_t start = 0, end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start + 12, end - start - 12));
    std::vector<std::string> expected = {"Waiting for Connection", "Modem Connected", "Waiting for inbound call",
                                         "Incoming Call Reported", "Caller ID:", "Name: Ann", "NMBR: 0123456",
                                         "V92 server response", "Accept"};
    EXPECT_EQ(expected, lines);
    EXPECT_TRUE(trace.Has("CallerId Name: Ann"));
    EXPECT_TRUE(trace.Has("CallerId Number: 0123456"));
    EXPECT_TRUE(trace.Has("Maximum TimeOut for user decision: 30"));
    EXPECT_TRUE(trace.Has("Maximum on hold TimeOut : 60"));
}

/* Settings are read when an event needs them: another program's change between two events is seen
   by the second, also when the file had long settled and the new value has the old one's length. */
TEST_F(Dispatch, ASettingAnotherProgramChangesBetweenTwoEventsIsSeenByTheSecond)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    std::string changed = ProductPath("changed.ini");
    CopyFileOver(SettingsFile(), changed);
    IniWrite(changed, "CallerId", "WaitForRemoteResponse", "0");
    AgeFile(SettingsFile(), 120);
    AgeFile(changed, 60);
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    EXPECT_EQ(0, Count("get 104"));

    ASSERT_TRUE(RunProgram("cmd.exe /c copy /y \"" + changed + "\" \"" + SettingsFile() + "\""));
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALLER_ID_IN_PROGRESS);
    EXPECT_EQ(1, Count("get 104"));
}

}  // namespace
