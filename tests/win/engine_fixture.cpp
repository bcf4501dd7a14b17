#include "engine_fixture.h"

void EngineTest::SetUp()
{
    ResetModuleFolder();
    RemoveFile("c:\\callerid.fic");
    /* A later run of the user: the default settings with the test's changes on top. */
    StartFromDefaultSettings();
    Set("MOH", "ShowMenu", "1");
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_IDLE;
    modem.values[MOH_ITEM_DECISION_TIME] = 30;
    modem.values[MOH_ITEM_MAX_HOLD_TIME] = 60;
    modem.values[MOH_ITEM_HANDSET_EXCLUSION] = MOH_METHOD_AUTOMATIC;
    modem.texts[MOH_ITEM_CALLER_ID] = "NMBR = 0123456\r\nNAME = Ann\r\n";
}

void EngineTest::TearDown()
{
    Stop();
    RemoveFile("c:\\callerid.fic");
    ResetModuleFolder();
    ResetProductFolder();
}

bool EngineTest::Start()
{
    if (!library.loaded() && !library.Load())
        return false;
    window = library.Create(NULL, 0, FakeModem::Request);
    if (!window)
        return false;
    KillTimer(window, POLL_TIMER);
    return true;
}

void EngineTest::Stop()
{
    if (window && IsWindow(window))
        DestroyWindow(window);
    window = NULL;
    library.Unload();
}

void EngineTest::RunPostedCommands()
{
    MSG message;
    while (PeekMessageA(&message, NULL, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

std::string EngineTest::String(UINT id)
{
    char text[256] = "";
    LoadStringA(GetModuleHandleA("mohrc.dll"), id, text, sizeof text);
    return text;
}

std::string EngineTest::Requests()
{
    std::string joined;
    for (const std::string &line : modem.Log())
        joined += (joined.empty() ? "" : ", ") + line;
    return joined;
}

int EngineTest::Count(const std::string &request)
{
    int count = 0;
    for (const std::string &line : modem.Log())
        count += line == request;
    return count;
}

void EngineTest::ConnectV92()
{
    modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_HSF;
    modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
}

void EngineTest::CallWaits(DWORD response)
{
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);
    Alert(MOH_EVENT_REMOTE_RESPONSE, response);
}
