/* One check per fuzz target: feeds the input to the text functions and aborts when a result
   breaks its contract. Shared by the fuzzers and by the native test that replays saved inputs. */
#ifndef FUZZ_CHECKS_H
#define FUZZ_CHECKS_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "call_log_record.h"
#include "caller_id.h"
#include "list_rows.h"
#include "list_text.h"

#define FUZZ_REQUIRE(condition)                                                    \
    do {                                                                           \
        if (!(condition)) {                                                        \
            fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                               \
        }                                                                          \
    } while (0)

/* A terminated value that fits its buffer and holds no line end. */
inline void RequireValue(const std::vector<char> &value)
{
    size_t length = strnlen(value.data(), value.size());
    FUZZ_REQUIRE(length < value.size());
    FUZZ_REQUIRE(!memchr(value.data(), '\r', length) && !memchr(value.data(), '\n', length));
}

/* Caller identity: the text is exactly the input, with no terminator behind it; the output
   sizes are the engine's and, from the first byte, a small one. */
inline void CheckCallerId(const uint8_t *data, size_t size)
{
    std::vector<char> text(data, data + size);
    size_t small = size > 0 ? 1 + data[0] % 16 : 1;
    const size_t sizes[][2] = {{256, 64}, {small, small}};
    for (const auto &pair : sizes) {
        std::vector<char> name(pair[0], 'x');
        std::vector<char> number(pair[1], 'x');
        ParseCallerId(text.data(), text.size(), name.data(), name.size(), number.data(), number.size());
        RequireValue(name);
        RequireValue(number);
        std::string textWithoutNul(text.begin(), text.end());
        textWithoutNul.resize(strlen(textWithoutNul.c_str()));
        if (number[0])
            FUZZ_REQUIRE(textWithoutNul.find(number.data()) != std::string::npos);
        if (textWithoutNul.find("NAME = ") == std::string::npos)
            FUZZ_REQUIRE(name[0] == '\0');
        CallerIdMarker(name.data());
        CallerIdMarker(number.data());
    }
}

/* Lines cut into entries: fields within the shown part of the line, at most 100 bytes, without a
   separator, no field after a missing one; comparisons antisymmetric; the rows of the block,
   saved and taken in again, add nothing. */
inline void RequireFields(const char *line, const ListEntry &entry, int fieldCount)
{
    int firstMissing = fieldCount;
    for (int slot = 0; slot < fieldCount; ++slot) {
        char text[LIST_FIELD_SIZE];
        if (!CopyEntryField(line, &entry, slot, text)) {
            firstMissing = slot < firstMissing ? slot : firstMissing;
            continue;
        }
        FUZZ_REQUIRE(slot < firstMissing);
        FUZZ_REQUIRE(entry.size[slot] <= LIST_FIELD_SIZE - 1);
        FUZZ_REQUIRE(entry.start[slot] + entry.size[slot] <= entry.length);
        FUZZ_REQUIRE(!memchr(text, '\t', entry.size[slot]) && !memchr(text, '\r', entry.size[slot]));
    }
}

inline void CheckListLine(const uint8_t *data, size_t size)
{
    std::vector<char> block(data, data + size);
    ListScan scan;
    BeginListScan(&scan, block.data(), block.size());
    const char *line, *previousLine = "";
    size_t length, lines = 0;
    ListEntry previous = {};
    while (NextLineSpan(&scan, &line, &length)) {
        FUZZ_REQUIRE(++lines <= size / 2);
        ListEntry book = {}, log = {};
        SplitListLine(line, length, PHONE_BOOK_FIELDS, &book);
        SplitListLine(line, length, CALL_LOG_FIELDS, &log);
        RequireFields(line, book, PHONE_BOOK_FIELDS);
        RequireFields(line, log, CALL_LOG_FIELDS);
        for (int column = -1; column <= CALL_LOG_FIELDS; ++column) {
            int forward = CompareEntries(line, &log, previousLine, &previous, CALL_LOG_FIELDS, column);
            int backward = CompareEntries(previousLine, &previous, line, &log, CALL_LOG_FIELDS, column);
            FUZZ_REQUIRE((forward < 0) == (backward > 0) && (forward == 0) == (backward == 0));
        }
        char outcome[LIST_FIELD_SIZE];
        OutcomeFromField(CopyEntryField(line, &log, FIELD_OUTCOME, outcome) ? outcome : nullptr);
        previous = log;
        previousLine = line;
    }
    ListRows rows;
    char *copy = (char *)malloc(size > 0 ? size : 1);
    memcpy(copy, data, size);
    OpenListRows(&rows, CALL_LOG_FIELDS, FIELD_TIME, copy, size);
    std::string saved = FormatListRows(&rows);
    FUZZ_REQUIRE(TakeNewLines(&rows, (const char *)data, size) == 0);
    KnowSavedText(&rows, saved);
    FUZZ_REQUIRE(TakeNewLines(&rows, saved.data(), saved.size()) == 0);
    CloseListRows(&rows);
}

/* Phone book: the input up to its first LF is the sought number, the rest the file. A line the
   engine would write for that number is then always found. */
inline void CheckPhoneBook(const uint8_t *data, size_t size)
{
    const uint8_t *lf = (const uint8_t *)memchr(data, '\n', size);
    size_t numberLength = lf ? (size_t)(lf - data) : size;
    std::string number((const char *)data, numberLength);
    number = number.substr(0, strnlen(number.c_str(), numberLength));
    std::vector<char> block(data + numberLength, data + size);

    std::vector<char> sought(number.c_str(), number.c_str() + number.size() + 1);
    TrimTrailingControls(sought.data());
    char name[LIST_LINE_SIZE];
    FindPhoneBookName(block.data(), block.size(), sought.data(), name, sizeof name);
    FUZZ_REQUIRE(strnlen(name, sizeof name) < sizeof name);

    char digits[LIST_LINE_SIZE];
    KeepDigits(sought.data(), digits, sizeof digits);
    char line[LIST_LINE_SIZE];
    size_t length = FormatPhoneBookLine(line, sizeof line, sought.data(), number.c_str());
    FUZZ_REQUIRE(length < LIST_LINE_SIZE && length >= 3 && line[length - 2] == '\r');
    FormatPhoneBookLine(line, sizeof line, "Found", digits);
    std::string book(block.begin(), block.end());
    book += "\r\n";
    book += line;
    /* Every number of up to 63 digits, the engine's largest, comes back. */
    if (strlen(digits) <= 63)
        FUZZ_REQUIRE(FindPhoneBookName(book.data(), book.size(), digits, nullptr, 0) == 1);

    CallTime time = {2024, 1, 2, 3, 4, 5};
    char record[LIST_LINE_SIZE];
    length = ComposeCallLogRecord(record, sizeof record, sought.data(), digits, &time, size > 0 ? data[0] % 5 : 0);
    FUZZ_REQUIRE(length < LIST_LINE_SIZE && record[length - 1] == '\n');
    SetCallLogOutcome(record, OUTCOME_ACCEPTED);
    FUZZ_REQUIRE(CallLogOutcome(record) == OUTCOME_ACCEPTED);
}

#endif
