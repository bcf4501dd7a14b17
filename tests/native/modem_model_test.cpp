/* The development host's modem: what it refuses and how it bounds its texts. How it reacts to events
   and orders is what every scenario plays, natively and under Wine. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "modem_model.h"

namespace {

int Ask(ModemModel *modem, uint32_t op, uint32_t kind, uint32_t item, uint32_t *value)
{
    return ModemAnswer(modem, op, kind, item, nullptr, 0, value);
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
