/* The settings catalogue: every key of the settings file with its section and default.
   Every read and write of a setting goes through here, to the settings file of the product
   folder (or to another file for the start-up refresh from the default file). */
#ifndef SETTINGS_H
#define SETTINGS_H

#include <windows.h>

enum SettingKey {
    /* [MOH] */
    SET_LANGUAGE, SET_HELP_NAME, SET_TITLE_TXT, SET_SCREEN_ALL, SET_DISABLE_MOH, SET_ACCEPT_ALL,
    SET_IGNORE_ALL, SET_HIDE_ACCEPT_ALL, SET_HIDE_DISABLE_MOH, SET_TIMEOUT, SET_LOAD_AT_STARTUP,
    SET_SHOW_ON_SYSTRAY, SET_MINIMIZE, SET_INCOMING_CALL_LOG, SET_DISPLAY_QUICK_CONNECT,
    SET_ENABLE_QUICK_CONNECT, SET_CALL_BUTTON_STATUS, SET_SHOW_MENU, SET_CX, SET_CY,
    SET_SHOW_ADVANCED, SET_ACCEPT_V90, SET_ASK_FOR_ON_HOOK, SET_SAVE_CALLER_ID,
    SET_HANDSET_EXCLUSION, SET_AUTO_REJECT_TIMER, SET_DELAY_HOLD_TIMER, SET_HOLD_TIMER,
    SET_SLEEP_BEFORE_ACCEPT_ALL,
    /* [Sounds] */
    SET_SOUNDS_ENABLE, SET_SOUND_RING, SET_SOUND_RING2, SET_SOUND_TIMEOUT,
    /* [CallerId] */
    SET_WAIT_FOR_REMOTE_RESPONSE, SET_USE_PHONEBOOK,
    /* [Reserved] */
    SET_SHOW_BUTTON, SET_LOGON_TIME, SET_LOGON_DISPLAY, SET_LOGON_FILE, SET_URL, SET_URL_NAME,
    SET_URL_X, SET_URL_Y, SET_RED, SET_GREEN, SET_BLUE,
    SETTING_COUNT
};

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
