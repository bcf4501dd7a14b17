/* Resource numbers of the about box. */
#ifndef INFOPANE_RES_H
#define INFOPANE_RES_H

#define IDD_ABOUT           100
#define IDC_ABOUT_PRODUCT   101
#define IDC_ABOUT_VERSION   102
#define IDC_ABOUT_COPYRIGHT 103
#define IDC_ABOUT_TEXT      104
#define IDC_ABOUT_MODEM_LABEL  105
#define IDC_ABOUT_MODEM        106
#define IDC_ABOUT_PORT_LABEL   107
#define IDC_ABOUT_PORT         108
#define IDC_ABOUT_FAMILY_LABEL 109
#define IDC_ABOUT_FAMILY       110

#endif
