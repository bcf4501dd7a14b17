/* The in-memory entries of the two call lists. An entry copies nothing: it records where its line
   lies in the text that holds it and where each shown field lies in that line, so that a list of
   100,000 entries costs little more than its file. A field the line does not have counts as empty
   text everywhere. */
#ifndef LIST_ENTRY_H
#define LIST_ENTRY_H

#include <stddef.h>
#include <stdint.h>

enum { LIST_FIELD_SIZE = 101, PHONE_BOOK_FIELDS = 2, CALL_LOG_FIELDS = 4, LIST_FIELDS_MAX = 4 };

/* Field slots in line order. */
enum { FIELD_NAME = 0, FIELD_NUMBER = 1, FIELD_TIME = 2, FIELD_OUTCOME = 3 };

/* Marks of an entry. */
enum {
    ENTRY_ADDED = 1,     /* the line lies in the list's added text, not in the file as first read */
    ENTRY_CUT = 2,       /* some of the line is not shown; it is written back as it was read */
    ENTRY_SELECTED = 4,  /* selection and focus, kept while the order of the entries changes */
    ENTRY_FOCUSED = 8,
};

struct ListEntry {
    uint32_t offset;                  /* of the line in its text */
    uint32_t length;                  /* of the whole line, without its CR LF */
    uint8_t start[LIST_FIELDS_MAX];   /* each field's first byte, counted from the line's start */
    uint8_t size[LIST_FIELDS_MAX];    /* each field's length, at most 100 */
    uint8_t present;                  /* one bit per field the line has */
    uint8_t marks;
};

/* Cuts line (length bytes) into fieldCount fields as the lists show them: only the line's first
   255 bytes up to its first NUL count; a TAB or a CR ends a field; at the end the bytes still
   collected (maybe none) fill the next field if one is left; once every field is filled the rest
   is ignored; fields over 100 bytes are cut. A line that loses bytes to those limits is marked
   ENTRY_CUT. Sets offset, length and the fields; the marks are left to the caller. */
void SplitListLine(const char *line, size_t length, int fieldCount, ListEntry *entry);

/* Compares the texts of column (line1 holds entry1's line, line2 entry2's) byte by byte as
   unsigned values, a text that is the start of the other first. A column outside the entries
   compares equal. */
int CompareEntries(const char *line1, const ListEntry *entry1, const char *line2, const ListEntry *entry2,
                   int fieldCount, int column);

/* Field slot's text, NUL-terminated, into text (LIST_FIELD_SIZE bytes); 0 when the line lacks it. */
int CopyEntryField(const char *line, const ListEntry *entry, int slot, char *text);

#endif
