#include "virtual_clock.h"

#include <vector>

namespace {

struct ClockTimer {
    HWND window;
    UINT_PTR id;
    UINT period;
    TIMERPROC proc;
    int64_t due;
    uint64_t order;   /* breaks ties between timers due at once: the earlier set fires first */
};

std::vector<ClockTimer> timers;
int64_t now;
uint64_t nextOrder;

ClockTimer *Find(HWND window, UINT_PTR id)
{
    for (ClockTimer &timer : timers)
        if (timer.window == window && timer.id == id)
            return &timer;
    return NULL;
}

/* Timers of a window (the library's are all window timers) run on the clock; thread timers stay
   real. */
UINT_PTR WINAPI ClockSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC proc)
{
    if (!window)
        return SetTimer(window, id, period, proc);
    if (period < USER_TIMER_MINIMUM)
        period = USER_TIMER_MINIMUM;
    ClockTimer *timer = Find(window, id);
    if (!timer) {
        timers.push_back(ClockTimer());
        timer = &timers.back();
    }
    *timer = {window, id, period, proc, now + period, nextOrder++};
    return 1;
}

BOOL WINAPI ClockKillTimer(HWND window, UINT_PTR id)
{
    if (!window)
        return KillTimer(window, id);
    for (size_t i = 0; i < timers.size(); ++i) {
        if (timers[i].window == window && timers[i].id == id) {
            timers.erase(timers.begin() + (long)i);
            return TRUE;
        }
    }
    return FALSE;
}

ClockTimer *NextDue(void)
{
    ClockTimer *next = NULL;
    for (ClockTimer &timer : timers)
        if (!next || timer.due < next->due || (timer.due == next->due && timer.order < next->order))
            next = &timer;
    return next;
}

/* Fires one timer as the message loop would dispatch it. Its handler may set or kill timers. */
void Fire(ClockTimer *timer)
{
    now = timer->due;
    timer->due += timer->period;
    ClockTimer fired = *timer;
    if (!IsWindow(fired.window)) {
        ClockKillTimer(fired.window, fired.id);
        return;
    }
    if (fired.proc)
        fired.proc(fired.window, WM_TIMER, fired.id, GetTickCount());
    else
        SendMessageA(fired.window, WM_TIMER, fired.id, 0);
}

bool PatchImport(HMODULE module, FARPROC original, FARPROC replacement)
{
    BYTE *base = (BYTE *)module;
    IMAGE_NT_HEADERS *headers = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress || !original)
        return false;
    bool patched = false;
    for (IMAGE_IMPORT_DESCRIPTOR *library = (IMAGE_IMPORT_DESCRIPTOR *)(base + imports.VirtualAddress);
         library->Name; ++library) {
        for (IMAGE_THUNK_DATA *slot = (IMAGE_THUNK_DATA *)(base + library->FirstThunk); slot->u1.Function; ++slot) {
            if ((FARPROC)slot->u1.Function != original)
                continue;
            DWORD protection;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            slot->u1.Function = (ULONG_PTR)replacement;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            patched = true;
        }
    }
    return patched;
}

}  // namespace

bool TakeOverTimers(HMODULE module)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    bool set = PatchImport(module, GetProcAddress(user32, "SetTimer"), (FARPROC)(void *)ClockSetTimer);
    bool kill = PatchImport(module, GetProcAddress(user32, "KillTimer"), (FARPROC)(void *)ClockKillTimer);
    return set && kill;
}

int64_t ClockNow(void)
{
    return now;
}

double ClockSeconds(void)
{
    return (double)now / 1000.0;
}

bool AdvanceClock(int64_t until, KeepGoing keepGoing)
{
    for (ClockTimer *next = NextDue(); next && next->due <= until; next = NextDue()) {
        if (!keepGoing())
            return false;
        Fire(next);
    }
    if (now < until)
        now = until;
    return true;
}
