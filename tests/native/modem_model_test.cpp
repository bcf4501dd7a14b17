#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "modem_model.h"

namespace {

std::string Reports(ModemModel *modem)
{
    std::string text;
    for (const ModemEvent &event : modem->reports)
        text += (text.empty() ? "" : " ") + std::to_string(event.kind) + "/" + std::to_string(event.value);
    modem->reports.clear();
    return text;
}

uint32_t Get(ModemModel *modem, uint32_t item, uint32_t preset = 0xDEAD)
{
    uint32_t value = preset;
    ModemAnswer(modem, MODEM_OP_GET, MODEM_DATA_DWORD, item, nullptr, 0, &value);
    return value;
}

int Set(ModemModel *modem, uint32_t item, uint32_t value)
{
    return ModemAnswer(modem, MODEM_OP_SET, MODEM_DATA_DWORD, item, nullptr, 0, &value);
}

int Action(ModemModel *modem, uint32_t item)
{
    return ModemAnswer(modem, MODEM_OP_SET, MODEM_DATA_ACTION, item, nullptr, 0, nullptr);
}

TEST(ModemModel, AnswersEveryValueItemFromItsModel)
{
    ModemModel modem;
    modem.decisionTime = 20;
    modem.maxHoldTime = -1;
    modem.family = 2;
    modem.port = 4;
    EXPECT_EQ(1u, Get(&modem, ITEM_DIAG_STATE));
    EXPECT_EQ(13u, Get(&modem, ITEM_MOH_STATE));
    EXPECT_EQ(15u, Get(&modem, ITEM_MODULATION));
    EXPECT_EQ(2u, Get(&modem, ITEM_FAMILY));
    EXPECT_EQ(20u, Get(&modem, ITEM_DECISION_TIME));
    EXPECT_EQ(0xFFFFFFFFu, Get(&modem, ITEM_MAX_HOLD_TIME));
    EXPECT_EQ(505u, Get(&modem, ITEM_REMOTE_RESPONSE));
    EXPECT_EQ(4u, Get(&modem, ITEM_COM_PORT));
    EXPECT_EQ(0u, Get(&modem, ITEM_QUICK_CONNECT_STATE));
    EXPECT_EQ(1u, Get(&modem, ITEM_CID_SETTING));
    EXPECT_EQ(1u, Get(&modem, ITEM_HANDSET_EXCLUSION));
    uint32_t value = 77;
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_DWORD, 999, nullptr, 0, &value));
    EXPECT_EQ(77u, value);
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_DWORD, ITEM_FAMILY, nullptr, 0, nullptr));
    EXPECT_TRUE(modem.reports.empty());
}

TEST(ModemModel, TextAnswersAreCutAndTerminated)
{
    ModemModel modem;
    ModemCallerId(&modem, "5550123", "Ann Smith");
    char buffer[64];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(1, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_CALLER_ID, buffer, sizeof buffer, nullptr));
    EXPECT_STREQ("NMBR = 5550123\r\nNAME = Ann Smith\r\n", buffer);
    char small[6];
    memset(small, 'x', sizeof small);
    ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_MODEM_NAME, small, sizeof small, nullptr);
    EXPECT_STREQ("Simul", small);
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_CALLER_ID, buffer, 0, nullptr));
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_FAMILY, buffer, sizeof buffer, nullptr));
}

TEST(ModemModel, CallerIdentityLeavesOutMissingLines)
{
    ModemModel modem;
    ModemCallerId(&modem, "-", "P");
    EXPECT_EQ("NAME = P\r\n", modem.callerIdText);
    ModemCallerId(&modem, "", "");
    EXPECT_EQ("", modem.callerIdText);
    EXPECT_EQ(2u, modem.mohState);
    EXPECT_EQ("41/20 41/20", Reports(&modem));
}

TEST(ModemModel, AWaitingCallAcceptedAndResumed)
{
    ModemModel modem;
    ModemConnect(&modem, MODULATION_V92, 0);
    EXPECT_EQ("41/11", Reports(&modem));
    EXPECT_EQ(LINE_CONNECTED, modem.line);
    EXPECT_EQ(0u, modem.mohState);
    ModemCallWaitingTone(&modem);
    EXPECT_EQ(1u, modem.mohState);
    ModemRemoteResponse(&modem, RESPONSE_VALUE_ACK);
    EXPECT_EQ(3u, modem.mohState);
    EXPECT_EQ(500u, Get(&modem, ITEM_REMOTE_RESPONSE));
    EXPECT_EQ("41/19 103/500", Reports(&modem));

    EXPECT_EQ(1, Set(&modem, ITEM_CALL_ACTION, ACTION_ACCEPT));
    EXPECT_EQ(LINE_ON_HOLD, modem.line);
    EXPECT_EQ(21u, modem.diag);
    EXPECT_EQ("105/4", Reports(&modem));
    EXPECT_EQ(1, Set(&modem, ITEM_CALL_ACTION, ACTION_RESUME));
    EXPECT_EQ(LINE_CONNECTED, modem.line);
    EXPECT_EQ(0u, modem.mohState);
    EXPECT_EQ(11u, modem.diag);
    EXPECT_EQ("41/11", Reports(&modem));
}

