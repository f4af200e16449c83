#include "dialogs/HelpDialog.h"

#include "core/GameView.h"
#include "shell/Krelmot.h"
#include "shell/sl/WindowRoutines.h"
#include "shell/sl/WindowWrapper.h"
#include "text/Translation.h"

namespace {

const int TEXT_YOU_ARE_WELCOME = 32838;

}

int HelpTextId(int langue) { return langue == LANG_FRENCH ? IDT_HELP_FRENCH : IDT_HELP_ENGLISH; }

INT_PTR OpenHelpDialog(HWND owner)
{
    return DialogBoxParamA(g_krelmot->instance, MAKEINTRESOURCEA(IDD_HELP), owner, HelpDialogProc, 0);
}

INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_krelmot)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        HelpOnInit(dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)HelpOnControlColour(dialog, (HDC)wParam, (HWND)lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_HELP_TEXT) {
            // Tabbing in selects the whole text; the help reads better without it.
            if (HIWORD(wParam) == EN_SETFOCUS)
                SendMessageA((HWND)lParam, EM_SETSEL, (WPARAM)-1, -1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_HELP_THANKS) {
            HelpOnThanks(dialog);
            return TRUE;
        }
        // Neither Escape nor Enter closes it.
        return FALSE;
    case WM_DRAWITEM:
        return HelpOnDrawItem((const DRAWITEMSTRUCT*)lParam);
    }
    return FALSE;
}

void HelpOnInit(HWND dialog)
{
    CKrelmot* k = g_krelmot;
    SL_repositionne_fenetre(dialog, k->mainWindow, 0);
    TranslateWindow(k->texts, dialog, IDD_HELP);
    CWindowWrapper control(GetDlgItem(dialog, IDC_HELP_TEXT));
    control.destroyWithObject = false;
    SendMessageA(control.window, WM_SETFONT, (WPARAM)GetStockObject(ANSI_FIXED_FONT), FALSE);
    const char* text;
    DWORD size;
    // Without its text the edit stays empty: nothing worth a message.
    if (SL_LoadResText(HelpTextId(k->settings.langue.Get()), &text, &size) == 0)
        control.SetText(text, (int)size);
    control.window = GetDlgItem(dialog, IDC_HELP_TITLE);
    SetWindowLongA(control.window, GWL_STYLE, (control.GetStyle() & ~SS_TYPEMASK) | SS_OWNERDRAW);
}

// Stock objects are never deleted, so the edit may keep the brush as long as it likes.
HBRUSH HelpOnControlColour(HWND dialog, HDC dc, HWND control)
{
    if (control != GetDlgItem(dialog, IDC_HELP_TEXT))
        return NULL;
    SetTextColor(dc, RGB(220, 220, 220));
    SetBkColor(dc, RGB(0, 0, 0));
    return (HBRUSH)GetStockObject(BLACK_BRUSH);
}

void HelpOnThanks(HWND dialog)
{
    HWND button = GetDlgItem(dialog, IDC_HELP_THANKS);
    SetWindowTextA(button, g_krelmot->texts.GetText(TEXT_YOU_ARE_WELCOME));
    // The sound holds the thread: the answer is painted before it, or never.
    UpdateWindow(button);
    g_krelmot->PlayWave(WAVE_THANKS, false);
    EndDialog(dialog, IDC_HELP_THANKS);
}

bool HelpOnDrawItem(const DRAWITEMSTRUCT* item)
{
    switch (item->CtlID) {
    case IDC_HELP_TITLE:
        SL_DrawGradientItem(item, 2, -1, -1, -1);
        return true;
    case IDC_HELP_THANKS:
        // Pressed, the sweep turns over: dark ends, a light middle.
        SL_DrawGradientItem(item, item->itemState & ODS_SELECTED ? -2 : 2, -1, -1, -1);
        return true;
    }
    return false;
}
