/* The in-memory entries of the two call lists: one zero-filled 101-byte block per field. A list
   control item holds its entry as item data; a missing field is a null pointer and counts as
   empty text everywhere. */
#ifndef LIST_ENTRY_H
#define LIST_ENTRY_H

#include <stddef.h>

enum { LIST_FIELD_SIZE = 101, PHONE_BOOK_FIELDS = 2, CALL_LOG_FIELDS = 4 };

/* Field slots in line order. */
enum { FIELD_NAME = 0, FIELD_NUMBER = 1, FIELD_TIME = 2, FIELD_OUTCOME = 3 };

struct PhoneBookEntry {
    char *fields[PHONE_BOOK_FIELDS];
};

struct CallLogEntry {
    char *fields[CALL_LOG_FIELDS];
};

/* Cuts line (NUL-terminated) into fieldCount fields. A TAB or a CR ends a field, which goes into
   a new block in the next slot; at the end of the line the bytes still collected (maybe none) fill
   the next slot if any is left; once every slot is filled the rest is ignored. Unfilled slots stay
   null; fields over 100 bytes are cut. Returns 0 when a block could not be allocated. The slots
   must be null on entry. */
int SplitListFields(const char *line, char **fields, int fieldCount);
int SplitListLine(const char *line, PhoneBookEntry *entry);
int SplitListLine(const char *line, CallLogEntry *entry);

/* Compares the texts of column byte by byte as unsigned values, a text that is the start of the
   other first. A null field is empty; a column outside the entry compares equal. */
int CompareListFields(char *const *fields1, char *const *fields2, int fieldCount, int column);
int CompareEntries(const PhoneBookEntry *entry1, const PhoneBookEntry *entry2, int column);
int CompareEntries(const CallLogEntry *entry1, const CallLogEntry *entry2, int column);

/* Zero-filled entries, and their release with every field block. Free accepts null. */
PhoneBookEntry *NewPhoneBookEntry();
CallLogEntry *NewCallLogEntry();
void FreeListFields(char **fields, int fieldCount);
void FreeListEntry(PhoneBookEntry *entry);
void FreeListEntry(CallLogEntry *entry);

/* A field's text, the empty text for a null field. */
const char *FieldText(const char *field);

#endif
