/* The entries of an open list dialog, platform-free: the file's bytes in one block read once, the
   lines added since in a second text, and one small entry per line in display order. The list
   also remembers which part of the file it has taken in, so that lines the engine appends later
   reach it, and a save, without a line being lost. */
#ifndef LIST_ROWS_H
#define LIST_ROWS_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "list_entry.h"

struct ListRows {
    int fieldCount = 0;           /* PHONE_BOOK_FIELDS or CALL_LOG_FIELDS */
    int sortColumn = 0;
    char *block = nullptr;        /* the file as read when the list opened (malloc), or null */
    std::vector<char> added;      /* lines added since: the engine's, the editor's */
    std::vector<ListEntry> entries;
    /* The first knownLength bytes of the file, which hash to knownHash, are lines the list has
       taken in (shown, or deleted by the user); complete lines after them are new to it. */
    size_t knownLength = 0;
    uint64_t knownHash = 0;
};

/* Takes over block (length bytes, from malloc; null for none): one entry per non-empty line,
   sorted by sortColumn. */
void OpenListRows(ListRows *rows, int fieldCount, int sortColumn, char *block, size_t length);
/* Frees the block and every entry at once. */
void CloseListRows(ListRows *rows);

/* The line an entry describes. */
const char *EntryLine(const ListRows *rows, const ListEntry *entry);

/* Texts of entry index for showing: fields[slot] points into text, null for a field the line
   lacks. Returns 0 (and no fields) for an index outside the list. */
struct EntryTexts {
    char text[LIST_FIELDS_MAX][LIST_FIELD_SIZE];
    char *fields[LIST_FIELDS_MAX];
};
int GetEntryTexts(const ListRows *rows, size_t index, EntryTexts *texts);

/* Sorts by the sort column; entries with equal texts keep their order. */
void SortListRows(ListRows *rows);
/* Adds a line (without CR LF) where the sort column puts it; returns its index. */
size_t AddListLine(ListRows *rows, const char *line, size_t length);
/* Puts a new line in the place of entry index; its marks stay. */
void ReplaceListLine(ListRows *rows, size_t index, const char *line, size_t length);
/* Removes every entry marked ENTRY_SELECTED. */
void RemoveSelectedEntries(ListRows *rows);

/* Takes in the file as it is now: every complete, non-empty line the list has not taken in yet
   is added where the sort column puts it. Returns how many were added. When the file no longer
   starts with what the list took in (another program rewrote it), every line the list does not
   hold is added, so nothing in the file is dropped by the next save. */
size_t TakeNewLines(ListRows *rows, const char *file, size_t length);

/* The file a save writes: every entry in display order, CR LF after each. An entry marked
   ENTRY_CUT is its line as read; any other is its fields joined by TAB. */
std::string FormatListRows(const ListRows *rows);
/* After a save: the written text is now what the list has taken in. */
void KnowSavedText(ListRows *rows, const std::string &text);

#endif
