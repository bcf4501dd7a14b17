#include "list_entry.h"

#include <stdlib.h>
#include <string.h>

namespace {

/* Puts the collected bytes into a new block in the next free slot. */
int FillNextSlot(char **fields, int *filled, const char *collected, size_t count)
{
    char *block = (char *)calloc(1, LIST_FIELD_SIZE);
    if (block)
        memcpy(block, collected, count);
    fields[(*filled)++] = block;
    return block != nullptr;
}

}  // namespace

int SplitListFields(const char *line, char **fields, int fieldCount)
{
    char collected[LIST_FIELD_SIZE];
    size_t count = 0;
    int filled = 0;
    int ok = 1;
    for (; *line && filled < fieldCount; ++line) {
        if (*line == '\t' || *line == '\r') {
            ok &= FillNextSlot(fields, &filled, collected, count);
            count = 0;
        } else if (count < LIST_FIELD_SIZE - 1) {
            collected[count++] = *line;
        }
    }
    if (filled < fieldCount)
        ok &= FillNextSlot(fields, &filled, collected, count);
    return ok;
}

int SplitListLine(const char *line, PhoneBookEntry *entry)
{
    return SplitListFields(line, entry->fields, PHONE_BOOK_FIELDS);
}

int SplitListLine(const char *line, CallLogEntry *entry)
{
    return SplitListFields(line, entry->fields, CALL_LOG_FIELDS);
}

const char *FieldText(const char *field)
{
    return field ? field : "";
}

int CompareListFields(char *const *fields1, char *const *fields2, int fieldCount, int column)
{
    if (column < 0 || column >= fieldCount)
        return 0;
    const unsigned char *a = (const unsigned char *)FieldText(fields1 ? fields1[column] : nullptr);
    const unsigned char *b = (const unsigned char *)FieldText(fields2 ? fields2[column] : nullptr);
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return (int)*a - (int)*b;
}

int CompareEntries(const PhoneBookEntry *entry1, const PhoneBookEntry *entry2, int column)
{
    return CompareListFields(entry1 ? entry1->fields : nullptr, entry2 ? entry2->fields : nullptr,
                             PHONE_BOOK_FIELDS, column);
}

int CompareEntries(const CallLogEntry *entry1, const CallLogEntry *entry2, int column)
{
    return CompareListFields(entry1 ? entry1->fields : nullptr, entry2 ? entry2->fields : nullptr,
                             CALL_LOG_FIELDS, column);
}

PhoneBookEntry *NewPhoneBookEntry()
{
    return (PhoneBookEntry *)calloc(1, sizeof(PhoneBookEntry));
}

CallLogEntry *NewCallLogEntry()
{
    return (CallLogEntry *)calloc(1, sizeof(CallLogEntry));
}

void FreeListFields(char **fields, int fieldCount)
{
    for (int slot = 0; slot < fieldCount; ++slot) {
        free(fields[slot]);
        fields[slot] = nullptr;
    }
}

void FreeListEntry(PhoneBookEntry *entry)
{
    if (!entry)
        return;
    FreeListFields(entry->fields, PHONE_BOOK_FIELDS);
    free(entry);
}

void FreeListEntry(CallLogEntry *entry)
{
    if (!entry)
        return;
    FreeListFields(entry->fields, CALL_LOG_FIELDS);
    free(entry);
}
