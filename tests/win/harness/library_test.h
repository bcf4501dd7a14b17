/* A test of the real library as a dialer loads it from the module folder: the English working
   copies, the default settings in a fresh product folder, the start-up picture off, and an idle
   recording modem; the library's own loop runs on a thread of its own once a test starts it. */
#ifndef LIBRARY_TEST_H
#define LIBRARY_TEST_H

#include <gtest/gtest.h>

#include <string>

#include "fake_modem.h"
#include "library_under_test.h"
#include "windows_seen.h"

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /* A setting of the user's settings file. */
    static void Set(const char *section, const char *key, const char *value);
    static std::string Saved(const char *key, const char *section = "MOH");
    /* A string of the loaded language's resource module. */
    static std::string String(UINT id);

    FakeModem modem;
    LibraryUnderTest library;
    OwnLoop loop{&library};
};

#endif
