/* The small dialog (template 124) in which the user types or changes one phone book entry. */
#ifndef ENTRY_EDITOR_H
#define ENTRY_EDITOR_H

#include <windows.h>

struct ListDialog;

/* isNew nonzero: a new entry; zero: the first selected entry. Applies the editor's result to the
   phone book's list, modified flag and toolbar; nothing changes when the user cancels. */
void EditPhoneBookEntry(ListDialog *phoneBook, int isNew);

/* Ends with 1 (OK) or 0 (Cancel); OK is enabled exactly while both fields hold text. */
INT_PTR CALLBACK EntryEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
