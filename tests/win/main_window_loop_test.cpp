/* Exit from the library's own message loop: CreateMOH runs on a thread of its own, as with a
   dialer that hands its thread over, and the test acts on the window from outside as a user
   does, by posted commands, while a helper answers the questions. */
#include <string>
#include <vector>

#include "library_test.h"
#include "message_box_answerer.h"
#include "moh.h"
#include "mohres.h"

namespace {

const char kTitle[] = "Pellora Modem on Hold";

class LibraryLoop : public LibraryTest {
protected:
    /* Until the status window is shown: a dialog is shown once its initialisation is complete. */
    bool Start()
    {
        window = loop.Start() ? loop.window() : NULL;
        return window && WaitFor([&] { return IsWindowVisible(window) != FALSE; });
    }
    /* A shown dialog of the library's thread other than the status window and skip: a question. */
    HWND Question(HWND skip = NULL)
    {
        return loop.Find([&](HWND w) { return w != window && w != skip && ClassOf(w) == "#32770" && IsWindowVisible(w); });
    }
    /* Until the helper has answered that many boxes and the last one is gone. */
    bool WaitForAnswers(MessageBoxAnswerer &answerer, size_t count)
    {
        return WaitFor([&] { return answerer.Seen().size() >= count; }) && answerer.Seen().size() == count &&
               WaitFor([&] { return Question() == NULL; });
    }
    /* A sent message is handled between two turns of the loop, after earlier posted commands. */
    void Settle() { SendMessageA(window, WM_NULL, 0, 0); }
    std::string QuestionText()
    {
        std::string text = String(IDS_EXIT_QUESTION);
        return text.replace(text.find("%s"), 2, kTitle);
    }

    HWND window = NULL;
};

/* Started with the line on hold, exit is refused without a question; once the line is back,
   closing asks, No keeps the window and a second exit while the question is open is ignored;
   Yes then ends the loop. */
TEST_F(LibraryLoop, ExitIsRefusedOnHoldAndOtherwiseAskedOnce)
{
    modem.values[MOH_ITEM_DIAG_STATE] = DIAG_MOH;
    modem.values[MOH_ITEM_MOH_STATE] = MOH_STATE_WAIT_FOR_CALL_RESUME;
    ASSERT_TRUE(Start());
    std::vector<SeenMessageBox> seen;
    {
        MessageBoxAnswerer answerer(IDNO);
        PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0);
        ASSERT_TRUE(WaitForAnswers(answerer, 1));
        PostMessageA(window, WM_COMMAND, IDCMD_DISCONNECT, 0);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(WaitForAnswers(answerer, 2));
        seen = answerer.Seen();
    }
    Settle();
    EXPECT_TRUE(IsWindow(window));
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(String(IDS_EXIT_REFUSED), seen[0].text);
    EXPECT_EQ(QuestionText(), seen[1].text);
    EXPECT_EQ(kTitle, seen[1].caption);

    PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0);
    HWND question = NULL;
    ASSERT_TRUE(WaitFor([&] { return (question = Question()) != NULL; }));
    /* Handled inside the question's own loop; a second question would keep it from returning. */
    DWORD_PTR result = 0;
    EXPECT_NE(0, SendMessageTimeoutA(window, WM_COMMAND, IDCMD_EXIT, 0, SMTO_NORMAL, 5000, &result));
    EXPECT_EQ(nullptr, Question(question)) << "no second question";
    MessageBoxAnswerer yes(IDYES);
    ASSERT_TRUE(loop.Ended());
    EXPECT_EQ(window, loop.returned());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(1u, yes.Seen().size());
}

/* The loop empties the queue each time it wakes: a burst of posted state polls is handled in order,
   before an exit posted after it, and the window still closes normally. */
TEST_F(LibraryLoop, ABurstOfPostedMessagesIsHandledBeforeALaterExit)
{
    const int burst = 1000;
    ASSERT_TRUE(Start());
    MessageBoxAnswerer answerer(IDYES);
    for (int i = 0; i < burst; ++i)
        PostMessageA(window, WM_TIMER, 1, 0);
    PostMessageA(window, WM_COMMAND, IDCMD_EXIT, 0);
    ASSERT_TRUE(loop.Ended());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(1u, answerer.Seen().size());
    int polls = 0;
    for (const ModemCall &call : modem.calls)
        polls += call.op == MOH_OP_GET && call.item == MOH_ITEM_MOH_STATE;
    EXPECT_GE(polls, burst);
}

}  // namespace
