#ifndef LIVE_SETTINGS_H
#define LIVE_SETTINGS_H

/* Module-wide copies of the settings the engine and the window use throughout; read when the
   main window initialises and refreshed by the configuration pages. */
struct LiveSettings {
    int soundsEnable;
    int screenAll;
    int disableMoh;
    int acceptAll;
    int ignoreAll;
    int timeout;
    int loadAtStartup;
    int showOnSystray;
    int minimize;
    int incomingCallLog;
    int callButtonStatus;
};

#endif
