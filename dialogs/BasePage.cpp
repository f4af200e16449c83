// The "Base" page: sound, intro picture, religion of the dead hero and the
// board's background colour with a preview of every piece on it.
#include <string.h>

#include <string>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "text/Translation.h"
#include "view/DcCanvas.h"

namespace {

const int TEXT_INTRO_LIST = 32796;

// Indexed by religion code.
const int RELIGION_BUTTONS[] = {IDC_ATHEIST, IDC_CHRISTIAN, IDC_JEWISH, IDC_MUSLIM, IDC_ELSE};
const int RELIGION_COUNT = sizeof RELIGION_BUTTONS / sizeof RELIGION_BUTTONS[0];

const int PREVIEW_STEP = 18;
const int PREVIEW_WIDTH = (CHARACTER_IMAGES - 1) * PREVIEW_STEP + IMAGE_SIZE;

}

CBasePage g_basePage;

CBasePage::CBasePage() : sound(true), intro(0), religion(0), colour(0), introCount(0)
{
    memset(customColours, 0, sizeof customColours);
}

void CBasePage::Init(HWND page)
{
    CKrelmot* k = g_krelmot;
    // Always the first page shown: it places the whole sheet.
    SL_repositionne_fenetre(GetParent(page), NULL, 0);
    TranslateWindow(k->texts, page, 0);
    sound = k->settings.son.Get();
    religion = k->settings.religion.Get();
    colour = (COLORREF)k->settings.coul_fond.Get();

    // Every item ends with '#'; what follows the last one is no item.
    const char* list = k->texts.GetText(TEXT_INTRO_LIST);
    std::string items = list ? list : "";
    introCount = 0;
    for (size_t start = 0, end; (end = items.find('#', start)) != std::string::npos; start = end + 1) {
        std::string item = items.substr(start, end - start);
        if (SendDlgItemMessageA(page, IDC_INTRO, CB_ADDSTRING, 0, (LPARAM)item.c_str()) < 0)
            SL_Erreur("Pb CB_ADDSTRING <%s>", item.c_str());
        ++introCount;
    }
    intro = k->settings.intro.Get();
    if (intro < 0 || intro >= introCount)
        intro = 0;
}

void CBasePage::Show(HWND page)
{
    SL_SetCheck(page, IDC_SOUND, sound);
    if (SendDlgItemMessageA(page, IDC_INTRO, CB_SETCURSEL, intro, 0) == CB_ERR)
        SL_Erreur("Pb CB_SETCURSEL intro");
    // A code no button stands for leaves them all unchecked.
    for (int code = 0; code < RELIGION_COUNT; ++code)
        SL_SetCheck(page, RELIGION_BUTTONS[code], religion == code);
    MarkPageChanged(page);
}

void CBasePage::Read(HWND page)
{
    sound = SL_GetCheck(page, IDC_SOUND);
    LRESULT selected = SendDlgItemMessageA(page, IDC_INTRO, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        SL_Erreur("Pb CB_GETCURSEL intro");
    intro = (int)selected;
    religion = RELIGION_ELSE;
    for (int code = 0; code < RELIGION_COUNT - 1; ++code)
        if (SL_GetCheck(page, RELIGION_BUTTONS[code])) {
            religion = code;
            break;
        }
}

void CBasePage::Apply()
{
    CKrelmot* k = g_krelmot;
    if (colour != (COLORREF)k->settings.coul_fond.Get()) {
        InvalidateRect(k->mainWindow, NULL, TRUE);
        k->painter.SetBackgroundColour(k->settings, colour);
    }
    k->settings.religion.Set(religion);
    k->settings.son.Set(sound);
    k->settings.intro.Set(intro);
}

void CBasePage::ChooseColour(HWND page)
{
    memset(customColours, 0, sizeof customColours);
    CHOOSECOLORA choice;
    ZeroMemory(&choice, sizeof choice);
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = page;
    // The colour in force, not an earlier choice not yet applied.
    choice.rgbResult = (COLORREF)g_krelmot->settings.coul_fond.Get();
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT;
    if (!g_chooseColor(&choice))
        return;
    colour = choice.rgbResult;
    InvalidateRect(GetDlgItem(page, IDC_COLOUR), NULL, TRUE);
}

void CBasePage::DrawPreview(const DRAWITEMSTRUCT* item) const
{
    const RECT& r = item->rcItem;
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush) {
        FillRect(item->hDC, &r, brush);
        DeleteObject(brush);
    }
    // Drawn as the board draws them, by exclusive-or on the ground.
    CDcCanvas canvas(item->hDC, &g_krelmot->images, colour);
    CPiece piece;
    piece.x = r.left + (r.right - r.left - PREVIEW_WIDTH) / 2;
    piece.y = r.top + (r.bottom - r.top - IMAGE_SIZE) / 2;
    for (int image = 0; image < CHARACTER_IMAGES; ++image) {
        piece.SetImageIndex(image);
        piece.SetDrawn(false);
        piece.Draw(&canvas);
        piece.x += PREVIEW_STEP;
    }
}

INT_PTR CALLBACK BasePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_basePage.Init(page);
        return TRUE;
    case WM_NOTIFY:
        switch (((NMHDR*)lParam)->code) {
        case PSN_SETACTIVE:
            g_basePage.Show(page);
            return AnswerNotification(page, 0);
        case PSN_KILLACTIVE:
            g_basePage.Read(page);
            return AnswerNotification(page, FALSE);
        case PSN_APPLY:
            g_basePage.Apply();
            return AnswerNotification(page, PSNRET_NOERROR);
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_COLOUR && HIWORD(wParam) == BN_CLICKED) {
            g_basePage.ChooseColour(page);
            return TRUE;
        }
        return FALSE;
    case WM_DRAWITEM:
        if (wParam == IDC_COLOUR) {
            g_basePage.DrawPreview((const DRAWITEMSTRUCT*)lParam);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
