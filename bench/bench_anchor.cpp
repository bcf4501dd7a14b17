/* The trivial library the status window's benchmarks compare with: loading it and creating its
   one small dialog is the least any library with a window costs. */
#include <windows.h>

#include "bench_anchor.h"

namespace {

HINSTANCE self;

INT_PTR CALLBACK AnchorDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HWND CreateAnchor(HWND parent)
{
    return CreateDialogParamA(self, MAKEINTRESOURCE(IDD_BENCH_ANCHOR), parent, AnchorDlgProc, 0);
}
