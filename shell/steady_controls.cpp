#include "steady_controls.h"

#include <string.h>

namespace {

enum { TEXT_SIZE = 1024, MAX_STEADY = 8 };

struct KnownControl {
    int id;
    HWND control;
};

HWND knownDialog;
KnownControl knownControls[MAX_STEADY];
int knownCount;

const char kPreviousProc[] = "SteadyControlProc";

/* A static control repaints at once whenever its text or image is set, and every connect, call and
   tick sets the caller, status and picture controls again, mostly to what they already show. */
bool ShowsText(HWND control, const char *text)
{
    char current[TEXT_SIZE];
    int length = GetWindowTextA(control, current, sizeof current);
    return length < TEXT_SIZE - 1 && strcmp(current, text) == 0;
}

LRESULT CALLBACK SteadyControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = (WNDPROC)GetPropA(control, kPreviousProc);
    if (message == WM_SETTEXT && lParam && ShowsText(control, (const char *)lParam))
        return TRUE;
    if (message == STM_SETIMAGE && CallWindowProcA(previous, control, STM_GETIMAGE, wParam, 0) == lParam)
        return lParam;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)previous);
        RemovePropA(control, kPreviousProc);
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace

void KeepSteadyControls(HWND dialog, const int *ids, int count)
{
    knownDialog = dialog;
    knownCount = 0;
    for (int i = 0; i < count; ++i) {
        HWND control = GetDlgItem(dialog, ids[i]);
        if (knownCount < MAX_STEADY)
            knownControls[knownCount++] = {ids[i], control};
        if (!control || GetPropA(control, kPreviousProc))
            continue;
        SetPropA(control, kPreviousProc, (HANDLE)GetWindowLongPtrA(control, GWLP_WNDPROC));
        SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)SteadyControlProc);
    }
}

HWND SteadyControl(HWND dialog, int id)
{
    for (int i = 0; dialog == knownDialog && i < knownCount; ++i)
        if (knownControls[i].id == id)
            return knownControls[i].control;
    return GetDlgItem(dialog, id);
}
