#include "list_rows.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <unordered_map>

#include "list_text.h"

namespace {

/* More added lines than this are appended and sorted at once instead of placed one by one. */
const size_t kPlacedOneByOne = 64;
const uint64_t kHashStart = 14695981039346656037ull;

uint64_t ContinueHash(uint64_t hash, const char *text, size_t length)
{
    for (size_t at = 0; at < length; ++at)
        hash = (hash ^ (unsigned char)text[at]) * 1099511628211ull;
    return hash;
}

ListEntry EntryAt(const char *line, size_t length, uint32_t offset, int fieldCount, uint8_t marks)
{
    ListEntry entry = {};
    entry.marks = marks;
    SplitListLine(line, length, fieldCount, &entry);
    entry.offset = offset;
    return entry;
}

/* Copies a line into the added text and describes it. */
ListEntry AddedEntry(ListRows *rows, const char *line, size_t length)
{
    uint32_t offset = (uint32_t)rows->added.size();
    rows->added.insert(rows->added.end(), line, line + length);
    return EntryAt(rows->added.data() + offset, length, offset, rows->fieldCount, ENTRY_ADDED);
}

struct EntryOrder {
    const ListRows *rows;
    bool operator()(const ListEntry &a, const ListEntry &b) const
    {
        return CompareEntries(EntryLine(rows, &a), &a, EntryLine(rows, &b), &b, rows->fieldCount,
                              rows->sortColumn) < 0;
    }
};

/* A line as a save writes it: the line itself when it was cut for showing, its fields otherwise. */
void AppendSavedForm(const char *line, const ListEntry &entry, int fieldCount, std::string *out)
{
    if (entry.marks & ENTRY_CUT) {
        out->append(line, entry.length);
    } else {
        for (int slot = 0; slot < fieldCount; ++slot) {
            if (slot > 0)
                out->push_back('\t');
            if (entry.present & (1u << slot))
                out->append(line + entry.start[slot], entry.size[slot]);
        }
    }
    out->append("\r\n");
}

std::string SavedForm(const char *line, const ListEntry &entry, int fieldCount)
{
    std::string text;
    AppendSavedForm(line, entry, fieldCount, &text);
    return text;
}

/* Lines of a file that another program rewrote: those the list does not hold are added. */
void AddLinesNotHeld(ListRows *rows, const char *file, size_t length, std::vector<ListEntry> *fresh)
{
    std::unordered_map<std::string, size_t> held;
    for (const ListEntry &entry : rows->entries)
        ++held[SavedForm(EntryLine(rows, &entry), entry, rows->fieldCount)];
    ListScan scan;
    BeginListScan(&scan, file, length);
    const char *line;
    size_t lineLength;
    while (NextLineSpan(&scan, &line, &lineLength)) {
        if (lineLength == 0)
            continue;
        ListEntry entry = EntryAt(line, lineLength, 0, rows->fieldCount, 0);
        auto found = held.find(SavedForm(line, entry, rows->fieldCount));
        if (found != held.end() && found->second > 0)
            --found->second;
        else
            fresh->push_back(AddedEntry(rows, line, lineLength));
    }
}

void PlaceNewEntries(ListRows *rows, const std::vector<ListEntry> &fresh)
{
    if (fresh.size() > kPlacedOneByOne) {
        rows->entries.insert(rows->entries.end(), fresh.begin(), fresh.end());
        SortListRows(rows);
        return;
    }
    for (const ListEntry &entry : fresh) {
        auto place = std::upper_bound(rows->entries.begin(), rows->entries.end(), entry, EntryOrder{rows});
        rows->entries.insert(place, entry);
    }
}

/* Length of the complete lines at the start of text. */
size_t CompleteLinesLength(const char *text, size_t length)
{
    ListScan scan;
    BeginListScan(&scan, text, length);
    const char *line;
    size_t lineLength, end = 0;
    while (NextLineSpan(&scan, &line, &lineLength))
        end = (size_t)(line - text) + lineLength + 2;
    return end;
}

}  // namespace

