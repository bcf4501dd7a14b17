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
#include "list_entry.h"
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

/* Field blocks: at most 100 bytes, no separator, no filled slot after an unfilled one. */
inline void RequireFields(char **fields, int fieldCount)
{
    int firstNull = fieldCount;
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (!fields[slot]) {
            if (firstNull == fieldCount)
                firstNull = slot;
            continue;
        }
        FUZZ_REQUIRE(slot < firstNull);
        size_t length = strnlen(fields[slot], LIST_FIELD_SIZE);
        FUZZ_REQUIRE(length < LIST_FIELD_SIZE);
        FUZZ_REQUIRE(!memchr(fields[slot], '\t', length) && !memchr(fields[slot], '\r', length));
    }
    FUZZ_REQUIRE(firstNull >= 1);
}

/* One list line: every line of the input as a file is split both ways and compared. */
inline void CheckListLine(const uint8_t *data, size_t size)
{
    std::vector<char> block(data, data + size);
    ListScan scan;
    BeginListScan(&scan, block.data(), block.size());
    char line[LIST_LINE_SIZE];
    PhoneBookEntry previousBook = {};
    CallLogEntry previousLog = {};
    size_t lines = 0;
    while (NextListLine(&scan, line, sizeof line)) {
        FUZZ_REQUIRE(++lines <= size / 2);
        FUZZ_REQUIRE(line[LIST_LINE_SIZE - 1] == '\0');
        PhoneBookEntry book = {};
        CallLogEntry log = {};
        FUZZ_REQUIRE(SplitListLine(line, &book) == 1);
        FUZZ_REQUIRE(SplitListLine(line, &log) == 1);
        RequireFields(book.fields, PHONE_BOOK_FIELDS);
        RequireFields(log.fields, CALL_LOG_FIELDS);
        for (int column = -1; column <= CALL_LOG_FIELDS; ++column) {
            int forward = CompareEntries(&book, &previousBook, column);
            int backward = CompareEntries(&previousBook, &book, column);
            FUZZ_REQUIRE((forward < 0) == (backward > 0) && (forward == 0) == (backward == 0));
            CompareEntries(&log, &previousLog, column);
        }
        OutcomeFromField(log.fields[FIELD_OUTCOME]);
        FreeListFields(previousBook.fields, PHONE_BOOK_FIELDS);
        FreeListFields(previousLog.fields, CALL_LOG_FIELDS);
        previousBook = book;
        previousLog = log;
    }
    FreeListFields(previousBook.fields, PHONE_BOOK_FIELDS);
    FreeListFields(previousLog.fields, CALL_LOG_FIELDS);
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

    std::vector<char> sought(number.begin(), number.end());
    sought.push_back('\0');
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
