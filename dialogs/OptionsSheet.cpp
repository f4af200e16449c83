#include "dialogs/OptionsSheet.h"

#include <commctrl.h>

#include "dialogs/DebugPages.h"
#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"

namespace {

const int TEXT_SHEET_CAPTION = 32812;
const int TEXT_BASE_TITLE = 32806;
const int TEXT_ADVANCED_TITLE = 32809;
const int TEXT_DEBUG_BASE_TITLE = 32810;
const int TEXT_DEBUG_ADVANCED_TITLE = 32811;

struct CPageKind {
    int templateId;
    int titleId;
    DLGPROC procedure;
};

// In the order of the tabs; the first is the one shown at opening.
const CPageKind PAGES[] = {
    {IDD_OPTIONS_BASE, TEXT_BASE_TITLE, BasePageProc},
    {IDD_OPTIONS_ADVANCED, TEXT_ADVANCED_TITLE, AdvancedPageProc},
    {IDD_OPTIONS_DEBUG_BASE, TEXT_DEBUG_BASE_TITLE, DebugBasePageProc},
    {IDD_OPTIONS_DEBUG_ADVANCED, TEXT_DEBUG_ADVANCED_TITLE, DebugAdvancedPageProc},
};
const int PAGE_COUNT = sizeof PAGES / sizeof PAGES[0];

BOOL WINAPI SystemChooseColor(CHOOSECOLORA* choice) { return ChooseColorA(choice); }

INT_PTR RunSheet(HWND parent, DWORD extraFlags)
{
    CKrelmot* k = g_krelmot;
    // Looked up at every opening, so the sheet speaks the current language.
    PROPSHEETPAGEA pages[PAGE_COUNT];
    for (int i = 0; i < PAGE_COUNT; ++i) {
        ZeroMemory(&pages[i], sizeof pages[i]);
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = k->instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(PAGES[i].templateId);
        pages[i].pfnDlgProc = PAGES[i].procedure;
        pages[i].pszTitle = k->texts.GetText(PAGES[i].titleId);
        pages[i].lParam = 0;
    }
    PROPSHEETHEADERA header;
    ZeroMemory(&header, sizeof header);
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | extraFlags;
    header.hwndParent = parent;
    header.hInstance = k->instance;
    header.pszCaption = k->texts.GetText(TEXT_SHEET_CAPTION);
    header.nPages = PAGE_COUNT;
    header.nStartPage = 0;
    header.ppsp = pages;
    return PropertySheetA(&header);
}

}

ChooseColorFunction g_chooseColor = SystemChooseColor;

int ShowOptionsSheet(HWND parent)
{
    RunSheet(parent, 0);
    return 0;
}

HWND OpenOptionsSheetModeless(HWND parent) { return (HWND)RunSheet(parent, PSH_MODELESS); }

INT_PTR AnswerNotification(HWND page, LONG_PTR result)
{
    // Without the slot the sheet takes the procedure's TRUE as the answer:
    // a failed check would let the page go.
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

void MarkPageChanged(HWND page) { SendMessageA(GetParent(page), PSM_CHANGED, (WPARAM)page, 0); }
