#include <gtest/gtest.h>

#include <string>

#include "event_names.h"

namespace {

std::string Name(const char *name)
{
    return name ? name : "<none>";
}

TEST(EventNames, TablesAreIndexedByValue)
{
    EXPECT_EQ("DIAG_INITIALIZING", Name(DiagStateName(0)));
    EXPECT_EQ("DIAG_PROT_LAYER_CONNECT", Name(DiagStateName(11)));
    EXPECT_EQ("DIAG_CALL_WAITING_TONE_DETECTED", Name(DiagStateName(19)));
    EXPECT_EQ("DIAG_MODEM_STATE_LAST", Name(DiagStateName(25)));
    EXPECT_EQ("MOH_STATE_NONE", Name(MohStateName(0)));
    EXPECT_EQ("MOH_STATE_NOT_SUPPORTED", Name(MohStateName(8)));
    EXPECT_EQ("MOH_STATE_LAST", Name(MohStateName(13)));
    EXPECT_EQ("FAMILY_TYPE_ACF", Name(FamilyName(2)));
    EXPECT_EQ("Manual", Name(MohMethodName(0)));
    EXPECT_EQ("None", Name(MohMethodName(2)));
}

TEST(EventNames, ResponsesStartAtFiveHundred)
{
    EXPECT_EQ("MOH_REMOTE_RESPONSE_ACK", Name(RemoteResponseName(500)));
    EXPECT_EQ("MOH_REMOTE_RESPONSE_NONE", Name(RemoteResponseName(505)));
    /* The engine's own V.90 pseudo-answer has no name. */
    EXPECT_EQ(nullptr, RemoteResponseName(506));
    EXPECT_EQ(nullptr, RemoteResponseName(499));
    EXPECT_EQ(nullptr, RemoteResponseName(0));
}

TEST(EventNames, ValuesPastTheTablesHaveNoName)
{
    EXPECT_EQ(nullptr, DiagStateName(26));
    EXPECT_EQ(nullptr, DiagStateName(0xFFFFFFFFul));
    EXPECT_EQ(nullptr, MohStateName(14));
    EXPECT_EQ(nullptr, FamilyName(3));
    EXPECT_EQ(nullptr, MohMethodName(3));
    EXPECT_EQ(nullptr, MohMethodName(-1));
    EXPECT_EQ(nullptr, RemoteResponseName(0xFFFFFFFFul));
}

}  // namespace
