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

    const std::string log = ProductPath("MoHlog.txt");
    TraceCapture capture;
};

TEST_F(Trace, AMissingTraceFileIsNeverCreated)
{
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Modem Connected");
    EXPECT_FALSE(FileExists(log));
    EXPECT_TRUE(capture.Has(log + " doesn't exist"));
}

/* Time-stamped CR LF lines appended to the file, the same without line end in the viewer; long
   lines are cut to the line buffer in both. */
TEST_F(Trace, AnExistingTraceFileIsAppendedToWithCrLfLines)
{
    WriteFileBytes(log, "earlier run\r\n");
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Name: %s", "Ann");
    TraceToFile(&fileTrace, "%s", std::string(3000, 'x').c_str());
    TraceToWindow(&windowTrace, "Name: %s", "Ann");
    TraceToWindow(&windowTrace, "%s", std::string(3000, 'x').c_str());

    std::string text = ReadFileBytes(log);
    ASSERT_EQ(13 + 12 + 11 + 1023u, text.size());
    EXPECT_EQ(0u, text.find("earlier run\r\n"));
    EXPECT_TRUE(HasTimePrefix(text.substr(13)) && HasTimePrefix(text.substr(13 + 12 + 11))) << text;
    EXPECT_EQ("Name: Ann\r\n", text.substr(13 + 12, 11));
    EXPECT_EQ("x\r\n", text.substr(text.size() - 3));
    ASSERT_EQ(2u, capture.Lines().size());
    EXPECT_TRUE(HasTimePrefix(capture.Lines()[0]));
    EXPECT_EQ("Name: Ann", capture.Messages()[0]);
    EXPECT_EQ(1023u, capture.Lines()[1].size());
}

/* Another program reads the file and denies writers: it exists, but neither opens for writing nor
   can be created anew. */
TEST_F(Trace, AFileThatCannotBeOpenedForWritingIsReportedOnceAndThenIgnored)
{
    WriteFileBytes(log, "kept");
    HANDLE reader = CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    MessageBoxAnswerer answerer(IDOK);
    OpenTraceFile(&fileTrace);
    TraceToFile(&fileTrace, "Accept");
    CloseHandle(reader);

    std::string expected = "Unable to create " + log + " file";
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(expected, answerer.Seen()[0].text);
    EXPECT_TRUE(capture.Has(expected));
    EXPECT_EQ("kept", ReadFileBytes(log));
}

TEST_F(Trace, AViewerWithoutList120GetsNothing)
{
    DestroyWindow(capture.viewer());
    HWND viewer = CreateWindowA("Dbs", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    windowTrace = TraceWindowChannel();
    EXPECT_EQ(viewer, windowTrace.viewer);
    EXPECT_TRUE(windowTrace.list == NULL);
    TraceToWindow(&windowTrace, "GetCallerId");
    DestroyWindow(viewer);
}

}  // namespace
