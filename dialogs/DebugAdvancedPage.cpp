// The "Debug avanced" page: every piece of the running game with its cell
// and pixel position; a double click makes the piece say hello.
#include <stdio.h>

#include "dialogs/DebugPages.h"
#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "text/Translation.h"

namespace {

enum RowKind { ROW_HERO, ROW_ROBOT, ROW_HEAP };
const int ROW_KIND_SHIFT = 28;
const LPARAM ROW_HANDLE_MASK = (1 << ROW_KIND_SHIFT) - 1;

struct CColumn {
    int textId;  // 0: no header
    int format;
    const char* insertError;
};

const CColumn COLUMNS[] = {
    {32830, LVCFMT_LEFT, "Probleme insert colonne type"},
    {32831, LVCFMT_RIGHT, "Probleme insert colonne LP_POS_COL"},
    {32832, LVCFMT_RIGHT, "Probleme insert colonne LP_POS_LIG"},
    {32833, LVCFMT_RIGHT, "Probleme insert colonne LP_POINT_COL"},
    {32834, LVCFMT_RIGHT, "Probleme insert colonne LP_POINT_LIG"},
    {0, LVCFMT_LEFT, "Probleme insert colonne \"colonne\""},
};
const int COLUMN_COUNT = sizeof COLUMNS / sizeof COLUMNS[0];
const int FIRST_COLUMN_WIDTH = 50;

LPARAM Row(int kind, int handle) { return (LPARAM)kind << ROW_KIND_SHIFT | (handle & ROW_HANDLE_MASK); }

}

CDebugAdvancedPage g_debugAdvancedPage;

LPARAM HeroRow() { return Row(ROW_HERO, 0); }
LPARAM RobotRow(int handle) { return Row(ROW_ROBOT, handle); }
LPARAM HeapRow(int handle) { return Row(ROW_HEAP, handle); }

CPiece* PieceOfRow(LPARAM row)
{
    CKrelmot* k = g_krelmot;
    int handle = (int)(row & ROW_HANDLE_MASK);
    switch ((int)(row >> ROW_KIND_SHIFT)) {
    case ROW_HERO:
        return &k->hero;
    case ROW_ROBOT:
        return k->robots.Contains(handle) ? &k->robots[handle] : 0;
    case ROW_HEAP:
        return k->heaps.Contains(handle) ? &k->heaps[handle] : 0;
    }
    return 0;
}

int InsertDebugColumns(HWND list)
{
    RECT client;
    GetClientRect(list, &client);
    for (int i = 0; i < COLUMN_COUNT; ++i) {
        LVCOLUMNA column;
        ZeroMemory(&column, sizeof column);
        if (COLUMNS[i].textId) {
            const char* header = g_krelmot->texts.GetText(COLUMNS[i].textId);
            column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
            column.fmt = COLUMNS[i].format;
            column.cx = FIRST_COLUMN_WIDTH;
            column.pszText = const_cast<char*>(header ? header : "");
            column.iSubItem = i;
        } else {
            // The rest of the list's width.
            column.mask = LVCF_WIDTH;
            column.cx = client.right - (COLUMN_COUNT - 1) * FIRST_COLUMN_WIDTH;
        }
        if (SendMessageA(list, LVM_INSERTCOLUMNA, i, (LPARAM)&column) == -1) {
            SL_Erreur("%s", COLUMNS[i].insertError);
            return -1;
        }
    }
    for (int i = 0; i < COLUMN_COUNT; ++i)
        SendMessageA(list, LVM_SETCOLUMNWIDTH, i, LVSCW_AUTOSIZE_USEHEADER);
    return 0;
}

int InsertDebugItem(HWND list, int row, LPARAM piece)
{
    LVITEMA item;
    ZeroMemory(&item, sizeof item);
    // The image on request too: without it every row would show the first
    // column's image of the hero.
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = I_IMAGECALLBACK;
    item.lParam = piece;
    if (SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item) == -1) {
        SL_Erreur("Probleme insert item");
        return -1;
    }
    return 0;
}

