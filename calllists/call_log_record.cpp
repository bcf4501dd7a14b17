#include "call_log_record.h"

#include <stdio.h>
#include <string.h>

#include "list_text.h"

namespace {

/* Time stamp "YYYY-MM-DD HH:MM:SS": 19 characters for in-range parts. */
const size_t TIME_LENGTH = 19;
/* TAB name/number TAB, TAB, time, TAB, digit, CR LF. */
const size_t FIXED_LENGTH = 1 + 1 + TIME_LENGTH + 1 + 1 + 2;

char OutcomeDigit(int outcome)
{
    return (outcome >= OUTCOME_NONE && outcome <= OUTCOME_IGNORED) ? (char)('0' + outcome) : '0';
}

int DigitValue(char digit)
{
    return (digit >= '0' && digit <= '3') ? digit - '0' : -1;
}

/* Appends up to count bytes of text, TABs turned into spaces. */
size_t AppendField(char *out, size_t used, const char *text, size_t count)
{
    for (size_t at = 0; at < count; ++at)
        out[used + at] = text[at] == '\t' ? ' ' : text[at];
    return used + count;
}

void FormatTime(char stamp[TIME_LENGTH + 1], const CallTime *time)
{
    char text[96];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time->year, time->month, time->day,
             time->hour, time->minute, time->second);
    /* Out-of-range parts would lengthen the stamp; the field keeps its width. */
    memcpy(stamp, text, TIME_LENGTH);
    stamp[TIME_LENGTH] = '\0';
}

}  // namespace

size_t ComposeCallLogRecord(char *out, size_t outSize, const char *name, const char *number,
                            const CallTime *time, int outcome)
{
    size_t limit = outSize < LIST_LINE_SIZE + 2 ? outSize : LIST_LINE_SIZE + 2;
    if (limit < FIXED_LENGTH + 1) {
        if (outSize > 0)
            out[0] = '\0';
        return 0;
    }
    size_t room = limit - 1 - FIXED_LENGTH;  /* the terminator and the fixed part */
    size_t numberLength = strnlen(number, room);
    size_t nameLength = strnlen(name, room - numberLength);
    char stamp[TIME_LENGTH + 1];
    FormatTime(stamp, time);

    size_t used = AppendField(out, 0, name, nameLength);
    out[used++] = '\t';
    used = AppendField(out, used, number, numberLength);
    out[used++] = '\t';
    memcpy(out + used, stamp, TIME_LENGTH);
    used += TIME_LENGTH;
    out[used++] = '\t';
    out[used++] = OutcomeDigit(outcome);
    out[used++] = '\r';
    out[used++] = '\n';
    out[used] = '\0';
    return used;
}

void SetCallLogOutcome(char *record, int outcome)
{
    size_t length = strlen(record);
    if (length >= 3)
        record[length - 3] = OutcomeDigit(outcome);
}

int CallLogOutcome(const char *record)
{
    size_t length = strlen(record);
    return length >= 3 ? DigitValue(record[length - 3]) : -1;
}

int OutcomeFromField(const char *field)
{
    return (field && field[0] && !field[1]) ? DigitValue(field[0]) : -1;
}
