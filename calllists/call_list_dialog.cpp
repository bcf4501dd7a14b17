/* The two list dialogs: what the phone book and the incoming-call log each add to the shared
   list dialog. */
#include "call_list_dialog.h"

#include <stdio.h>

#include "bitmap_draw.h"
#include "corvanectln.h"
#include "entry_editor.h"
#include "help_about.h"
#include "list_dialog.h"
#include "list_files.h"
#include "main_toolbar.h"
#include "module_state.h"
#include "mohres.h"

namespace {

enum { CAPTION_SIZE = 64, TIP_PART_SIZE = 64, OUTCOME_COLUMN_WIDTH = 24, PICTURE_SIZE = 16, PICTURE_INDENT = 4,
       COLUMN_BORDER = 4 };

int ListWidth(const ListDialog *dialog)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(dialog->list, &rect);
    return rect.right - rect.left;
}

/* A loaded string for an info tip, cut to 63 characters. */
struct TipPart {
    char text[TIP_PART_SIZE];
    explicit TipPart(UINT id) { LoadListString(id, text, sizeof text); }
};

/* A field as shown: a field the line lacks is empty. */
const char *Shown(const char *field)
{
    return field ? field : "";
}

/* ---- Incoming-call log ---- */

/* 0 to 3 for a valid outcome field, -1 for a missing or unknown one. */
int OutcomeCode(const char *field)
{
    if (!field || field[0] < '0' || field[0] > '3' || field[1] != '\0')
        return -1;
    return field[0] - '0';
}

void StartCallLog(ListDialog *dialog)
{
    dialog->outcomeColumnWidth = OUTCOME_COLUMN_WIDTH;
    char caption[CAPTION_SIZE];
    LoadListString(IDS_CALL_LOG_CAPTION, caption, sizeof caption);
    SetWindowTextA(dialog->window, caption);
    for (int code = 0; code < OUTCOME_PICTURES; ++code)
        dialog->outcomePictures[code] = Bitmap_Load(resourceModule, (UINT)(IDB_OUTCOME_NONE + code));
}

void AddCallLogColumns(ListDialog *dialog)
{
    int width = (ListWidth(dialog) - OUTCOME_COLUMN_WIDTH - COLUMN_BORDER) / 3;
    AddListColumn(dialog->list, IDS_COLUMN_NAME, 0, width);
    AddListColumn(dialog->list, IDS_COLUMN_NUMBER, 1, width);
    AddListColumn(dialog->list, IDS_COLUMN_TIME, 2, width);
    AddListColumn(dialog->list, IDS_COLUMN_OUTCOME, 3, OUTCOME_COLUMN_WIDTH);
}

/* A missing or unknown outcome is described as "no outcome recorded". */
void FillCallLogTip(ListDialog *, NMLVGETINFOTIPA *tip, char *const *fields)
{
    int code = OutcomeCode(fields[FIELD_OUTCOME]);
    TipPart format(IDS_CALL_LOG_TIP), name(IDS_COLUMN_NAME), number(IDS_COLUMN_NUMBER), time(IDS_COLUMN_TIME),
        outcome((UINT)(IDS_OUTCOME_NONE + (code < 0 ? 0 : code)));
    snprintf(tip->pszText, (size_t)tip->cchTextMax, format.text, name.text, Shown(fields[FIELD_NAME]),
             number.text, Shown(fields[FIELD_NUMBER]), time.text, Shown(fields[FIELD_TIME]), outcome.text);
}

/* A missing or unknown outcome draws no picture. */
void DrawOutcome(ListDialog *dialog, const DRAWITEMSTRUCT *item, char *const *fields, int scroll)
{
    int code = OutcomeCode(fields[FIELD_OUTCOME]);
    if (code < 0)
        return;
    int left = 0;
    for (int column = 0; column < 3; ++column)
        left += (int)SendMessageA(dialog->list, LVM_GETCOLUMNWIDTH, (WPARAM)column, 0);
    RECT square = {left - scroll + PICTURE_INDENT, item->rcItem.top, 0, 0};
    square.right = square.left + PICTURE_SIZE;
    square.bottom = square.top + PICTURE_SIZE;
    SetStretchBltMode(item->hDC, COLORONCOLOR);
    StretchBitmapInto(item->hDC, &square, dialog->outcomePictures[code]);
}

void DestroyCallLog(ListDialog *dialog)
{
    for (HBITMAP &picture : dialog->outcomePictures) {
        DeleteObject(picture);
        picture = NULL;
    }
}

