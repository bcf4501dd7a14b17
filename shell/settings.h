/* The settings catalogue: every key of the settings file with its section and default.
   Every read and write of a setting goes through here, to the settings file of the product
   folder (or to another file for the start-up refresh from the default file). */
#ifndef SETTINGS_H
#define SETTINGS_H

#include <windows.h>

#include "setting_keys.h"


const char *SettingSection(SettingKey key);
const char *SettingName(SettingKey key);

/* Reads from the settings file with the catalogue's default. A read sees every write made before it,
   by this library or another program; values are kept in memory while the file stays unchanged. */
int ReadSettingInt(SettingKey key);
/* For the one key whose default is only known at the read (AutoRejectTimer). */
int ReadSettingIntOr(SettingKey key, int fallback);
void ReadSettingString(SettingKey key, char *buffer, DWORD size);

/* Writes booleans as "1"/"0" and numbers in signed decimal. */
void WriteSettingInt(SettingKey key, int value);
void WriteSettingBool(SettingKey key, int on);
void WriteSettingString(SettingKey key, const char *value);

/* The same on an explicit file, with an explicit string default. */
void ReadSettingStringFrom(const char *file, SettingKey key, const char *fallback, char *buffer, DWORD size);
void WriteSettingStringTo(const char *file, SettingKey key, const char *value);

#endif
