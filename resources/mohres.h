/* Resource numbers shared by the library and every language's resource script. */
#ifndef MOHRES_H
#define MOHRES_H

/* Icons */
#define IDI_MOH_NORMAL          1
#define IDI_MOH_ALERT           139
#define IDI_MOH_RING1           141
#define IDI_MOH_RING2           142
#define IDI_MOH_RING3           143

/* Bitmaps */
#define IDB_OUTCOME_NONE        116    /* 116..119: call-log outcome pictures, 116 + outcome code */
#define IDB_OUTCOME_DISCONNECTED 117
#define IDB_OUTCOME_ACCEPTED    118
#define IDB_OUTCOME_IGNORED     119
#define IDB_TOOLBAR             123    /* main toolbar strip, ten 32x32 images */
#define IDB_BUTTON_PHONEBOOK    126    /* 24x22 bitmap buttons of the configuration pages */
#define IDB_STATE_IDLE          127    /* 127..129: state picture, 127 + animation frame */
#define IDB_STATE_RING2         128
#define IDB_STATE_RING3         129
#define IDB_LIST_TOOLBAR        135    /* call-list toolbar strip, seven 32x32 images */
#define IDB_BUTTON_BROWSE       136
#define IDB_BUTTON_PLAY         145

/* Main window: dialog, menu, accelerators and controls */
#define IDD_MAIN                122
#define IDM_MAIN                146
#define IDA_MAIN                147
#define IDC_STATUS_LINE         1005
#define IDC_CALLER_NAME         1058
#define IDC_CALLER_NUMBER       1059
#define IDC_STATE_PICTURE       1064
#define IDC_CALLER_LABEL        1066
#define IDC_LEGACY_NOTE         1081
#define IDC_COUNTDOWN           1091
#define IDC_STATUS_BAR          1

/* Call-list dialogs */
#define IDD_CALL_LIST           134
#define IDD_ENTRY_EDITOR        124
#define IDC_CALL_LIST           1066   /* the list control of dialog 134 */
#define IDC_ENTRY_NAME          1060
#define IDC_ENTRY_NUMBER        1061
#define IDCMD_LIST_SAVE_AS      10013
#define IDCMD_LIST_DELETE       10014
#define IDCMD_LIST_SAVE         10016
#define IDCMD_LIST_NEW          10046
#define IDCMD_LIST_EDIT         10047
#define IDS_COLUMN_NAME         10011
#define IDS_COLUMN_NUMBER       10012
#define IDS_DELETE_QUESTION     10017
#define IDS_SAVE_AS_FILTER      10018  /* its last character separates the filter's parts */
#define IDS_SAVE_CHANGES        10034
#define IDS_COLUMN_TIME         40022
#define IDS_COLUMN_OUTCOME      40023
#define IDS_CALL_LOG_CAPTION    40024  /* the same number as the log command's string */
#define IDS_PHONE_BOOK_TIP      40025
#define IDS_CALL_LOG_TIP        40026
#define IDS_OUTCOME_NONE        40027  /* 40027..40030: 40027 + outcome code */
#define IDS_OUTCOME_DISCONNECTED 40028
#define IDS_OUTCOME_ACCEPTED    40029
#define IDS_OUTCOME_IGNORED     40030

/* Start-up picture dialog */
#define IDD_SPLASH              148
#define IDC_SPLASH_HIDE         1085   /* check box: do not show the picture again */
#define IDC_SPLASH_SPARE        1011   /* hidden once the dialog is laid out */

/* Commands (also the numbers of their tooltip and status-bar help strings) */
#define IDCMD_ACCEPT            10001
#define IDCMD_IGNORE            10002
#define IDCMD_DISCONNECT        10003
#define IDCMD_CALL              10004
#define IDCMD_RECONNECT         10006
#define IDCMD_EXIT              10007
#define IDCMD_HELP              10008
#define IDCMD_CONFIG            10009
#define IDCMD_PHONEBOOK         10010
#define IDCMD_TRAY_EXIT         10041
#define IDCMD_TRAY_OPEN         10042
#define IDCMD_ABOUT             10043
#define IDCMD_TOGGLE_MENU       40004
#define IDCMD_CALL_LOG          40024

/* Strings */
#define IDS_CALLER_LABEL        10019
#define IDS_STATE_NONE          10020  /* 10020..10032: one text per modem-on-hold state */
#define IDS_STATE_AS_DETECTED   10021
#define IDS_STATE_CID           10022
#define IDS_STATE_USER_DECISION 10023
#define IDS_STATE_CALL_RESUME   10024
#define IDS_STATE_REMOTE_HOLD   10025
#define IDS_STATE_CARRIER_WAIT  10026
#define IDS_STATE_NOT_SUPPORTED 10028
#define IDS_STATE_REMOTE_RECONN 10029
#define IDS_STATE_LOCAL_RECONN  10030
#define IDS_STATE_REMOTE_RESUME 10031
#define IDS_STATE_OUTGOING_REQ  10032
#define IDS_IDLE                10033
#define IDS_EXIT_REFUSED        10036
#define IDS_READY               10040
#define IDS_EXIT_QUESTION       10044
#define IDS_PICK_UP_HANDSET     10059
#define IDS_HANG_UP_HANDSET     10060
#define IDS_CALLER_WITHHELD     40018
#define IDS_CALLER_UNAVAILABLE  40019
#define IDS_CALLER_UNKNOWN      40033

/* Configuration sheet */
#define IDD_KEYPAD              111    /* the six pages of the Advanced sheet */
#define IDD_CONFIG_LANGUAGE     117
#define IDD_CONFIG_GENERAL      132
#define IDD_CONFIG_SOUNDS       137
#define IDS_CONFIG_CAPTION      10009  /* the same number as the configuration command's string */
#define IDS_CONFIG_GENERAL      10038
#define IDS_CONFIG_SOUNDS       10045
#define IDS_CONFIG_LANGUAGE     40035
#define IDS_DEFAULT_LANGUAGE    40036
#define IDS_SOUND_FILTER        10035  /* its last character separates the filter's parts */
#define IDS_KEYPAD_PAGE1        10001  /* 10001..10006: keypad page titles, shared with the */
#define IDS_KEYPAD_PAGE2        10002  /* command strings where those exist */
#define IDS_KEYPAD_PAGE3        10003
#define IDS_KEYPAD_PAGE4        10004
#define IDS_KEYPAD_PAGE5        10005
#define IDS_KEYPAD_PAGE6        10006
#define IDC_TITLE_TEXT          1000
#define IDC_MINIMIZE            1005
#define IDC_QUICK_CONNECT       1025
#define IDC_DISABLE_MOH         1055
#define IDC_IGNORE_ALL          1073
#define IDC_ACCEPT_ALL          1074
#define IDC_SCREEN_ALL          1077
#define IDC_LOAD_AT_STARTUP     1078
#define IDC_SHOW_ON_SYSTRAY     1079
#define IDC_RING_FILE           1071
#define IDC_BROWSE_SOUND        1069
#define IDC_PLAY_SOUND          10040
#define IDC_SOUNDS_ENABLE       1078
#define IDC_LOGON_DISPLAY       1084
#define IDC_ADVANCED            1007
#define IDC_SOUNDS_SPARE_TEXT   1066   /* hidden at initialisation */
#define IDC_SOUNDS_SPARE_BUTTON 1008   /* hidden at initialisation */
#define IDC_LANGUAGE_LIST       1039
#define IDC_KEYPAD_CODE         1022
#define IDC_KEYPAD_FIRST        1010   /* 1010..1021: the keys "123456789*0#" */
#define IDC_KEYPAD_LAST         1021

#endif
