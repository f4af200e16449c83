#include "dialogs/AboutDialog.h"

#include <stdio.h>

#include "shell/Krelmot.h"
#include "shell/Startup.h"
#include "shell/sl/WindowRoutines.h"
#include "text/Translation.h"

namespace {

const int TEXT_WEB_SITE = 110;
const int TEXT_WEB_CAPTION = 111;
const int TEXT_MAIL_ADDRESS = 32835;
const int TEXT_MAIL_CAPTION = 32836;
const int TEXT_MAIL_COMMAND = 32837;

const char* Text(int id)
{
    const char* text = g_krelmot->texts.GetText(id);
    return text ? text : "";
}

HWND PictureControl(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    return 0;
}

}

CAboutDialog::CAboutDialog() : dialog(0), hot(0), picture(0)
{
    webLink.destroyWithObject = false;
    mailLink.destroyWithObject = false;
}

void CAboutDialog::OnInit(HWND dialog_)
{
    dialog = dialog_;
    SL_repositionne_fenetre(dialog, g_krelmot->mainWindow, 0);
    TranslateWindow(g_krelmot->texts, dialog, IDD_ABOUT);
    webLink.window = GetDlgItem(dialog, IDC_ABOUT_WEB);
    webLink.SetTextF(Text(TEXT_WEB_CAPTION), Text(TEXT_WEB_SITE));
    mailLink.window = GetDlgItem(dialog, IDC_ABOUT_MAIL);
    mailLink.SetTextF(Text(TEXT_MAIL_CAPTION), Text(TEXT_MAIL_ADDRESS));
    hot = 0;
    // Some systems' static controls never delete the picture they loaded
    // from the template: taken back and handed again, it is ours to delete.
    HWND control = PictureControl(dialog);
    if (control) {
        picture = (HBITMAP)SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0);
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)picture);
    }
}

void CAboutDialog::OnDestroy()
{
    HWND control = PictureControl(dialog);
    if (control)
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (picture)
        DeleteObject(picture);
    picture = 0;
}

// The link statics do not notify, so the dialog gets their pointer messages
// and finds the link by position.
bool CAboutDialog::OnMouseMove(int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(dialog, &p);
    HWND under = 0;
    if (webLink.ContainsScreenPoint(p.x, p.y))
        under = webLink.window;
    else if (mailLink.ContainsScreenPoint(p.x, p.y))
        under = mailLink.window;
    if (under == hot)
        return false;
    // The old link goes dark before the new one lights.
    HWND previous = hot;
    hot = under;
    if (previous) {
        InvalidateRect(previous, NULL, TRUE);
        UpdateWindow(previous);
    }
    if (hot) {
        InvalidateRect(hot, NULL, TRUE);
        UpdateWindow(hot);
    }
    return true;
}

// System colour brushes belong to the system, never deleted under the statics.
HBRUSH CAboutDialog::OnControlColour(HDC dc, HWND control)
{
    if (control != webLink.window && control != mailLink.window)
        return NULL;
    bool lit = control == hot;
    SetTextColor(dc, GetSysColor(lit ? COLOR_INFOTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(lit ? COLOR_INFOBK : COLOR_BTNFACE));
    return GetSysColorBrush(lit ? COLOR_INFOBK : COLOR_BTNFACE);
}

bool CAboutDialog::OnLeftButtonDown()
{
    if (!hot)
        return false;
    if (hot == webLink.window)
        SL_ExecCmd(Text(TEXT_WEB_SITE), NULL);
    else
        SL_ExecCmd(MailCommand(Text(TEXT_MAIL_COMMAND), Text(TEXT_MAIL_ADDRESS), g_title).c_str(), NULL);
    return true;
}

std::string MailCommand(const char* format, const char* address, const char* title)
{
    char buffer[512];
    snprintf(buffer, sizeof buffer, format, address, title);
    std::string command;
    for (const char* c = buffer; *c; ++c) {
        if (*c == ' ')
            command += "%20";
        else
            command += *c;
    }
    return command;
}

INT_PTR OpenAboutDialog(HWND owner)
{
    CAboutDialog about;
    return DialogBoxParamA(g_krelmot->instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, (LPARAM)&about);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    CAboutDialog* about = (CAboutDialog*)GetWindowLongPtrA(dialog, DWLP_USER);
    if (!about || !g_krelmot)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        about->OnInit(dialog);
        return TRUE;
    case WM_DESTROY:
        about->OnDestroy();
        return FALSE;
    case WM_MOUSEMOVE:
        return about->OnMouseMove((short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)about->OnControlColour((HDC)wParam, (HWND)lParam);
    case WM_LBUTTONDOWN:
        return about->OnLeftButtonDown();
    case WM_COMMAND:
        // Enter reaches the default OK button; Escape does nothing.
        if (LOWORD(wParam) == IDC_ABOUT_OK) {
            EndDialog(dialog, IDC_ABOUT_OK);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
