#include "message_box_answerer.h"

#include "windows_seen.h"

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

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int button)
    : button_(button), stop_(false), thread_(&MessageBoxAnswerer::Watch, this)
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
    /* A message box is a shown dialog-class window of this process with a message text control. */
    HWND found = FindShown([](HWND w) { return ClassOf(w) == "#32770" && MessageText(w); });
    if (!found)
        return false;
    SeenMessageBox box = {TextOf(found), TextOf(MessageText(found))};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(box);
    }
    /* Wait until the box is gone, so that one box is never recorded twice. */
    PostMessageA(found, WM_COMMAND, (WPARAM)button_, 0);
    for (int i = 0; i < 500 && IsWindow(found) && IsWindowVisible(found); ++i)
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
