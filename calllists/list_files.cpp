#include "list_files.h"

#include <commctrl.h>
#include <stdlib.h>
#include <string.h>

#include "list_entry.h"
#include "list_text.h"
#include "module_state.h"

namespace {

const int kShareAll = OF_SHARE_DENY_NONE;

/* The number comparison of the phone book, as the platform compares texts. */
int PlatformCompare(const char *left, const char *right)
{
    return lstrcmpiA(left, right);
}

/* Reads the whole open file into one zero-filled block; null for an empty or unreadable file.
   The file position is left at its end. */
char *ReadWholeFile(HFILE file, size_t *length)
{
    *length = 0;
    LONG size = _llseek(file, 0, FILE_END);
    if (size <= 0 || _llseek(file, 0, FILE_BEGIN) != 0)
        return NULL;
    char *block = (char *)calloc(1, (size_t)size);
    if (!block)
        return NULL;
    UINT read = _lread(file, block, (UINT)size);
    *length = read == (UINT)HFILE_ERROR ? 0 : read;
    _llseek(file, 0, FILE_END);
    return block;
}

/* Opens an existing file, or creates a missing one. An existing file that cannot be opened (read
   only, locked) is left alone rather than created anew, which would empty it. */
HFILE OpenOrCreate(const char *path, int mode)
{
    HFILE file = _lopen(path, mode | kShareAll);
    if (file == HFILE_ERROR && GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
        file = _lcreat(path, 0);
    return file;
}

void *NewEntry(int fieldCount)
{
    if (fieldCount == CALL_LOG_FIELDS)
        return NewCallLogEntry();
    return NewPhoneBookEntry();
}

char **EntryFields(void *entry, int fieldCount)
{
    if (fieldCount == CALL_LOG_FIELDS)
        return ((CallLogEntry *)entry)->fields;
    return ((PhoneBookEntry *)entry)->fields;
}

void FreeEntry(void *entry, int fieldCount)
{
    if (fieldCount == CALL_LOG_FIELDS)
        FreeListEntry((CallLogEntry *)entry);
    else
        FreeListEntry((PhoneBookEntry *)entry);
}

/* A new item at the top holding the entry; the list asks the dialog for its texts. */
int InsertEntry(HWND control, void *entry)
{
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 0;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = (LPARAM)entry;
    return (int)SendMessageA(control, LVM_INSERTITEMA, 0, (LPARAM)&item) >= 0;
}

void AddLineToList(CallList *list, const char *line)
{
    void *entry = NewEntry(list->fieldCount);
    if (!entry)
        return;
    if (!SplitListFields(line, EntryFields(entry, list->fieldCount), list->fieldCount) ||
        !InsertEntry(list->control, entry))
        FreeEntry(entry, list->fieldCount);
}

void *ItemEntry(HWND control, int index)
{
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageA(control, LVM_GETITEMA, 0, (LPARAM)&item))
        return NULL;
    return (void *)item.lParam;
}

/* Collects the written text and hands it to the file in large pieces. */
struct FileWriter {
    HFILE file;
    size_t used;
    char buffer[8192];
};

void Flush(FileWriter *writer)
{
    if (writer->used > 0)
        _lwrite(writer->file, writer->buffer, (UINT)writer->used);
    writer->used = 0;
}

void Write(FileWriter *writer, const char *text)
{
    for (size_t length = strlen(text); length > 0;) {
        if (writer->used == sizeof writer->buffer)
            Flush(writer);
        size_t count = sizeof writer->buffer - writer->used;
        if (count > length)
            count = length;
        memcpy(writer->buffer + writer->used, text, count);
        writer->used += count;
        text += count;
        length -= count;
    }
}

void WriteEntry(FileWriter *writer, char **fields, int fieldCount)
{
    for (int field = 0; field < fieldCount; ++field) {
        if (field > 0)
            Write(writer, "\t");
        Write(writer, FieldText(fields[field]));
    }
    Write(writer, "\r\n");
}

}  // namespace

