/* What the phone book and the incoming-call log dialogs share: one dialog procedure body over a
   per-list description, and the routines both lists use for their toolbar, rows and files. */
#ifndef LIST_DIALOG_H
#define LIST_DIALOG_H

#include <windows.h>
#include <commctrl.h>

#include "list_files.h"

enum { OUTCOME_PICTURES = 4, LIST_TEXT_SIZE = 256, LIST_BUTTONS_MAX = 7 };

struct ListDialog;

/* Where the two lists differ. */
struct ListKind {
    int fieldCount;
    int textColumns;          /* columns drawn as text; the log has a picture column after them */
    int textIndent;           /* pixels from a column's left edge to its text */
    int helpContext;
    int minWidth, minHeight;  /* minimum tracking size */
    const char *path;         /* the list file */
    const TBBUTTON *buttons;
    int buttonCount;
    void (*start)(ListDialog *dialog);                 /* first start step: caption, pictures */
    void (*addColumns)(ListDialog *dialog);
    void (*fillInfoTip)(ListDialog *dialog, NMLVGETINFOTIPA *tip, char *const *fields);
    void (*drawExtras)(ListDialog *dialog, const DRAWITEMSTRUCT *item, char *const *fields, int scroll);
    BOOL (*command)(ListDialog *dialog, int id);       /* commands only this list has */
    void (*doubleClick)(ListDialog *dialog);
    void (*destroy)(ListDialog *dialog);
};

struct ListDialog {
    const ListKind *kind;
    HWND window;              /* 0 while the dialog is not open */
    HWND toolbar;
    HWND statusBar;
    CallList list;
    HBITMAP outcomePictures[OUTCOME_PICTURES];
    int outcomeColumnWidth;   /* 0 for a list without the picture column */
};

/* The body of both dialog procedures. */
INT_PTR ListDialogMessage(ListDialog *dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/* Row height of the owner-drawn list: the height of "W" in the list's window DC, plus 1. */
void MeasureListRow(HWND window, MEASUREITEMSTRUCT *measure);

/* The fields of the entry that item index holds, or null. */
char **ListItemFields(const ListDialog *dialog, int index);
int ListItemCount(const ListDialog *dialog);
/* Greys or enables the buttons that need entries; Close, Help and New stay as they are. */
void UpdateListToolbar(ListDialog *dialog);
/* Sorts again by the sort column. */
void SortList(ListDialog *dialog);

void DrawListRow(ListDialog *dialog, const DRAWITEMSTRUCT *item);
/* Cuts text (a buffer of at least LIST_TEXT_SIZE bytes) so that it fits width, ending in "...". */
void FitTextWithEllipsis(HDC dc, char *text, int width);
/* Makes the window one pixel wider in place, which brings a WM_SIZE. */
void ForceRelayout(HWND window);
void SetListExStyles(HWND list, BOOL infoTips);
void AddListColumn(HWND list, UINT textId, int index, int width);
/* The save-file dialog; path is a 256-byte buffer. Nonzero when the user chose a file. */
BOOL AskSaveFileName(HWND owner, char *path);
/* A string of the resource module, cut to size bytes; empty when missing. */
void LoadListString(UINT id, char *text, int size);

#endif
