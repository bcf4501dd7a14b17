/* Language identifier to language folder code ("DEU", "ENU", ...), free of platform headers. */
#ifndef LANGUAGE_TABLE_H
#define LANGUAGE_TABLE_H

/* The folder code for a Windows language identifier (primary language in the low 10 bits,
   sublanguage above). Returns NULL for Chinese and Portuguese sublanguages that have no
   folder; every language without a folder of its own gets "ENU". */
const char *LanguageFolderCode(unsigned short languageId);

#endif
