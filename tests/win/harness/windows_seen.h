/* Finding, waiting for and reading the windows of this test process, and the library running
   its own message loop on a thread of its own, as a dialer that leaves the loop to it does. */
#ifndef WINDOWS_SEEN_H
#define WINDOWS_SEEN_H

#include <windows.h>

#include <functional>
#include <string>

#include "library_under_test.h"

/* Polls until done() holds, for at most about ten seconds. */
bool WaitFor(const std::function<bool()> &done);
/* The first visible top-level window of this process, other than skip, for which match holds. */
HWND FindShown(const std::function<bool(HWND)> &match, HWND skip = NULL);
/* A shown dialog with that caption, waited for. */
HWND WaitForDialog(const std::string &caption, HWND skip = NULL);
bool WaitUntilGone(HWND window);
/* A window of that thread (top-level or owned, shown or not) for which match holds. */
HWND FindOnThread(DWORD threadId, const std::function<bool(HWND)> &match);

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
/* A child's rectangle in its parent's client coordinates. */
RECT RectInParent(HWND child);
SIZE SizeOf(HWND window);

class OwnLoop {
public:
    explicit OwnLoop(LibraryUnderTest *library) : library_(library) {}
    ~OwnLoop() { Stop(); }
    /* Loads the library when needed and waits for its main window. */
    bool Start();
    /* Ends the loop; the thread's other windows go with it. */
    void Stop();
    /* Whether CreateMOH has returned, waited for. */
    bool Ended() const { return WaitForSingleObject(thread_, 10000) == WAIT_OBJECT_0; }
    /* The main window, looked for again after the library rebuilt it. */
    HWND window();
    HWND Find(const std::function<bool(HWND)> &match) const { return FindOnThread(threadId_, match); }
    /* What CreateMOH returned, once it has. */
    HWND returned() const { return returned_; }

private:
    static DWORD WINAPI Run(void *param);
    LibraryUnderTest *library_;
    HANDLE thread_ = NULL;
    DWORD threadId_ = 0;
    HWND returned_ = NULL;
};

#endif
