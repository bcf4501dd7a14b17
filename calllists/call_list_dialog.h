/* The phone book and incoming-call log dialogs, both built from template 134. */
#ifndef CALL_LIST_DIALOG_H
#define CALL_LIST_DIALOG_H

#include <windows.h>

enum { CALL_LIST_PHONE_BOOK = 0, CALL_LIST_INCOMING_LOG = 1 };

/* The dialog parameter says which list: CALL_LIST_PHONE_BOOK or CALL_LIST_INCOMING_LOG. */
INT_PTR CALLBACK CallListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
