/* Greying and enabling the call commands: the toolbar button (TB_SETSTATE) and the main menu's
   item together. The toolbar-only and menu-only halves serve the routines that set several
   commands in a fixed order, toolbar first. */
#ifndef COMMANDS_STATE_H
#define COMMANDS_STATE_H

void GreyCommand(int command);
void EnableCommand(int command);
void SetToolbarCommand(int command, int enabled);
void SetMenuCommand(int command, int enabled);

#endif
