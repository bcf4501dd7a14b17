#include "message_loop.h"

#include <windows.h>

#include "main_window.h"

namespace {

/* Every queued message goes through the dialog manager, so that keyboard navigation and the
   accelerators (through the message-filter hook) work; false once the main window is gone. */
bool HandleQueuedMessages(void)
{
    MSG message;
    while (mainWindow && PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(mainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return mainWindow != NULL;
}

}  // namespace

/* Sleeps until something arrives (posted or sent messages, input, painting, timers), then empties
   the queue, so that an idle window costs nothing and a burst is handled at once. Only the end of
   the main window ends it; WM_QUIT is dispatched like any other message. */
void RunMessageLoop(void)
{
    while (HandleQueuedMessages())
        MsgWaitForMultipleObjectsEx(0, NULL, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
