#include "steady_controls.h"

#include <string.h>

namespace {

enum { TEXT_SIZE = 1024, MAX_STEADY = 8 };

struct KnownControl {
    int id;
    HWND control;
    WNDPROC previous;
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

/* The control's own procedure. Looking it up in the table spares a window-server round trip per
   message; the property holds it for a control of an earlier dialog. */
WNDPROC PreviousProc(HWND control)
{
    for (int i = 0; i < knownCount; ++i)
        if (knownControls[i].control == control)
            return knownControls[i].previous;
    return (WNDPROC)GetPropA(control, kPreviousProc);
}

void Forget(HWND control)
{
    for (int i = 0; i < knownCount; ++i)
        if (knownControls[i].control == control)
            knownControls[i].control = NULL;
}

LRESULT CALLBACK SteadyControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = PreviousProc(control);
    if (message == WM_SETTEXT && lParam && ShowsText(control, (const char *)lParam))
        return TRUE;
    if (message == STM_SETIMAGE && CallWindowProcA(previous, control, STM_GETIMAGE, wParam, 0) == lParam)
        return lParam;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)previous);
        RemovePropA(control, kPreviousProc);
        Forget(control);
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
        WNDPROC previous = control ? (WNDPROC)GetPropA(control, kPreviousProc) : NULL;
        if (control && !previous) {
            previous = (WNDPROC)GetWindowLongPtrA(control, GWLP_WNDPROC);
            SetPropA(control, kPreviousProc, (HANDLE)previous);
            SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)SteadyControlProc);
        }
        if (knownCount < MAX_STEADY)
            knownControls[knownCount++] = {ids[i], control, previous};
    }
}

HWND SteadyControl(HWND dialog, int id)
{
    for (int i = 0; dialog == knownDialog && i < knownCount; ++i)
        if (knownControls[i].id == id)
            return knownControls[i].control;
    return GetDlgItem(dialog, id);
}
