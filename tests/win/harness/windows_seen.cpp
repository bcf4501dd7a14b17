#include "windows_seen.h"

#include <vector>

#include "fake_modem.h"
#include "mohres.h"

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM param)
{
    ((std::vector<HWND> *)param)->push_back(window);
    return TRUE;
}

}  // namespace

bool WaitFor(const std::function<bool()> &done)
{
    for (int i = 0; i < 2000; ++i, Sleep(5))
        if (done())
            return true;
    return done();
}

HWND FindShown(const std::function<bool(HWND)> &match, HWND skip)
{
    std::vector<HWND> windows;
    EnumWindows(Collect, (LPARAM)&windows);
    for (HWND window : windows) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && window != skip && IsWindowVisible(window) && match(window))
            return window;
    }
    return NULL;
}

HWND WaitForDialog(const std::string &caption, HWND skip)
{
    HWND found = NULL;
    WaitFor([&] {
        found = FindShown([&](HWND w) { return ClassOf(w) == "#32770" && TextOf(w) == caption; }, skip);
        return found != NULL;
    });
    return found;
}

bool WaitUntilGone(HWND window)
{
    return WaitFor([&] { return !IsWindow(window); });
}

std::string TextOf(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT RectInParent(HWND child)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(child, &rect);
    MapWindowPoints(NULL, GetParent(child), (POINT *)&rect, 2);
    return rect;
}

SIZE SizeOf(HWND window)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

DWORD WINAPI OwnLoop::Run(void *param)
{
    OwnLoop *loop = (OwnLoop *)param;
    loop->returned_ = loop->library_->Create(NULL, 1, FakeModem::Request);
    return 0;
}

bool OwnLoop::Start()
{
    if (!library_->loaded() && !library_->Load())
        return false;
    thread_ = CreateThread(NULL, 0, Run, this, 0, &threadId_);
    /* The splash is set up before the main window: once that is up, the splash is there or will not come. */
    return WaitFor([&] { return window() != NULL; });
}

void OwnLoop::Stop()
{
    if (!thread_)
        return;
    if (HWND main = window())
        PostMessageA(main, WM_DESTROY, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    thread_ = NULL;
}

HWND OwnLoop::window()
{
    return Find([](HWND w) { return GetDlgItem(w, IDC_STATUS_LINE) != NULL; });
}

HWND FindOnThread(DWORD threadId, const std::function<bool(HWND)> &match)
{
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, Collect, (LPARAM)&windows);
    for (HWND window : windows)
        if (match(window))
            return window;
    return NULL;
}
