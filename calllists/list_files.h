/* Reading and writing the two call-list files: the engine's phone book lookup and addition and
   its log append, and the whole-file read and the safe replacement the list dialogs use. Every
   operation opens its file, finishes and closes it before returning. */
#ifndef LIST_FILES_H
#define LIST_FILES_H

#include <windows.h>

#include <stddef.h>

/* 1 when the phone book holds number (only the stored number's digits count); the stored name
   is then in name (256 bytes). Trailing control bytes are first cut from number in place. */
int LookupCallerName(char *name, char *number);

/* Appends "name TAB number CR LF" to the phone book unless number is already in it. */
void AddCallerIfNew(const char *name, const char *number);

/* Appends record (one whole line with its CR LF) to the incoming-call log and empties it. */
void AppendCallLogLine(char *record);

/* Told the path of a list file after the engine appended a line to it, so that an open list
   dialog can take the line in. */
typedef void (*ListFileWatcher)(const char *path);
void WatchListFiles(ListFileWatcher watcher);

/* The whole file in a new malloc block (null for an empty or missing file, which read as
   empty). Returns 0, with the system's reason in GetLastError, when the file is there but could
   not be read whole. */
int ReadListFile(const char *path, char **block, size_t *length);

/* Writes text as the whole of path: into a temporary file in the same folder, flushed to disk,
   which then replaces path in one step. Returns 0, with the system's reason in GetLastError, when
   any step fails; path is then left as it was. */
int ReplaceListFile(const char *path, const char *text, size_t length);

#endif
