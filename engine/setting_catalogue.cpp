#include "setting_catalogue.h"

#include <stddef.h>

namespace {

const char kMoh[] = "MOH";
const char kSounds[] = "Sounds";
const char kCallerId[] = "CallerId";
const char kReserved[] = "Reserved";

}  // namespace

/* AutoRejectTimer has no fixed default: the modem's decision time is named at the read. */
const SettingDefinition kSettingCatalogue[SETTING_COUNT] = {
    {SET_LANGUAGE, kMoh, "Language", -1, NULL},
    {SET_HELP_NAME, kMoh, "HelpName", 0, ""},
    {SET_TITLE_TXT, kMoh, "TitleTxt", 0, ""},
    {SET_SCREEN_ALL, kMoh, "ScreenAll", 1, NULL},
    {SET_DISABLE_MOH, kMoh, "DisableMOH", 0, NULL},
    {SET_ACCEPT_ALL, kMoh, "AcceptAll", 0, NULL},
    {SET_IGNORE_ALL, kMoh, "IgnoreAll", 0, NULL},
    {SET_HIDE_ACCEPT_ALL, kMoh, "HideAcceptAll", 0, NULL},
    {SET_HIDE_DISABLE_MOH, kMoh, "HideDisableMOH", 0, NULL},
    {SET_TIMEOUT, kMoh, "Timeout", 10, NULL},
    {SET_LOAD_AT_STARTUP, kMoh, "LoadAtStartup", 0, NULL},
    {SET_SHOW_ON_SYSTRAY, kMoh, "ShowOnSystray", 0, NULL},
    {SET_MINIMIZE, kMoh, "Minimize", 0, NULL},
    {SET_INCOMING_CALL_LOG, kMoh, "IncomingCallLog", 0, NULL},
    {SET_DISPLAY_QUICK_CONNECT, kMoh, "DisplayQuickConnect", 0, NULL},
    {SET_ENABLE_QUICK_CONNECT, kMoh, "EnableQuickConnect", -1, NULL},
    {SET_CALL_BUTTON_STATUS, kMoh, "CallButtonStatus", 0, NULL},
    {SET_SHOW_MENU, kMoh, "ShowMenu", 0, NULL},
    {SET_CX, kMoh, "Cx", -1, NULL},
    {SET_CY, kMoh, "Cy", -1, NULL},
    {SET_SHOW_ADVANCED, kMoh, "ShowAdvanced", 1, NULL},
    {SET_ACCEPT_V90, kMoh, "AcceptV90", 0, NULL},
    {SET_ASK_FOR_ON_HOOK, kMoh, "AskForOnHook", 0, NULL},
    {SET_SAVE_CALLER_ID, kMoh, "SaveCallerId", 0, NULL},
    {SET_HANDSET_EXCLUSION, kMoh, "HandsetExclusion", 2, NULL},
    {SET_AUTO_REJECT_TIMER, kMoh, "AutoRejectTimer", 0, NULL},
    {SET_DELAY_HOLD_TIMER, kMoh, "DelayHoldTimer", 0, NULL},
    {SET_HOLD_TIMER, kMoh, "HoldTimer", 0, NULL},
    {SET_SLEEP_BEFORE_ACCEPT_ALL, kMoh, "SleepBeforeAcceptAll", 0, NULL},
    {SET_SOUNDS_ENABLE, kSounds, "Enable", 1, NULL},
    {SET_SOUND_RING, kSounds, "Ring", 0, ""},
    {SET_SOUND_RING2, kSounds, "Ring2", 0, ""},
    {SET_SOUND_TIMEOUT, kSounds, "Timeout", 0, ""},
    {SET_WAIT_FOR_REMOTE_RESPONSE, kCallerId, "WaitForRemoteResponse", 1, NULL},
    {SET_USE_PHONEBOOK, kCallerId, "UsePhonebook", 1, NULL},
    {SET_SHOW_BUTTON, kReserved, "ShowButton", 1, NULL},
    {SET_LOGON_TIME, kReserved, "LogonTime", 0, NULL},
    {SET_LOGON_DISPLAY, kReserved, "LogonDisplay", 0, NULL},
    {SET_LOGON_FILE, kReserved, "LogonFile", 0, "logon.bmp"},
    {SET_URL, kReserved, "URL", 0, ""},
    {SET_URL_NAME, kReserved, "URLName", 0, ""},
    {SET_URL_X, kReserved, "URLx", 0, NULL},
    {SET_URL_Y, kReserved, "URLy", 0, NULL},
    {SET_RED, kReserved, "Red", 0, NULL},
    {SET_GREEN, kReserved, "Green", 0, NULL},
    {SET_BLUE, kReserved, "Blue", 0, NULL},
};
