/* The engine's pending record of a waiting call, one whole line of the incoming-call log:
   name TAB number TAB "YYYY-MM-DD HH:MM:SS" TAB outcome digit CR LF. The time stamp sorts as text
   in time order; the outcome digit is always the third byte from the end. */
#ifndef CALL_LOG_RECORD_H
#define CALL_LOG_RECORD_H

#include <stddef.h>

/* Outcome codes of a logged call. */
enum {
    OUTCOME_NONE = 0,
    OUTCOME_DISCONNECTED = 1,
    OUTCOME_ACCEPTED = 2,
    OUTCOME_IGNORED = 3
};

struct CallTime {
    int year, month, day, hour, minute, second;
};

/* Composes the record into out (outSize bytes, at most a 255-byte line plus CR LF is used). TABs
   inside name or number become spaces so the fields stay in place; when the record would not fit,
   the name is cut first, then the number. An outcome outside 0 to 3 is written as 0. Returns the
   record's length; 0 (and an empty out) when outSize cannot hold the fixed part. */
size_t ComposeCallLogRecord(char *out, size_t outSize, const char *name, const char *number,
                            const CallTime *time, int outcome);

/* Sets the outcome digit of a record of at least 3 characters; shorter ones stay unchanged. */
void SetCallLogOutcome(char *record, int outcome);

/* The outcome digit of a record, -1 when it has none or it is not 0 to 3. */
int CallLogOutcome(const char *record);

/* The outcome held by a log entry's outcome field, -1 when missing or not "0" to "3". */
int OutcomeFromField(const char *field);

#endif
