#include "message_box_answerer.h"

namespace {

/* The text control of a message box: 0xFFFF on Windows, 100 in Wine's template. */
const int kMessageTextIds[] = {0xFFFF, 100};

HWND MessageText(HWND box)
{
    for (int id : kMessageTextIds)
        if (HWND text = GetDlgItem(box, id))
            return text;
    return NULL;
}

struct Search {
    DWORD processId;
    HWND found;
};

/* A message box is a visible dialog-class window of this process with a message text control. */
BOOL CALLBACK FindMessageBox(HWND window, LPARAM param)
{
    Search *search = (Search *)param;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) &&
        MessageText(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string TextOf(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int button)
    : processId_(GetCurrentProcessId()), button_(button), stop_(false), thread_(&MessageBoxAnswerer::Watch, this)
{
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    stop_ = true;
    thread_.join();
}

void MessageBoxAnswerer::SetButton(int button)
{
    button_ = button;
}

std::vector<SeenMessageBox> MessageBoxAnswerer::Seen()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxAnswerer::AnswerOne()
{
    Search search = {processId_, NULL};
    EnumWindows(FindMessageBox, (LPARAM)&search);
    if (!search.found)
        return false;
    SeenMessageBox box = {TextOf(search.found), TextOf(MessageText(search.found))};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(box);
    }
    /* Wait until the box is gone, so that one box is never recorded twice. */
    PostMessageA(search.found, WM_COMMAND, (WPARAM)button_, 0);
    for (int i = 0; i < 500 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
        Sleep(5);
    return true;
}

void MessageBoxAnswerer::Watch()
{
    while (!stop_) {
        if (!AnswerOne())
            Sleep(5);
    }
}
