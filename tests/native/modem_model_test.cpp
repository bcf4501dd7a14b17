#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>

#include "modem_model.h"

namespace {

int Ask(ModemModel *modem, uint32_t op, uint32_t kind, uint32_t item, uint32_t *value)
{
    return ModemAnswer(modem, op, kind, item, nullptr, 0, value);
}

/* "line diag state hook: reports": where the line is, the diagnostic and modem-on-hold states it
   answers, the hook, and what the modem reported since. */
std::string State(ModemModel *modem)
{
    std::string text = std::string(LineStateName(modem->line)) + " " + std::to_string(modem->diag) + " " +
                       std::to_string(modem->mohState) + " " + HookStateName(modem->hook) + ":";
    for (const ModemEvent &event : modem->reports)
        text += " " + std::to_string(event.kind) + "/" + std::to_string(event.value);
    modem->reports.clear();
    return text;
}

/* A modem's life, one event or order of the library at a time. */
TEST(ModemModel, ReactsToEventsAndOrdersAsAModem)
{
    typedef std::function<void(ModemModel *)> Act;
    auto order = [](uint32_t kind, uint32_t item, uint32_t value) -> Act {
        return [=](ModemModel *m) {
            uint32_t v = value;
            EXPECT_EQ(1, Ask(m, MODEM_OP_SET, kind, item, kind == MODEM_DATA_ACTION ? nullptr : &v)) << item;
        };
    };
    auto call = [&](uint32_t action) { return order(MODEM_DATA_DWORD, ITEM_CALL_ACTION, action); };
    const std::pair<Act, const char *> steps[] = {
        {[](ModemModel *m) { m->mohState = 8; ModemConnect(m, MODULATION_V90, 2); }, "connected 11 8 none: 41/11"},
        {order(MODEM_DATA_ACTION, ITEM_ON_HOOK, 0), "connected 11 8 on:"},
        {[](ModemModel *m) { ModemConnect(m, MODULATION_V92, 0); }, "connected 11 8 on: 41/11"},
        {ModemCallWaitingTone, "connected 11 1 on: 41/19"},
        {[](ModemModel *m) { ModemCallerId(m, "", ""); }, "connected 11 2 on: 41/20"},
        {[](ModemModel *m) { ModemRemoteResponse(m, RESPONSE_VALUE_ACK); }, "connected 11 3 on: 103/500"},
        {call(ACTION_ACCEPT), "on-hold 21 4 on: 105/4"},
        {order(MODEM_DATA_ACTION, ITEM_OFF_HOOK, 0), "on-hold 21 4 off:"},
        {call(ACTION_RESUME), "connected 11 0 off: 41/11"},
        {[](ModemModel *m) { ModemRemoteResponse(m, 501); }, "connected 11 0 off: 103/501"},
        {call(ACTION_IGNORE), "connected 11 0 off: 105/0"},
        {order(MODEM_DATA_ACTION, ITEM_OUTGOING_CALL, 0), "on-hold 21 4 off: 105/12 105/4"},
        {call(ACTION_DISCONNECT), "idle 1 13 off: 41/1"},
        {call(9), "idle 1 13 off:"},
    };
    ModemModel modem;
    for (const auto &step : steps) {
        step.first(&modem);
        EXPECT_EQ(step.second, State(&modem));
    }
}

/* A request the modem does not know is refused and leaves the value alone. */
TEST(ModemModel, RefusesTheUnknown)
{
    ModemModel modem;
    EXPECT_FALSE(SetModemField(&modem, "colour", 1, ""));
    for (uint32_t op : {MODEM_OP_CONFIGURE, MODEM_OP_SET, MODEM_OP_GET}) {
        uint32_t value = 77;
        EXPECT_EQ(0, Ask(&modem, op, MODEM_DATA_DWORD, op == MODEM_OP_GET ? 999 : ITEM_FAMILY, &value)) << op;
        EXPECT_EQ(77u, value);
    }
    EXPECT_EQ(0u, modem.family);
    EXPECT_EQ(0, Ask(&modem, MODEM_OP_GET, MODEM_DATA_DWORD, ITEM_FAMILY, nullptr));
    EXPECT_EQ(0, Ask(&modem, MODEM_OP_SET, MODEM_DATA_ACTION, 12345, nullptr));
}

/* Its answers cut and terminated, and the requests as the host's log writes them. */
TEST(ModemModel, TextsAreCutAndTerminated)
{
    ModemModel modem;
    ModemCallerId(&modem, "5550123", "Ann Smith");
    char buffer[64], small[6];
    memset(small, 'x', sizeof small);
    EXPECT_EQ(1, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_CALLER_ID, buffer, sizeof buffer, nullptr));
    EXPECT_STREQ("NMBR = 5550123\r\nNAME = Ann Smith\r\n", buffer);
    ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_MODEM_NAME, small, sizeof small, nullptr);
    EXPECT_STREQ("Simul", small);
    EXPECT_EQ(0, ModemAnswer(&modem, MODEM_OP_GET, MODEM_DATA_STRING, ITEM_CALLER_ID, buffer, 0, nullptr));
    ModemCallerId(&modem, "-", "P");
    EXPECT_EQ("NAME = P\r\n", modem.callerIdText);
    uint32_t one = 1;
    EXPECT_EQ("get 104", FormatRequest(MODEM_OP_GET, MODEM_DATA_STRING, 104, nullptr));
    EXPECT_EQ("delete 22=1", FormatRequest(MODEM_OP_DELETE, MODEM_DATA_DWORD, 22, &one));
    EXPECT_EQ("action 10014", FormatRequest(MODEM_OP_SET, MODEM_DATA_ACTION, 10014, nullptr));
    EXPECT_EQ("op7 3", FormatRequest(7, MODEM_DATA_DWORD, 3, &one));
}

}  // namespace