const TBBUTTON kCallLogButtons[] = {
    Button(0, IDCMD_LIST_SAVE_AS), Button(1, IDCMD_LIST_SAVE), Button(4, IDCMD_LIST_DELETE),
    Button(5, IDCMD_EXIT),         Button(6, IDCMD_HELP),
};

const ListKind kCallLog = {
    CALL_LOG_FIELDS, 3, 4, HELP_CALL_LOG, 204, 214, callLogPath,
    kCallLogButtons, sizeof kCallLogButtons / sizeof kCallLogButtons[0],
    StartCallLog, AddCallLogColumns, FillCallLogTip, DrawOutcome, NULL, NULL, DestroyCallLog,
};

ListDialog callLogDialog(&kCallLog);

/* ---- Phone book ---- */

void AddPhoneBookColumns(ListDialog *dialog)
{
    int width = (ListWidth(dialog) - COLUMN_BORDER) / 2;
    AddListColumn(dialog->list, IDS_COLUMN_NAME, 0, width);
    AddListColumn(dialog->list, IDS_COLUMN_NUMBER, 1, width);
}

void FillPhoneBookTip(ListDialog *, NMLVGETINFOTIPA *tip, char *const *fields)
{
    TipPart format(IDS_PHONE_BOOK_TIP), name(IDS_COLUMN_NAME), number(IDS_COLUMN_NUMBER);
    snprintf(tip->pszText, (size_t)tip->cchTextMax, format.text, name.text, Shown(fields[FIELD_NAME]),
             number.text, Shown(fields[FIELD_NUMBER]));
}

/* Edit and the double-click act only on a selected entry. */
void EditSelectedEntry(ListDialog *dialog)
{
    if (ListItemCount(dialog) > 0 && SendMessageA(dialog->list, LVM_GETSELECTEDCOUNT, 0, 0) > 0)
        EditPhoneBookEntry(dialog, 0);
}

BOOL PhoneBookCommand(ListDialog *dialog, int id)
{
    switch (id) {
    case IDCMD_LIST_NEW:
        EditPhoneBookEntry(dialog, 1);
        ForceRelayout(dialog->window);
        return TRUE;
    case IDCMD_LIST_EDIT:
        EditSelectedEntry(dialog);
        return TRUE;
    }
    return FALSE;
}

const TBBUTTON kPhoneBookButtons[] = {
    Button(0, IDCMD_LIST_SAVE_AS), Button(1, IDCMD_LIST_SAVE), Button(2, IDCMD_LIST_NEW),
    Button(3, IDCMD_LIST_EDIT),    Button(4, IDCMD_LIST_DELETE), Button(5, IDCMD_EXIT),
    Button(6, IDCMD_HELP),
};

const ListKind kPhoneBook = {
    PHONE_BOOK_FIELDS, 2, 5, HELP_PHONE_BOOK, 284, 214, phoneBookPath,
    kPhoneBookButtons, sizeof kPhoneBookButtons / sizeof kPhoneBookButtons[0],
    NULL, AddPhoneBookColumns, FillPhoneBookTip, NULL, PhoneBookCommand, EditSelectedEntry, NULL,
};

ListDialog phoneBookDialog(&kPhoneBook);

/* The engine appended to a list file: the open list of that file takes the lines in. */
void TellOpenList(const char *path)
{
    for (ListDialog *dialog : {&phoneBookDialog, &callLogDialog})
        if (dialog->window && lstrcmpiA(dialog->kind->path, path) == 0)
            PostMessageA(dialog->window, WM_LIST_FILE_GREW, 0, 0);
}

}  // namespace

INT_PTR CALLBACK PhoneBookDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        WatchListFiles(TellOpenList);
    return ListDialogMessage(&phoneBookDialog, dialog, message, wParam, lParam);
}

INT_PTR CALLBACK CallLogDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        WatchListFiles(TellOpenList);
    return ListDialogMessage(&callLogDialog, dialog, message, wParam, lParam);
}

INT_PTR CALLBACK CallListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        MeasureListRow(dialog, (MEASUREITEMSTRUCT *)lParam);
        return TRUE;
    }
    if (message != WM_INITDIALOG)
        return FALSE;
    DLGPROC procedure = lParam == CALL_LIST_INCOMING_LOG ? CallLogDlgProc : PhoneBookDlgProc;
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, (LONG_PTR)procedure);
    return procedure(dialog, message, wParam, lParam);
}