void OpenListRows(ListRows *rows, int fieldCount, int sortColumn, char *block, size_t length)
{
    rows->fieldCount = fieldCount;
    rows->sortColumn = sortColumn;
    rows->block = block;
    rows->added.clear();
    rows->entries.clear();
    ListScan scan;
    BeginListScan(&scan, block, length);
    size_t lines = 0;
    for (const char *at = block; at && (at = (const char *)memchr(at, '\n', length - (size_t)(at - block))); ++at)
        ++lines;
    rows->entries.reserve(lines);
    const char *line;
    size_t lineLength;
    while (NextLineSpan(&scan, &line, &lineLength)) {
        if (lineLength > 0)
            rows->entries.push_back(EntryAt(line, lineLength, (uint32_t)(line - block), fieldCount, 0));
    }
    rows->knownLength = CompleteLinesLength(block, length);
    rows->knownHash = ContinueHash(kHashStart, block, rows->knownLength);
    SortListRows(rows);
}

void CloseListRows(ListRows *rows)
{
    free(rows->block);
    rows->block = nullptr;
    std::vector<char>().swap(rows->added);
    std::vector<ListEntry>().swap(rows->entries);
    rows->knownLength = 0;
    rows->knownHash = kHashStart;
}

const char *EntryLine(const ListRows *rows, const ListEntry *entry)
{
    return (entry->marks & ENTRY_ADDED ? rows->added.data() : rows->block) + entry->offset;
}

int GetEntryTexts(const ListRows *rows, size_t index, EntryTexts *texts)
{
    for (int slot = 0; slot < LIST_FIELDS_MAX; ++slot)
        texts->fields[slot] = nullptr;
    if (index >= rows->entries.size())
        return 0;
    const ListEntry *entry = &rows->entries[index];
    const char *line = EntryLine(rows, entry);
    for (int slot = 0; slot < rows->fieldCount; ++slot) {
        if (CopyEntryField(line, entry, slot, texts->text[slot]))
            texts->fields[slot] = texts->text[slot];
    }
    return 1;
}

void SortListRows(ListRows *rows)
{
    std::stable_sort(rows->entries.begin(), rows->entries.end(), EntryOrder{rows});
}

size_t AddListLine(ListRows *rows, const char *line, size_t length)
{
    ListEntry entry = AddedEntry(rows, line, length);
    size_t index = (size_t)(std::upper_bound(rows->entries.begin(), rows->entries.end(), entry, EntryOrder{rows}) -
                            rows->entries.begin());
    rows->entries.insert(rows->entries.begin() + (ptrdiff_t)index, entry);
    return index;
}

void ReplaceListLine(ListRows *rows, size_t index, const char *line, size_t length)
{
    if (index >= rows->entries.size())
        return;
    uint8_t kept = rows->entries[index].marks & (ENTRY_SELECTED | ENTRY_FOCUSED);
    ListEntry entry = AddedEntry(rows, line, length);
    entry.marks |= kept;
    rows->entries[index] = entry;
}

void RemoveSelectedEntries(ListRows *rows)
{
    auto end = std::remove_if(rows->entries.begin(), rows->entries.end(),
                              [](const ListEntry &entry) { return (entry.marks & ENTRY_SELECTED) != 0; });
    rows->entries.erase(end, rows->entries.end());
}

size_t TakeNewLines(ListRows *rows, const char *file, size_t length)
{
    std::vector<ListEntry> fresh;
    size_t complete = CompleteLinesLength(file, length);
    if (length >= rows->knownLength && ContinueHash(kHashStart, file, rows->knownLength) == rows->knownHash) {
        ListScan scan;
        BeginListScan(&scan, file + rows->knownLength, complete - rows->knownLength);
        const char *line;
        size_t lineLength;
        while (NextLineSpan(&scan, &line, &lineLength))
            if (lineLength > 0)
                fresh.push_back(AddedEntry(rows, line, lineLength));
        rows->knownHash = ContinueHash(rows->knownHash, file + rows->knownLength, complete - rows->knownLength);
    } else {
        AddLinesNotHeld(rows, file, length, &fresh);
        rows->knownHash = ContinueHash(kHashStart, file, complete);
    }
    rows->knownLength = complete;
    PlaceNewEntries(rows, fresh);
    return fresh.size();
}

std::string FormatListRows(const ListRows *rows)
{
    std::string text;
    size_t estimate = rows->entries.size() * 2;
    for (const ListEntry &entry : rows->entries)
        estimate += entry.length;
    text.reserve(estimate);
    for (const ListEntry &entry : rows->entries)
        AppendSavedForm(EntryLine(rows, &entry), entry, rows->fieldCount, &text);
    return text;
}

void KnowSavedText(ListRows *rows, const std::string &text)
{
    rows->knownLength = text.size();
    rows->knownHash = ContinueHash(kHashStart, text.data(), text.size());
}
