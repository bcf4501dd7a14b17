/* corvanectln.dll: dialog resizing, a hyperlink control and bitmap helpers for the user
   interface. Every entry uses the standard Windows calling convention (callee pops). */
#ifndef CORVANECTLN_H
#define CORVANECTLN_H

#include <windows.h>

#ifdef CORVANECTLN_BUILD
#define CTL_API extern "C" __declspec(dllexport)
#else
#define CTL_API extern "C" __declspec(dllimport)
#endif

/* One control of a resizable dialog: its id, then for each edge the share (0 to 100 percent)
   of the change in client width (left, right) or height (top, bottom) by which it moves. */
struct SIZING {
    INT32 id;
    INT32 left;
    INT32 top;
    INT32 right;
    INT32 bottom;
};
static_assert(sizeof(SIZING) == 20, "a resize row is five 32-bit integers on every architecture");

/* Options of Resize_Init, combined with |. */
#define RESIZE_MIN_WIDTH   0x0001  /* the dialog cannot be tracked narrower than it started */
#define RESIZE_MIN_HEIGHT  0x0004  /* ... nor lower */
#define RESIZE_REPAINT     0x0008  /* moved controls are repainted whole */

/* Registers the link class and the common controls. Call before creating any window. */
CTL_API BOOL WINAPI Ctl_Startup(void);
/* Per-dialog initialisation hook; returns non-zero. */
CTL_API DWORD WINAPI Ctl_DialogInit(void);

/* A bitmap resource of module, as a DIB section the caller deletes; null when missing. */
CTL_API HBITMAP WINAPI Bitmap_Load(HINSTANCE module, UINT bitmapId);
/* A new bitmap showing source greyed out and embossed, or null. The four words are reserved
   and must be 0. The caller deletes the result. */
CTL_API HBITMAP WINAPI Bitmap_MakeDisabled(HBITMAP source, DWORD reserved1, DWORD reserved2,
                                           DWORD reserved3, DWORD reserved4);

/* Remembers the dialog's current client size and the rectangles of the rows' controls; from
   then on Resize_OnSize moves each control's edges by their shares of the size change. */
CTL_API bool WINAPI Resize_Init(HWND dialog, UINT options, const SIZING *rows, int rowCount);
/* For WM_SIZE: the size type and the new client width and height. */
CTL_API void WINAPI Resize_OnSize(HWND dialog, UINT sizeType, int clientWidth, int clientHeight);
/* For WM_GETMINMAXINFO: sets the minimum tracking size chosen by the options. */
CTL_API void WINAPI Resize_OnGetMinMaxInfo(HWND dialog, MINMAXINFO *info);
/* Forgets the dialog; call while it is being destroyed. */
CTL_API void WINAPI Resize_Exit(HWND dialog);

/* Replaces parent's static control controlId by a hyperlink with the same id, place, size and
   text. The link's window text is its target, opened with the shell when the link is clicked
   (or, with the focus, on Space or Enter). Returns the link or null. */
CTL_API HWND WINAPI Link_Create(HWND parent, int controlId);
/* The link's text colour before and after it has been opened. */
CTL_API void WINAPI Link_SetColors(HWND link, COLORREF normal, COLORREF visited);

#endif
