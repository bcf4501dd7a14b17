/* Cutting the caller's name and number out of the modem's caller-identity text. Free of any
   platform header so it is also tested and fuzzed natively. */
#ifndef CALLER_ID_H
#define CALLER_ID_H

#include <stddef.h>

enum { CALLER_ID_TEXT_SIZE = 1024 };

/* What a name or number stands for: a real value, or a marker the network sends instead. */
enum { CALLER_ID_PLAIN = 0, CALLER_ID_WITHHELD = 1, CALLER_ID_UNAVAILABLE = 2 };

/* Empties name and number, then fills number from the first "NMBR = " line and name from the
   first "NAME = " line of text: the tag and the spaces after it are skipped, the value ends at
   the first LF, then at the first CR. Values are cut to the output sizes. The text ends at its
   first NUL or after textLength bytes, whichever comes first; nothing past textLength is read. */
void ParseCallerId(const char *text, size_t textLength, char *name, size_t nameSize, char *number,
                   size_t numberSize);

/* CALLER_ID_WITHHELD for a value of exactly "P", CALLER_ID_UNAVAILABLE for exactly "O" (either
   case), CALLER_ID_PLAIN for anything else, the empty text and a null pointer included. */
int CallerIdMarker(const char *value);

#endif
