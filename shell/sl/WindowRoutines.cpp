#include "shell/sl/WindowRoutines.h"

#include <shellapi.h>
#include <string.h>

#include "shell/sl/ErrorReport.h"

namespace {

BOOL SystemShellExecute(SHELLEXECUTEINFOA* info) { return ShellExecuteExA(info); }

}

ShellExecuteFunction g_shellExecute = SystemShellExecute;

int SL_get_posdim_fenetre(HWND window, int* left, int* top, int* width, int* height)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) {
        SL_Erreur("Pb SL_get_posdim_fenetre GetWindowPlacement: %d", (int)GetLastError());
        return -1;
    }
    const RECT& r = placement.rcNormalPosition;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return 0;
}

int SL_repositionne_fenetre(HWND window, HWND reference, int mode)
{
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RECT ref = work;
    if (reference)
        GetWindowRect(reference, &ref);
    RECT own;
    GetWindowRect(window, &own);
    int w = own.right - own.left;
    int h = own.bottom - own.top;
    int x, y;
    switch (mode) {
    case 1:
        x = ref.left, y = ref.top;
        break;
    case 2:
        x = ref.right - w, y = ref.top;
        break;
    case 3:
        x = ref.right - w, y = ref.bottom - h;
        break;
    case 4:
        x = ref.left, y = ref.bottom - h;
        break;
    default:
        x = ref.left + (ref.right - ref.left - w) / 2;
        y = ref.top + (ref.bottom - ref.top - h) / 2;
        break;
    }
    if (x < work.left)
        x = work.left;
    else if (x + w >= work.right)
        x = work.right - w;
    if (y < work.top)
        y = work.top;
    else if (y + h >= work.bottom)
        y = work.bottom - h;
    if (!SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOOWNERZORDER)) {
        SL_Erreur("Pb SL_repositionne_fenetre SetWindowPos");
        return -1;
    }
    return 0;
}

int SL_ExecCmd(const char* command, const char* parameters)
{
    if (!command || !*command)
        return SL_Erreur("SL_ExecCmd: Unknown command");
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    info.lpFile = command;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    return g_shellExecute(&info);
}

int SL_decoupe_tb_button(HIMAGELIST* list, HINSTANCE instance, int bitmapId, int count, COLORREF transparent)
{
    HBITMAP bitmap = (HBITMAP)LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) {
        SL_Erreur("Pb SL_decoupe_tb_button GetObject");
        if (bitmap)
            DeleteObject(bitmap);
        return -1;
    }
    *list = ImageList_Create(info.bmWidth / count, info.bmHeight, ILC_MASK, count, 0);
    int first = ImageList_AddMasked(*list, bitmap, transparent);
    DeleteObject(bitmap);
    if (first != 0) {
        SL_Erreur("Pb SL_decoupe_tb_button ImageList_AddMasked");
        return -1;
    }
    return 0;
}

int SL_LoadResText(int id, const char** data, DWORD* size)
{
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(23));
    if (!found)
        return -1;
    DWORD length = SizeofResource(module, found);
    if (length == 0)
        return -2;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return -3;
    const char* bytes = (const char*)LockResource(loaded);
    if (!bytes)
        return -4;
    *data = bytes;
    *size = length;
    return 0;
}

bool SL_KeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

LRESULT SL_SetSpinRange(HWND dialog, int item, int upper, int lower)
{
    return SendDlgItemMessageA(dialog, item, UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void SL_SetCheck(HWND dialog, int item, int on)
{
    SendDlgItemMessageA(dialog, item, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool SL_GetCheck(HWND dialog, int item) { return SendDlgItemMessageA(dialog, item, BM_GETCHECK, 0, 0) == BST_CHECKED; }

unsigned int SL_GetDlgUInt(HWND dialog, int item) { return GetDlgItemInt(dialog, item, NULL, FALSE); }

LRESULT SL_ListAdd(HWND dialog, int item, const char* text, LPARAM data)
{
    LRESULT index = SendDlgItemMessageA(dialog, item, LB_ADDSTRING, 0, (LPARAM)text);
    if (index == LB_ERR || index == LB_ERRSPACE)
        return -1;
    LRESULT result = SendDlgItemMessageA(dialog, item, LB_SETITEMDATA, index, data);
    return result == LB_ERR ? -1 : result;
}

LRESULT SL_ListGetSelData(HWND dialog, int item)
{
    LRESULT selected = SendDlgItemMessageA(dialog, item, LB_GETCURSEL, 0, 0);
    return SendDlgItemMessageA(dialog, item, LB_GETITEMDATA, selected, 0);
}

namespace {

// The level runs down through even blocks of 255 bands and up through odd
// ones; a negative count starts from 255 and runs the other way.
struct CSweep {
    explicit CSweep(int n) : level(n < 0 ? 255 : 0), oddStep(n < 0 ? -1 : 1), evenStep(n < 0 ? 1 : -1) {}
    int Next(int band)
    {
        level += (band / 255) % 2 ? oddStep : evenStep;
        return level & 0xFF;
    }
    int level, oddStep, evenStep;
};

}

int SL_GradientLevel(int n, int band)
{
    CSweep sweep(n);
    int level = 0;
    for (int i = 0; i <= band; ++i)
        level = sweep.Next(i);
    return level;
}

void SL_DrawGradientItem(const DRAWITEMSTRUCT* item, int n, int red, int green, int blue)
{
    CSweep sweep(n);
    int count = 255 * (n < 0 ? -n : n);
    int w = item->rcItem.right - item->rcItem.left;
    int h = item->rcItem.bottom - item->rcItem.top;
    int left = item->rcItem.left;
    for (int i = 0; i < count; ++i) {
        int l = sweep.Next(i);
        COLORREF colour = RGB(red == -1 ? l : red & 0xFF, green == -1 ? l : green & 0xFF, blue == -1 ? l : blue & 0xFF);
        int right = count > 1 ? item->rcItem.left + (int)((long long)i * w / (count - 1)) : item->rcItem.right;
        RECT band = {left, item->rcItem.top, right, item->rcItem.bottom};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(item->hDC, &band, brush);
        DeleteObject(brush);
        left = right;
    }
    char caption[512];
    int length = GetWindowTextA(item->hwndItem, caption, sizeof caption);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(item->hDC, caption, length, &extent);
    COLORREF oldColour = SetTextColor(item->hDC, RGB(255, 255, 255));
    int oldMode = SetBkMode(item->hDC, TRANSPARENT);
    TextOutA(item->hDC, item->rcItem.left + (w - extent.cx) / 2, item->rcItem.top + (h - extent.cy) / 2, caption,
             length);
    SetTextColor(item->hDC, oldColour);
    SetBkMode(item->hDC, oldMode);
}
