/* Reading and writing the two call-list files: the engine's phone book lookup and addition, the
   log append, and loading and saving a list dialog's list control. Every operation opens its file,
   finishes and closes it before returning. */
#ifndef LIST_FILES_H
#define LIST_FILES_H

#include <windows.h>

/* 1 when the phone book holds number (only the stored number's digits count); the stored name
   is then in name (256 bytes). Trailing control bytes are first cut from number in place. */
int LookupCallerName(char *name, char *number);

/* Appends "name TAB number CR LF" to the phone book unless number is already in it. */
void AddCallerIfNew(const char *name, const char *number);

/* Appends record (one whole line with its CR LF) to the incoming-call log and empties it. */
void AppendCallLogLine(char *record);

/* A list dialog's list: the list-view control whose items hold the entries as item data, the
   kind of entry (PHONE_BOOK_FIELDS or CALL_LOG_FIELDS fields), and the dialog's sort column and
   modified flag, which loading and saving set. */
struct CallList {
    HWND control;
    int fieldCount;
    int sortColumn;
    int modified;
};

/* Fills the empty list control from the file, one entry per non-empty line, items supplying
   their text on demand (LPSTR_TEXTCALLBACK), then sorts by the list's first column to sort by:
   the name for the phone book, the third field for the log. A file that cannot be opened leaves
   the list empty. */
void LoadListFile(CallList *list, const char *path);

/* Writes every entry in display order, fields joined by TAB, lines ended by CR LF. Clears the
   modified flag whether or not the file could be written. */
void SaveListFile(const char *path, CallList *list);

/* The list control's sort callback; listParam is the CallList. */
int CALLBACK CompareListItems(LPARAM entry1, LPARAM entry2, LPARAM listParam);

/* Releases the entries of every item (the dialog calls it as it closes). */
void ReleaseListEntries(CallList *list);

#endif
