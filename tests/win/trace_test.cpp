/* The two trace channels, driven directly: the library writes them from everywhere, and these
   checks need a viewer and a trace file set up before the channels open. */
#include <gtest/gtest.h>

#include <string>

#include "message_box_answerer.h"
#include "module_folder.h"
#include "trace.h"
#include "trace_capture.h"

namespace {

class Trace : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProductFolder();
        CreateProductFolder();
        windowTrace = TraceWindowChannel();  /* finds the capture window, as a fresh load would */
    }
    void TearDown() override
    {
        CloseTraceFile(&fileTrace);
        windowTrace = TraceWindowChannel();
        ResetProductFolder();
    }
    std::string LogPath() { return ProductPath("MoHlog.txt"); }

    TraceCapture capture;
};

TEST_F(Trace, AMissingTraceFileIsNeverCreated)
{
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Modem Connected");
    EXPECT_FALSE(FileExists(LogPath()));
    EXPECT_TRUE(capture.Has(LogPath() + " doesn't exist"));
}

TEST_F(Trace, AnExistingTraceFileIsAppendedToWithCrLfLines)
{
    WriteFileBytes(LogPath(), "earlier run\r\n");
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Name: %s", "Ann");
    TraceToFile(&fileTrace, "NMBR: %s", "0123");
    TraceToWindow(&windowTrace, "Name: %s", "Ann");

    std::string text = ReadFileBytes(LogPath());
    ASSERT_EQ(0u, text.find("earlier run\r\n"));
    std::string first = text.substr(13, 12 + 9 + 2);
    EXPECT_TRUE(HasTimePrefix(first)) << first;
    EXPECT_EQ("Name: Ann\r\n", first.substr(12));
    EXPECT_EQ("NMBR: 0123\r\n", text.substr(13 + first.size() + 12));
    ASSERT_FALSE(capture.Lines().empty());
    std::string window = capture.Lines().back();
    EXPECT_TRUE(HasTimePrefix(window));
    EXPECT_EQ("Name: Ann", window.substr(12));
}

TEST_F(Trace, AFileThatCannotBeOpenedForWritingIsReportedOnceAndThenIgnored)
{
    /* Another program reads the file and denies writers: it exists, but neither opens for
       writing nor can be created anew. */
    WriteFileBytes(LogPath(), "kept");
    HANDLE reader = CreateFileA(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    MessageBoxAnswerer answerer(IDOK);
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Accept");
    CloseHandle(reader);

    std::string expected = "Unable to create " + LogPath() + " file";
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(expected, answerer.Seen()[0].text);
    EXPECT_TRUE(capture.Has(expected));
    EXPECT_EQ("kept", ReadFileBytes(LogPath()));
}

TEST_F(Trace, LongLinesAreCutToTheLineBuffer)
{
    std::string longText(3000, 'x');
    TraceToWindow(&windowTrace, "%s", longText.c_str());
    ASSERT_EQ(1u, capture.Lines().size());
    EXPECT_EQ(1023u, capture.Lines()[0].size());

    WriteFileBytes(LogPath(), "");
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "%s", longText.c_str());
    std::string text = ReadFileBytes(LogPath());
    EXPECT_EQ(1023u, text.size());
    EXPECT_EQ("x\r\n", text.substr(text.size() - 3));
}

TEST_F(Trace, AViewerWithoutList120GetsNothing)
{
    DestroyWindow(capture.viewer());
    HWND viewer = CreateWindowA("Dbs", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(viewer != NULL);
    windowTrace = TraceWindowChannel();
    EXPECT_EQ(viewer, windowTrace.viewer);
    EXPECT_TRUE(windowTrace.list == NULL);
    TraceToWindow(&windowTrace, "GetCallerId");
    DestroyWindow(viewer);
}

}  // namespace
