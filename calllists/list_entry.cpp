#include "list_entry.h"

#include <string.h>

#include "list_text.h"

void SplitListLine(const char *line, size_t length, int fieldCount, ListEntry *entry)
{
    size_t shown = ShownLineLength(line, length);
    entry->length = (uint32_t)length;
    entry->present = 0;
    int cut = shown < length;
    int filled = 0;
    size_t fieldStart = 0;
    for (size_t at = 0; at <= shown && filled < fieldCount; ++at) {
        if (at < shown && line[at] != '\t' && line[at] != '\r')
            continue;
        size_t size = at - fieldStart;
        cut |= size > LIST_FIELD_SIZE - 1;
        entry->start[filled] = (uint8_t)fieldStart;
        entry->size[filled] = (uint8_t)(size > LIST_FIELD_SIZE - 1 ? LIST_FIELD_SIZE - 1 : size);
        entry->present |= (uint8_t)(1u << filled);
        ++filled;
        fieldStart = at + 1;
    }
    if (cut)
        entry->marks |= ENTRY_CUT;
    else
        entry->marks &= (uint8_t)~ENTRY_CUT;
}

int CompareEntries(const char *line1, const ListEntry *entry1, const char *line2, const ListEntry *entry2,
                   int fieldCount, int column)
{
    if (column < 0 || column >= fieldCount)
        return 0;
    const unsigned char *a = (const unsigned char *)line1 + entry1->start[column];
    const unsigned char *b = (const unsigned char *)line2 + entry2->start[column];
    size_t sizeA = entry1->present & (1u << column) ? entry1->size[column] : 0;
    size_t sizeB = entry2->present & (1u << column) ? entry2->size[column] : 0;
    int order = memcmp(a, b, sizeA < sizeB ? sizeA : sizeB);
    if (order != 0)
        return order;
    return (int)sizeA - (int)sizeB;
}

int CopyEntryField(const char *line, const ListEntry *entry, int slot, char *text)
{
    text[0] = '\0';
    if (slot < 0 || slot >= LIST_FIELDS_MAX || !(entry->present & (1u << slot)))
        return 0;
    memcpy(text, line + entry->start[slot], entry->size[slot]);
    text[entry->size[slot]] = '\0';
    return 1;
}
