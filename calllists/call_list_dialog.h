/* The phone book and incoming-call log dialogs, both built from template 134. */
#ifndef CALL_LIST_DIALOG_H
#define CALL_LIST_DIALOG_H

#include <windows.h>

enum { CALL_LIST_PHONE_BOOK = 0, CALL_LIST_INCOMING_LOG = 1 };

/* The dialog parameter says which list: CALL_LIST_PHONE_BOOK or CALL_LIST_INCOMING_LOG. The
   procedure hands the dialog to the list's own procedure below when it starts. */
INT_PTR CALLBACK CallListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* Each returns 1 when closed through the Close command, 0 through WM_CLOSE. */
INT_PTR CALLBACK PhoneBookDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CallLogDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
