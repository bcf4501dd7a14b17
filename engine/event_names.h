/* Trace names of the host's event values and of the handset-exclusion methods. Free of any
   platform header so it is also tested natively. Each lookup gives a null pointer for a value
   outside its table, so callers print the number instead of indexing past the table. */
#ifndef EVENT_NAMES_H
#define EVENT_NAMES_H

const char *DiagStateName(unsigned long value);       /* 0 to 25 */
const char *MohStateName(unsigned long value);        /* 0 to 13 */
const char *RemoteResponseName(unsigned long value);  /* 500 to 505 */
const char *FamilyName(unsigned long value);          /* 0 to 2 */
const char *MohMethodName(long value);                /* 0 to 2 */

#endif