int FillDebugList(HWND list)
{
    CKrelmot* k = g_krelmot;
    int row = 0;
    if (InsertDebugItem(list, row++, HeroRow()) != 0)
        return -1;
    for (CPieceList<CRobot>::Iterator r = k->robots.begin(); r != k->robots.end(); ++r)
        if (InsertDebugItem(list, row++, RobotRow(r.Handle())) != 0)
            return -1;
    for (CPieceList<CHeap>::Iterator h = k->heaps.begin(); h != k->heaps.end(); ++h)
        if (InsertDebugItem(list, row++, HeapRow(h.Handle())) != 0)
            return -1;
    return 0;
}

CDebugAdvancedPage::CDebugAdvancedPage() : list(0), textFailureReported(false) {}

void CDebugAdvancedPage::Init(HWND page)
{
    CKrelmot* k = g_krelmot;
    TranslateWindow(k->texts, page, 0);
    list = GetDlgItem(page, IDC_PIECES);
    textFailureReported = false;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)k->images.GetCharacterImageList());
    COLORREF ground = (COLORREF)k->settings.coul_fond.Get();
    SendMessageA(list, LVM_SETBKCOLOR, 0, ground);
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, ground);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, ~ground & 0xFFFFFF);
    InsertDebugColumns(list);
    FillDebugList(list);
}

int CDebugAdvancedPage::Rebuild()
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    return FillDebugList(list);
}

void CDebugAdvancedPage::GetItemText(NMLVDISPINFOA* request)
{
    LVITEMA& item = request->item;
    const CPiece* piece = PieceOfRow(item.lParam);
    const char* format = "%d";
    int value = 0;
    switch (item.iSubItem) {
    case 0:
        format = " %d";
        value = item.iItem;
        if (item.mask & LVIF_IMAGE)
            item.iImage = piece ? piece->GetImageIndex() : I_IMAGENONE;
        break;
    case 1:
        value = piece ? piece->column : 0;
        break;
    case 2:
        value = piece ? piece->line : 0;
        break;
    case 3:
        value = piece ? piece->x : 0;
        break;
    case 4:
        value = piece ? piece->y : 0;
        break;
    case 5:
        format = "";
        break;
    default:
        // Asked again at every repaint, and the box itself repaints the list.
        if (!textFailureReported) {
            textFailureReported = true;
            SL_Erreur("Pb info item, subitem %d ko", item.iSubItem);
        }
        return;
    }
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    // A row whose piece is gone shows nothing until the list is rebuilt.
    char text[16] = "";
    if (piece)
        snprintf(text, sizeof text, format, value);
    lstrcpynA(item.pszText, text, item.cchTextMax);
}

void CDebugAdvancedPage::SayHello(int row)
{
    LVITEMA item;
    ZeroMemory(&item, sizeof item);
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item))
        return;
    CPiece* piece = PieceOfRow(item.lParam);
    if (piece)
        g_krelmot->AnimateHello((CCanvas*)0, *piece);
}

void CDebugAdvancedPage::Destroy()
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    list = 0;
}

INT_PTR CALLBACK DebugAdvancedPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_debugAdvancedPage.Init(page);
        return TRUE;
    case WM_NOTIFY: {
        NMHDR* header = (NMHDR*)lParam;
        switch (header->code) {
        case PSN_SETACTIVE:
            // A Test button of the "Avanced" page may have played a turn.
            g_debugAdvancedPage.Rebuild();
            MarkPageChanged(page);
            return AnswerNotification(page, 0);
        case PSN_KILLACTIVE:
            return AnswerNotification(page, FALSE);
        case PSN_APPLY:
            // After any new game started by an earlier page's Apply.
            g_debugAdvancedPage.Rebuild();
            InvalidateRect(g_krelmot->mainWindow, NULL, TRUE);
            return AnswerNotification(page, PSNRET_NOERROR);
        case NM_DBLCLK:
            if (header->idFrom == IDC_PIECES)
                g_debugAdvancedPage.SayHello(((NMITEMACTIVATE*)lParam)->iItem);
            return TRUE;
        case LVN_GETDISPINFOA:
            if (header->idFrom == IDC_PIECES)
                g_debugAdvancedPage.GetItemText((NMLVDISPINFOA*)lParam);
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        g_debugAdvancedPage.Destroy();
        return FALSE;
    }
    return FALSE;
}