int LookupCallerName(char *name, char *number)
{
    TrimTrailingControls(number);
    HFILE file = _lopen(phoneBookPath, OF_READWRITE | kShareAll);
    if (file == HFILE_ERROR)
        return 0;
    size_t length;
    char *block = ReadWholeFile(file, &length);
    _lclose(file);
    int found = FindPhoneBookName(block, length, number, name, LIST_LINE_SIZE, PlatformCompare);
    free(block);
    return found;
}

void AddCallerIfNew(const char *name, const char *number)
{
    HFILE file = OpenOrCreate(phoneBookPath, OF_READWRITE);
    if (file == HFILE_ERROR)
        return;
    size_t length;
    char *block = ReadWholeFile(file, &length);
    int found = FindPhoneBookName(block, length, number, NULL, 0, PlatformCompare);
    free(block);
    if (!found) {
        char line[LIST_LINE_SIZE];
        size_t lineLength = FormatPhoneBookLine(line, sizeof line, name, number);
        _lwrite(file, line, (UINT)lineLength);
    }
    _lclose(file);
}

void AppendCallLogLine(char *record)
{
    HFILE file = OpenOrCreate(callLogPath, OF_WRITE);
    if (file != HFILE_ERROR) {
        _llseek(file, 0, FILE_END);
        _lwrite(file, record, (UINT)strlen(record));
        _lclose(file);
    }
    record[0] = '\0';
}

void LoadListFile(CallList *list, const char *path)
{
    HFILE file = _lopen(path, OF_READWRITE | kShareAll);
    if (file == HFILE_ERROR)
        return;
    size_t length;
    char *block = ReadWholeFile(file, &length);
    _lclose(file);
    /* A visible list that redraws for every inserted row is very slow. */
    SendMessageA(list->control, WM_SETREDRAW, FALSE, 0);
    ListScan scan;
    BeginListScan(&scan, block, length);
    char line[LIST_LINE_SIZE];
    while (NextListLine(&scan, line, sizeof line)) {
        if (line[0] != '\0')
            AddLineToList(list, line);
    }
    free(block);
    list->sortColumn = list->fieldCount == CALL_LOG_FIELDS ? FIELD_TIME : FIELD_NAME;
    SendMessageA(list->control, LVM_SORTITEMS, (WPARAM)list, (LPARAM)CompareListItems);
    SendMessageA(list->control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list->control, NULL, TRUE);
}

void SaveListFile(const char *path, CallList *list)
{
    list->modified = 0;
    FileWriter *writer = (FileWriter *)calloc(1, sizeof(FileWriter));
    if (!writer)
        return;
    writer->file = _lcreat(path, 0);
    if (writer->file != HFILE_ERROR) {
        int count = (int)SendMessageA(list->control, LVM_GETITEMCOUNT, 0, 0);
        for (int index = 0; index < count; ++index) {
            void *entry = ItemEntry(list->control, index);
            if (entry)
                WriteEntry(writer, EntryFields(entry, list->fieldCount), list->fieldCount);
        }
        Flush(writer);
        _lclose(writer->file);
    }
    free(writer);
}

int CALLBACK CompareListItems(LPARAM entry1, LPARAM entry2, LPARAM listParam)
{
    const CallList *list = (const CallList *)listParam;
    if (list->fieldCount == CALL_LOG_FIELDS)
        return CompareEntries((const CallLogEntry *)entry1, (const CallLogEntry *)entry2, list->sortColumn);
    return CompareEntries((const PhoneBookEntry *)entry1, (const PhoneBookEntry *)entry2, list->sortColumn);
}

void ReleaseListEntries(CallList *list)
{
    int count = (int)SendMessageA(list->control, LVM_GETITEMCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        void *entry = ItemEntry(list->control, index);
        FreeEntry(entry, list->fieldCount);
        LVITEMA item;
        memset(&item, 0, sizeof item);
        item.mask = LVIF_PARAM;
        item.iItem = index;
        SendMessageA(list->control, LVM_SETITEMA, 0, (LPARAM)&item);
    }
}
