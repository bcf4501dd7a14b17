/* The configuration property sheet and what its pages share. */
#ifndef CONFIG_SHEET_H
#define CONFIG_SHEET_H

#include <windows.h>
#include <prsht.h>

/* A page from the language resource module's template, titled by a string of that module, with
   a Help button. */
PROPSHEETPAGEA MakeConfigPage(int templateId, int titleId, DLGPROC procedure);

/* A modal sheet of pages (no Apply Now button), captioned by the configuration title string,
   with an optional pre-create callback. Returns the sheet's result. */
int RunConfigSheet(HWND parent, PROPSHEETPAGEA *pages, int count, PFNPROPSHEETCALLBACK callback);

/* Help for a configuration page: its Help button and F1. Returns TRUE when message was one. */
BOOL HandlePageHelp(HWND page, UINT message, const NMHDR *notice);

#endif
