#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../fuzz/fuzz_checks.h"

namespace {

namespace fs = std::filesystem;

/* Inputs that once broke a fuzz target live beside the targets, named "<target>-<anything>". */
fs::path RegressionFolder()
{
    return fs::path(MOH_SOURCE_DIR) / "tests" / "fuzz" / "regressions";
}

std::string ReadFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool StartsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, strlen(prefix), prefix) == 0;
}

TEST(FuzzRegressions, EverySavedInputPassesItsTargetsChecks)
{
    ASSERT_TRUE(fs::is_directory(RegressionFolder()));
    int replayed = 0;
    for (const fs::directory_entry &entry : fs::directory_iterator(RegressionFolder())) {
        std::string name = entry.path().filename().string();
        std::string input = ReadFile(entry.path());
        const uint8_t *data = (const uint8_t *)input.data();
        SCOPED_TRACE(name);
        if (StartsWith(name, "caller_id-"))
            CheckCallerId(data, input.size());
        else if (StartsWith(name, "list_line-"))
            CheckListLine(data, input.size());
        else if (StartsWith(name, "phone_book-"))
            CheckPhoneBook(data, input.size());
        else
            ADD_FAILURE() << "no fuzz target for " << name;
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
