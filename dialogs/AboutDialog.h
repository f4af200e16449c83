// The about dialog: the program's picture, the credits and two links, to the
// web site and to a mail address, lit like a tool tip under the pointer and
// opened by the shell when clicked.
#ifndef KRELMOT_DIALOGS_ABOUTDIALOG_H
#define KRELMOT_DIALOGS_ABOUTDIALOG_H

#include <windows.h>

#include <string>

#include "dialogs/HelpAboutIds.h"
#include "shell/sl/WindowWrapper.h"

// The state of one opening; the links' windows belong to the dialog.
class CAboutDialog {
public:
    CAboutDialog();

    void OnInit(HWND dialog);
    // Gives back the picture this opening owns.
    void OnDestroy();
    // Client coordinates. False when the pointer stays on the same link, or off both.
    bool OnMouseMove(int x, int y);
    // Null leaves the control's colours to the system.
    HBRUSH OnControlColour(HDC dc, HWND control);
    // False when no link is lit: the click was elsewhere.
    bool OnLeftButtonDown();

    HWND dialog;
    CWindowWrapper webLink;
    CWindowWrapper mailLink;
    HWND hot;  // the lit link, or none
    HBITMAP picture;  // taken over from the picture control, deleted with the dialog
};

// The mail link's command: the format filled with the address and the title,
// its blanks percent-encoded, which a mailto address must not carry.
std::string MailCommand(const char* format, const char* address, const char* title);

// Modal over the owner; answers the button that closed it.
INT_PTR OpenAboutDialog(HWND owner);
// The opener passes its CAboutDialog as the creation parameter.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
