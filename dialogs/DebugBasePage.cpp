// The "Debug base" page: grid lines and immortality, the INI file's full
// name, and every bitmap and wave of the executable, to look at or listen to.
#include <stdio.h>

#include "dialogs/DebugPages.h"
#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"
#include "shell/sl/WindowRoutines.h"
#include "text/Translation.h"

namespace {

BOOL AddResourceName(LPSTR name, LONG_PTR page, int list, const char* format)
{
    if (!IS_INTRESOURCE(name))
        return TRUE;
    unsigned int id = (unsigned int)(ULONG_PTR)name;
    char text[32];
    snprintf(text, sizeof text, format, id);
    SL_ListAdd((HWND)page, list, text, (LPARAM)id);
    return TRUE;
}

}

CDebugBasePage g_debugBasePage;

BOOL CALLBACK AddBitmapName(HMODULE, LPCSTR, LPSTR name, LONG_PTR page)
{
    return AddResourceName(name, page, IDC_BITMAPS, "Bitmap %u");
}

BOOL CALLBACK AddWaveName(HMODULE, LPCSTR, LPSTR name, LONG_PTR page)
{
    return AddResourceName(name, page, IDC_WAVES, "Wave %u");
}

CDebugBasePage::CDebugBasePage() : grid(false), immortal(false), preview(0) {}

void CDebugBasePage::Init(HWND page)
{
    CKrelmot* k = g_krelmot;
    TranslateWindow(k->texts, page, 0);
    grid = k->settings.grille.Get();
    immortal = k->settings.immortalite.Get();
    HWND path = GetDlgItem(page, IDC_INI_PATH);
    SetWindowLongA(path, GWL_STYLE, GetWindowLongA(path, GWL_STYLE) | SS_PATHELLIPSIS);
    SetWindowTextA(path, k->store.GetIniPath().c_str());
    EnumResourceNamesA(k->instance, (LPCSTR)RT_BITMAP, AddBitmapName, (LONG_PTR)page);
    EnumResourceNamesA(k->instance, "WAVE", AddWaveName, (LONG_PTR)page);
}

void CDebugBasePage::Show(HWND page)
{
    SL_SetCheck(page, IDC_GRID, grid);
    SL_SetCheck(page, IDC_IMMORTAL, immortal);
    MarkPageChanged(page);
}

void CDebugBasePage::Read(HWND page)
{
    grid = SL_GetCheck(page, IDC_GRID);
    immortal = SL_GetCheck(page, IDC_IMMORTAL);
}

void CDebugBasePage::Apply(HWND page)
{
    CKrelmot* k = g_krelmot;
    k->settings.grille.Set(grid);
    immortal = SL_GetCheck(page, IDC_IMMORTAL);
    if (immortal != k->settings.immortalite.Get()) {
        k->settings.immortalite.Set(immortal);
        k->StartLevel(1);
    }
    // The board is drawn again with or without its lines.
    InvalidateRect(k->mainWindow, NULL, TRUE);
}

void CDebugBasePage::PreviewSelection(HWND page)
{
    LRESULT id = SL_ListGetSelData(page, IDC_BITMAPS);
    HBITMAP bitmap = 0;
    if (id != LB_ERR)
        bitmap = (HBITMAP)LoadImageA(g_krelmot->instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    SetPreview(page, bitmap);
}

void CDebugBasePage::PlaySelectedWave(HWND page)
{
    LRESULT id = SL_ListGetSelData(page, IDC_WAVES);
    if (id != LB_ERR)
        g_krelmot->PlayWave((int)id, true);
}

void CDebugBasePage::Destroy(HWND page) { SetPreview(page, 0); }

void CDebugBasePage::SetPreview(HWND page, HBITMAP bitmap)
{
    // The static paints the bitmap it holds: it lets go of the old one before
    // the old one is deleted.
    SendDlgItemMessageA(page, IDC_BITMAP_PREVIEW, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap);
    if (preview)
        DeleteObject(preview);
    preview = bitmap;
}

INT_PTR CALLBACK DebugBasePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_debugBasePage.Init(page);
        return TRUE;
    case WM_NOTIFY:
        switch (((NMHDR*)lParam)->code) {
        case PSN_SETACTIVE:
            g_debugBasePage.Show(page);
            return AnswerNotification(page, 0);
        case PSN_KILLACTIVE:
            g_debugBasePage.Read(page);
            return AnswerNotification(page, FALSE);
        case PSN_APPLY:
            g_debugBasePage.Apply(page);
            return AnswerNotification(page, PSNRET_NOERROR);
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_BITMAPS && HIWORD(wParam) == LBN_SELCHANGE) {
            g_debugBasePage.PreviewSelection(page);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_WAVES && HIWORD(wParam) == LBN_DBLCLK) {
            g_debugBasePage.PlaySelectedWave(page);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        g_debugBasePage.Destroy(page);
        return FALSE;
    }
    return FALSE;
}
