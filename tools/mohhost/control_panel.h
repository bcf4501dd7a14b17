/* The control panel a person uses without a scenario: a button for each event the modem can
   report, the caller's name and number, the modem model's values, and a live list of the events
   and requests. */
#ifndef CONTROL_PANEL_H
#define CONTROL_PANEL_H

#include <windows.h>

HWND OpenControlPanel(void);
/* Each heartbeat: refreshes the line and hook shown. */
void ControlPanelBeat(void);
void CloseControlPanel(void);

#endif
