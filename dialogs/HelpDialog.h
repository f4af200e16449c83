// The help dialog: the help text of the player's language, light grey on
// black in a fixed-pitch font, under a gradient title band, above a gradient
// thank-you button that is the only way out.
#ifndef KRELMOT_DIALOGS_HELPDIALOG_H
#define KRELMOT_DIALOGS_HELPDIALOG_H

#include <windows.h>

#include "dialogs/HelpAboutIds.h"

// The help text's resource for the language setting: French for 0.
int HelpTextId(int langue);

// Modal over the owner; answers the button that closed it.
INT_PTR OpenHelpDialog(HWND owner);
INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the procedure does, one operation per message it handles.
void HelpOnInit(HWND dialog);
// Null leaves the control's colours to the system.
HBRUSH HelpOnControlColour(HWND dialog, HDC dc, HWND control);
void HelpOnThanks(HWND dialog);
bool HelpOnDrawItem(const DRAWITEMSTRUCT* item);

#endif
