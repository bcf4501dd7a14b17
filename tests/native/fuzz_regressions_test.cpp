#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../fuzz/fuzz_checks.h"

namespace {

namespace fs = std::filesystem;

/* Inputs that once broke a fuzz target live beside the targets, named "<target>-<anything>". */
TEST(FuzzRegressions, EverySavedInputPassesItsTargetsChecks)
{
    const struct {
        const char *prefix;
        void (*check)(const uint8_t *, size_t);
    } targets[] = {{"caller_id-", CheckCallerId}, {"list_line-", CheckListLine}, {"phone_book-", CheckPhoneBook}};
    int replayed = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(fs::path(MOH_SOURCE_DIR) / "tests/fuzz/regressions")) {
        std::string name = entry.path().filename().string();
        std::ifstream file(entry.path(), std::ios::binary);
        std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(name);
        int checked = 0;
        for (const auto &target : targets)
            if (name.compare(0, strlen(target.prefix), target.prefix) == 0) {
                target.check((const uint8_t *)input.data(), input.size());
                ++checked;
            }
        EXPECT_EQ(1, checked) << "no fuzz target for " << name;
        replayed += checked;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
