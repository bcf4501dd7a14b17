#include <gtest/gtest.h>

#include "event_names.h"

namespace {

/* Each table's first and last names sit at their values; one past either end has no name (the
   engine's own V.90 pseudo-answer, 506, included), so callers trace the number instead. */
TEST(EventNames, EachTableSpansExactlyItsValues)
{
    struct Table {
        const char *(*name)(unsigned long);
        unsigned long first, last;
        const char *firstName, *lastName;
    } tables[] = {
        {DiagStateName, 0, 25, "DIAG_INITIALIZING", "DIAG_MODEM_STATE_LAST"},
        {MohStateName, 0, 13, "MOH_STATE_NONE", "MOH_STATE_LAST"},
        {RemoteResponseName, 500, 505, "MOH_REMOTE_RESPONSE_ACK", "MOH_REMOTE_RESPONSE_NONE"},
        {FamilyName, 0, 2, "FAMILY_TYPE_HSF", "FAMILY_TYPE_ACF"},
        {[](unsigned long value) { return MohMethodName((long)value); }, 0, 2, "Manual", "None"},
    };
    for (const Table &table : tables) {
        EXPECT_STREQ(table.firstName, table.name(table.first));
        EXPECT_STREQ(table.lastName, table.name(table.last));
        EXPECT_EQ(nullptr, table.name(table.last + 1)) << table.lastName;
        EXPECT_EQ(nullptr, table.name(table.first - 1)) << table.firstName;
    }
    EXPECT_EQ(nullptr, MohMethodName(-1));
    EXPECT_STREQ("DIAG_CALL_WAITING_TONE_DETECTED", DiagStateName(19));
}

}  // namespace
