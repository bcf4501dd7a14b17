/* Resource numbers of the development host's control panel. */
#ifndef PANEL_RES_H
#define PANEL_RES_H

#define IDD_PANEL           100

#define IDP_MODULATION      1001
#define IDP_FAMILY          1002
#define IDP_DECISION_TIME   1003
#define IDP_HOLD_TIME       1004
#define IDP_HANDSET         1005
#define IDP_PORT            1006
#define IDP_QUICK_CONNECT   1007
#define IDP_MODEM_NAME      1008
#define IDP_CALLER_NAME     1010
#define IDP_CALLER_NUMBER   1011
#define IDP_CONNECT         1020
#define IDP_IDLE            1021
#define IDP_RETRAIN         1022
#define IDP_TONE            1023
#define IDP_CALLER_ID       1024
#define IDP_RESPONSE        1025
#define IDP_SEND_RESPONSE   1026
#define IDP_STATE           1027
#define IDP_SEND_STATE      1028
#define IDP_SHOW_STATUS     1030
#define IDP_CONFIGURE       1031
#define IDP_LINE            1032
#define IDP_REQUESTS        1040

#endif