TEST(ModemModel, IgnoreDisconnectAndTheOutgoingCall)
{
    ModemModel modem;
    ModemConnect(&modem, MODULATION_V92, 0);
    ModemRemoteResponse(&modem, 501);
    EXPECT_EQ(0u, modem.mohState);
    Reports(&modem);
    Set(&modem, ITEM_CALL_ACTION, ACTION_IGNORE);
    EXPECT_EQ("105/0", Reports(&modem));
    EXPECT_EQ(LINE_CONNECTED, modem.line);
    EXPECT_EQ(1, Action(&modem, ITEM_OUTGOING_CALL));
    EXPECT_EQ("105/12 105/4", Reports(&modem));
    EXPECT_EQ(LINE_ON_HOLD, modem.line);
    Set(&modem, ITEM_CALL_ACTION, ACTION_DISCONNECT);
    EXPECT_EQ("41/1", Reports(&modem));
    EXPECT_EQ(LINE_IDLE, modem.line);
    EXPECT_EQ(13u, modem.mohState);
    EXPECT_EQ(1, Set(&modem, ITEM_CALL_ACTION, 9));
    EXPECT_EQ("", Reports(&modem));
}

TEST(ModemModel, RecordsTheLibrarysOrders)
{
    ModemModel modem;
    EXPECT_EQ(1, Set(&modem, ITEM_ENABLE_MOH, 1));
    EXPECT_EQ(1, Set(&modem, ITEM_CID_ENABLE, 1));
    EXPECT_EQ(1, Set(&modem, ITEM_QUICK_CONNECT, 1));
    EXPECT_EQ(1u, modem.mohEnabled);
    EXPECT_EQ(1u, modem.cidEnabled);
    EXPECT_EQ(1u, modem.quickConnect);
    uint32_t method = 1;
    EXPECT_EQ(1, ModemAnswer(&modem, MODEM_OP_CONFIGURE, MODEM_DATA_DWORD, ITEM_CID_ENABLE, nullptr, 0, &method));
    EXPECT_EQ(1u, modem.configuredMethod);
    EXPECT_EQ(1, ModemAnswer(&modem, MODEM_OP_DELETE, MODEM_DATA_DWORD, ITEM_CID_ENABLE, nullptr, 0, &method));
    EXPECT_EQ(0u, modem.configuredMethod);
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_CONFIGURE, MODEM_DATA_DWORD, ITEM_FAMILY, nullptr, 0, &method));
    EXPECT_EQ(0, Set(&modem, ITEM_FAMILY, 2));
    EXPECT_EQ(0u, modem.family);

    EXPECT_EQ(1, Action(&modem, ITEM_ON_HOOK));
    EXPECT_EQ(HOOK_ON, modem.hook);
    ModemConnect(&modem, MODULATION_V92, 0);
    EXPECT_EQ(HOOK_ON, modem.hook);
    EXPECT_EQ(1, Action(&modem, ITEM_OFF_HOOK));
    EXPECT_EQ(HOOK_OFF, modem.hook);
    EXPECT_EQ(0, Action(&modem, 12345));
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_ACTION, ITEM_ON_HOOK, nullptr, 0, nullptr));
}

TEST(ModemModel, AStateSetBeforeConnectStays)
{
    ModemModel modem;
    modem.mohState = 8;
    ModemConnect(&modem, MODULATION_V90, 2);
    EXPECT_EQ(8u, modem.mohState);
    EXPECT_EQ(14u, Get(&modem, ITEM_MODULATION));
}

TEST(ModemModel, FieldsByName)
{
    ModemModel modem;
    EXPECT_TRUE(SetModemField(&modem, "hold-time", -1, ""));
    EXPECT_EQ(-1, modem.maxHoldTime);
    EXPECT_TRUE(SetModemField(&modem, "decision-time", 12, ""));
    EXPECT_EQ(12, modem.decisionTime);
    EXPECT_TRUE(SetModemField(&modem, "handset-exclusion", 0, ""));
    EXPECT_EQ(0u, modem.handsetExclusion);
    EXPECT_TRUE(SetModemField(&modem, "diag", 21, ""));
    EXPECT_EQ(21u, Get(&modem, ITEM_DIAG_STATE));
    EXPECT_TRUE(SetModemField(&modem, "name", 0, "Other modem"));
    EXPECT_EQ("Other modem", modem.modemName);
    EXPECT_FALSE(SetModemField(&modem, "colour", 1, ""));
    EXPECT_TRUE(modem.reports.empty());
}

TEST(ModemModel, RequestsAsText)
{
    uint32_t one = 1;
    EXPECT_EQ("get 89", FormatRequest(MODEM_OP_GET, MODEM_DATA_DWORD, 89, &one));
    EXPECT_EQ("get 104", FormatRequest(MODEM_OP_GET, MODEM_DATA_STRING, 104, nullptr));
    EXPECT_EQ("set 2=1", FormatRequest(MODEM_OP_SET, MODEM_DATA_DWORD, 2, &one));
    EXPECT_EQ("configure 22=1", FormatRequest(MODEM_OP_CONFIGURE, MODEM_DATA_DWORD, 22, &one));
    EXPECT_EQ("delete 22=1", FormatRequest(MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, &one));
    EXPECT_EQ("action 10014", FormatRequest(MODEM_OP_SET, MODEM_DATA_ACTION, 10014, nullptr));
    EXPECT_EQ("op7 3", FormatRequest(7, MODEM_DATA_DWORD, 3, &one));
}

}  // namespace
