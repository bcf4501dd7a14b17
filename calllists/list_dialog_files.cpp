/* A list dialog's file: read once at start, taken in again for the engine's appends and before
   each save, and replaced safely by a save. Nothing the file holds is lost on the way: a file
   that could not be read is never saved over, and a failed save keeps the changes unsaved. */
#include "list_dialog.h"

#include <stdlib.h>
#include <string.h>

#include <string>

#include "list_files.h"

namespace {

enum { REASON_SIZE = 256 };

/* Whether path names the list's own file. */
bool IsListFile(const ListDialog *dialog, const char *path)
{
    char mine[MAX_PATH], theirs[MAX_PATH];
    return GetFullPathNameA(dialog->kind->path, MAX_PATH, mine, NULL) - 1u < MAX_PATH - 1u &&
           GetFullPathNameA(path, MAX_PATH, theirs, NULL) - 1u < MAX_PATH - 1u && lstrcmpiA(mine, theirs) == 0;
}

/* Reads the list's own file and takes in what it has that the list has not. */
bool TakeInListFile(ListDialog *dialog)
{
    char *block;
    size_t length;
    if (!ReadListFile(dialog->kind->path, &block, &length))
        return false;
    MarkListSelection(dialog);
    TakeNewLines(&dialog->rows, block, length);
    free(block);
    ShowListRows(dialog);
    dialog->readError = 0;
    return true;
}

}  // namespace

void ReportFileError(ListDialog *dialog, const char *path, DWORD error)
{
    char reason[REASON_SIZE] = "";
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, reason,
                        sizeof reason, NULL))
        wsprintfA(reason, "%lu", (unsigned long)error);
    std::string text = std::string(path) + "\r\n\r\n" + reason;
    char caption[LIST_TEXT_SIZE] = "";
    GetWindowTextA(dialog->window, caption, sizeof caption);
    MessageBoxA(dialog->window, text.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
}

void LoadListFile(ListDialog *dialog)
{
    char *block;
    size_t length;
    dialog->readError = ReadListFile(dialog->kind->path, &block, &length) ? 0 : GetLastError();
    int sortColumn = dialog->kind->fieldCount == CALL_LOG_FIELDS ? FIELD_TIME : FIELD_NAME;
    OpenListRows(&dialog->rows, dialog->kind->fieldCount, sortColumn, block, length);
    SendMessageA(dialog->list, LVM_SETITEMCOUNT, (WPARAM)ListItemCount(dialog), 0);
}

void SaveListFile(ListDialog *dialog, const char *path)
{
    bool ownFile = IsListFile(dialog, path);
    if (ownFile && !TakeInListFile(dialog)) {
        ReportFileError(dialog, path, GetLastError());
        return;
    }
    std::string text = FormatListRows(&dialog->rows);
    if (!ReplaceListFile(path, text.data(), text.size())) {
        ReportFileError(dialog, path, GetLastError());
        return;
    }
    if (ownFile)
        KnowSavedText(&dialog->rows, text);
    dialog->modified = 0;
}

void TakeAppendedLines(ListDialog *dialog)
{
    TakeInListFile(dialog);
}
