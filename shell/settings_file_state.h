/* Tells the settings reads whether values read earlier from the settings file still hold, without
   reading the file: its size and last-write time are compared with those of the previous check. */
#ifndef SETTINGS_FILE_STATE_H
#define SETTINGS_FILE_STATE_H

/* A number that stays the same as long as the file at path has not changed since the previous call;
   values read under the same number may be used again. 0 means nothing read earlier may be used
   (the file was written too recently for its time stamp to tell a further write apart). */
unsigned SettingsFileGeneration(const char *path);

/* After a write of the library's own: whatever was read before is stale. */
void ForgetSettingsFileState(void);

#endif
