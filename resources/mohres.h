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

#endif
