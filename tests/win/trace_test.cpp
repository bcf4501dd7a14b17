/* The file trace as the library writes it: MoHlog.txt in the product folder, used only when it
   already exists, while the window trace of the "Dbs" viewer says what became of it. */
#include <string>

#include "library_test.h"
#include "message_box_answerer.h"
#include "module_folder.h"
#include "moh.h"
#include "trace_capture.h"

namespace {

class Trace : public LibraryTest {
protected:
    /* The library in the host's loop traces a V.92 connection to the file; unloading closes it. */
    void Connect()
    {
        ASSERT_TRUE(library.Load());
        HWND window = library.Create(NULL, 0, FakeModem::Request);
        ASSERT_TRUE(window != NULL);
        modem.values[MOH_ITEM_FAMILY] = FAMILY_TYPE_HSF;
        modem.values[MOH_ITEM_MODULATION] = MOH_MODULATION_V92;
        library.Alert(MOH_EVENT_DIAG_STATE, DIAG_PROT_LAYER_CONNECT);
        DestroyWindow(window);
        library.Unload();
    }

    TraceCapture capture;  /* before the library loads, as the library looks for the viewer then */
    const std::string log = ProductPath("MoHlog.txt");
};

TEST_F(Trace, AMissingTraceFileIsNeverCreated)
{
    Connect();
    EXPECT_FALSE(FileExists(log));
    EXPECT_TRUE(capture.Has(log + " doesn't exist"));
}

TEST_F(Trace, AnExistingTraceFileIsAppendedToWithTimeStampedCrLfLines)
{
    WriteFileBytes(log, "earlier run\r\n");
    Connect();
    std::string text = ReadFileBytes(log);
    ASSERT_EQ(0u, text.find("earlier run\r\n"));
    EXPECT_EQ("\r\n", text.substr(text.size() - 2));
    bool connected = false;
    for (size_t start = 13, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        EXPECT_TRUE(HasTimePrefix(line)) << line;
        connected = connected || line.substr(12) == "Modem Connected";
    }
    EXPECT_TRUE(connected) << text;
}

/* Another program reads the file and denies writers: it exists, but neither opens for writing nor
   can be created anew. */
TEST_F(Trace, AFileThatCannotBeOpenedForWritingIsReportedOnceAndThenIgnored)
{
    WriteFileBytes(log, "kept");
    HANDLE reader = CreateFileA(log.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    MessageBoxAnswerer answerer(IDOK);
    Connect();
    CloseHandle(reader);

    std::string expected = "Unable to create " + log + " file";
    ASSERT_EQ(1u, answerer.Seen().size());
    EXPECT_EQ(expected, answerer.Seen()[0].text);
    EXPECT_TRUE(capture.Has(expected));
    EXPECT_EQ("kept", ReadFileBytes(log));
}

}  // namespace
