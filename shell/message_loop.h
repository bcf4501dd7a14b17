/* The library's own message loop, run by CreateMOH when the host asks for it. */
#ifndef MESSAGE_LOOP_H
#define MESSAGE_LOOP_H

/* Serves the calling thread's messages until the main window is gone. */
void RunMessageLoop(void);

#endif
