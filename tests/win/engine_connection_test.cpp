/* Following the data connection: the requests sent at each connect, the verdict on whether the
   link can be held, the commands offered, and the start-up sync with the modem. */
#include "engine_fixture.h"

namespace {

class Connection : public EngineTest {};

TEST_F(Connection, AV92ConnectSendsTheSettingsInOrderAndOffersCall)
{
    modem.values[MOH_ITEM_HANDSET_EXCLUSION] = MOH_METHOD_AUTOMATIC;
    ASSERT_TRUE(Start());
    EXPECT_EQ("A- I- D- C- R-", Commands());
    ClearLog();
    ConnectV92();

    EXPECT_EQ("set 0=1, set 22=1, get 120, get 105, get 89, get 65, get 121", Requests());
    /* Only the state and the handset-exclusion queries are preset. */
    EXPECT_EQ((DWORD)MOH_STATE_LAST, modem.calls[3].valueIn);
    EXPECT_EQ(0u, modem.calls[6].valueIn);
    EXPECT_EQ("A- I- D- C+ R-", Commands());
    EXPECT_TRUE(trace.Has("DIAG_PROT_LAYER_CONNECT"));
    EXPECT_TRUE(trace.Has("Modem Family: FAMILY_TYPE_HSF"));
    EXPECT_TRUE(trace.Has("Connected in V92 mode"));
    EXPECT_TRUE(trace.Has("Moh Method : Automatic"));
}

TEST_F(Connection, ALinkThatIsNotV92OffersDisconnectInsteadOfCall)
{
    ASSERT_TRUE(Start());
    modem.values[MOH_ITEM_MODULATION] = 12;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_TRUE(trace.Has("Not connected in V92 mode (0xc)"));
    EXPECT_EQ("A- I- D+ C- R-", Commands());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_CALL_WAITING_TONE_DETECTED);   /* leaves Disconnect as it is */
    EXPECT_EQ("A- I- D+ C- R-", Commands());
}

TEST_F(Connection, AnAcfModemIsJudgedByItsStateWithoutAskingTheModulation)
{
    ASSERT_TRUE(Start());
    modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_ACF;
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_NOT_SUPPORTED;
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ(0, Count("get 65"));
    EXPECT_TRUE(trace.Has("MOH not supported"));
    EXPECT_EQ("A- I- D+ C- R-", Commands());

    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_NONE;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ(0, Count("get 65"));
    EXPECT_EQ("A- I- D- C+ R-", Commands());
}

TEST_F(Connection, AConnectAfterARetrainKeepsTheVerdictUntilTheModemWasIdle)
{
    ASSERT_TRUE(Start());
    ConnectV92();
    ClearLog();
    Alert(MOH_EVENT_DIAG_STATE, DIAG_LOCAL_INIT_RTRN);
    modem.values[MOH_ITEM_MODULATION] = 12;
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ(0, Count("get 65"));
    EXPECT_EQ(1, Count("set 0=1"));   /* the settings are sent again */
    EXPECT_EQ("A- I- D- C+ R-", Commands());

    Alert(MOH_EVENT_DIAG_STATE, DIAG_IDLE);
    EXPECT_EQ("A- I- D- C- R-", Commands());
    Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
    EXPECT_EQ(1, Count("get 65"));
    EXPECT_EQ("A- I- D+ C- R-", Commands());
}

struct HandsetCase {
    const char *setting;
    const char *requests;   /* after the family and modulation queries */
    const char *method;
};

class HandsetExclusion : public EngineTest, public ::testing::WithParamInterface<HandsetCase> {};

TEST_P(HandsetExclusion, IsConfiguredOrAskedOfTheModem)
{
    Set("MOH", "HandsetExclusion", GetParam().setting);
    modem.values[MOH_ITEM_HANDSET_EXCLUSION] = MOH_METHOD_AUTOMATIC;
    modem.results[MOH_ITEM_CID_ENABLE] = 7;
    ASSERT_TRUE(Start());
    ClearLog();
    ConnectV92();
    std::string requests = Requests();
    std::string tail = requests.substr(requests.find("get 65") + 8);
    EXPECT_EQ(GetParam().requests, tail);
    EXPECT_TRUE(trace.Has(std::string("Moh Method : ") + GetParam().method));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HandsetExclusion,
    ::testing::Values(HandsetCase{"0", "delete 22=0, set 22=0, configure 22=0", "Manual"},
                      HandsetCase{"1", "delete 22=1, set 22=1, configure 22=1", "Automatic"},
                      HandsetCase{"2", "get 121", "Automatic"}));

TEST_F(Connection, ConfigurationResultsAreTracedAsNumbers)
{
    Set("MOH", "HandsetExclusion", "0");
    modem.results[MOH_ITEM_CID_ENABLE] = 7;
    ASSERT_TRUE(Start());
    ConnectV92();
    EXPECT_TRUE(trace.Has("ModemDeleteConfiguration returning 7"));
    EXPECT_TRUE(trace.Has("ModemConfigure returning 7"));
}

TEST_F(Connection, WithDisableMohOnlyTheStartUpSyncRunsAndCallStaysGrey)
{
    Set("MOH", "DisableMOH", "1");
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_PROT_LAYER_CONNECT;
    modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
    ASSERT_TRUE(Start());
    EXPECT_EQ(1, Count("set 0=0"));
    EXPECT_EQ(1, Count("set 22=0"));
    EXPECT_EQ("A- I- D- C- R-", Commands());

    ClearLog();
    trace.Clear();
    for (DWORD kind : {MOH_EVENT_DIAG_STATE, MOH_EVENT_REMOTE_RESPONSE, MOH_EVENT_MOH_STATE})
        for (DWORD value : {1ul, 4ul, 11ul, 19ul, 500ul})
            Alert(kind, value);
    EXPECT_EQ("", Requests());
    EXPECT_TRUE(trace.Messages().empty());
    EXPECT_EQ("A- I- D- C- R-", Commands());
}

TEST_F(Connection, StartUpFindsTheLineOnHold)
{
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_MOH;
    ASSERT_TRUE(Start());
    EXPECT_EQ("A- I- D+ C- R+", Commands());
}

TEST_F(Connection, StartUpFindsACallWaitingForTheDecision)
{
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_PROT_LAYER_CONNECT;
    modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_WAIT_FOR_USER_DECISION;
    modem.values[MOH_ITEM_REMOTE_RESPONSE] = MOH_REMOTE_RESPONSE_ACK;
    ASSERT_TRUE(Start());
    EXPECT_EQ(1, Count("get 103"));
    EXPECT_EQ("A+ I+ D+ C+ R-", Commands());
    EXPECT_EQ("Ann", Text(IDC_CALLER_NAME));
}

TEST_F(Connection, WithCallButtonStatusOneTheCallCommandIsNeverTouched)
{
    Set("MOH", "CallButtonStatus", "1");
    ASSERT_TRUE(Start());
    ConnectV92();
    EXPECT_EQ("A- I- D- C- R-", Commands());
}

}  // namespace
