/* What the phone book and the incoming-call log dialogs share: one dialog procedure body over a
   per-list description, and the routines both lists use for their toolbar, rows and files. */
#ifndef LIST_DIALOG_H
#define LIST_DIALOG_H

#include <windows.h>
#include <commctrl.h>

#include "list_rows.h"

enum { OUTCOME_PICTURES = 4, LIST_TEXT_SIZE = 256, LIST_BUTTONS_MAX = 7 };

/* Posted to a list dialog: its file could not be read at start; the engine appended to it. */
enum { WM_LIST_READ_FAILED = WM_APP + 1, WM_LIST_FILE_GREW = WM_APP + 2 };

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
    explicit ListDialog(const ListKind *listKind) : kind(listKind) {}
    const ListKind *kind;
    HWND window = NULL;       /* null while the dialog is not open */
    HWND toolbar = NULL;
    HWND statusBar = NULL;
    HWND list = NULL;         /* the list control: an owner-data list view showing rows */
    ListRows rows;
    int modified = 0;         /* changes not saved yet */
    DWORD readError = 0;      /* why the list file could not be read at start; 0 when it was */
    HBITMAP outcomePictures[OUTCOME_PICTURES] = {};
    int outcomeColumnWidth = 0;  /* 0 for a list without the picture column */
};

/* The body of both dialog procedures. */
INT_PTR ListDialogMessage(ListDialog *dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
/* Row height of the owner-drawn list: the height of "W" in the list's window DC, plus 1. */
void MeasureListRow(HWND window, MEASUREITEMSTRUCT *measure);

/* The fields of entry index, copied into texts; null for an index outside the list. */
char *const *ListItemFields(const ListDialog *dialog, int index, EntryTexts *texts);
int ListItemCount(const ListDialog *dialog);
/* Greys or enables the buttons that need entries; Close, Help and New stay as they are. */
void UpdateListToolbar(ListDialog *dialog);
/* Sorts again by the sort column, the selection staying with its entries. */
void SortList(ListDialog *dialog);

/* Around a change of the rows: the first marks the selected and focused entries and clears
   them in the list control, the second shows the rows' new count and selects the marked entries
   again. */
void MarkListSelection(ListDialog *dialog);
void ShowListRows(ListDialog *dialog);
/* Replaces the template's list control by an owner-data one of the same place and styles. */
void UseOwnerDataList(ListDialog *dialog);

/* The list file: read once at start (a file that cannot be read is reported and never saved
   over); Save and Save As to the list's own file first take in the lines added to it meanwhile. */
void LoadListFile(ListDialog *dialog);
void SaveListFile(ListDialog *dialog, const char *path);
/* Takes in the lines the engine appended to the list file. */
void TakeAppendedLines(ListDialog *dialog);
/* A message box with path and the system's reason for error. */
void ReportFileError(ListDialog *dialog, const char *path, DWORD error);

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
