#include "text/Translation.h"

#include <commctrl.h>

#include "text/StringTable.h"

namespace {

// Tells the menu bar (depth 1), whose headers are keyed by position, from the
// sub-menus below it, keyed by command id.
int g_menuDepth = 0;

struct CDepth {
    CDepth() { ++g_menuDepth; }
    ~CDepth() { --g_menuDepth; }
};

struct CWindowTexts {
    const CStringTable* texts;
};

BOOL CALLBACK TranslateChild(HWND child, LPARAM param)
{
    const CStringTable* texts = ((CWindowTexts*)param)->texts;
    const char* text = texts->GetText(GetDlgCtrlID(child));
    if (text)
        SetWindowTextA(child, text);
    return TRUE;
}

}

void TranslateMenu(const CStringTable& texts, HMENU menu, int baseId)
{
    CDepth depth;
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char buffer[1024];
        MENUITEMINFOA item;
        ZeroMemory(&item, sizeof item);
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
        item.dwTypeData = buffer;
        item.cch = sizeof buffer;
        if (!GetMenuItemInfoA(menu, position, TRUE, &item))
            continue;
        if (item.hSubMenu)
            TranslateMenu(texts, item.hSubMenu, baseId);
        if (item.fType == MFT_SEPARATOR)
            continue;
        int key = g_menuDepth == 1 ? baseId + position : (int)item.wID;
        const char* text = texts.GetText(key);
        if (!text)
            continue;
        // The type alone: a mask with the state would lose the grey and the check marks.
        item.fType = MFT_STRING;
        item.dwTypeData = const_cast<char*>(text);
        SetMenuItemInfoA(menu, position, TRUE, &item);
    }
}

void TranslateMenuBar(const CStringTable& texts, HWND window, int baseId)
{
    HMENU menu = GetMenu(window);
    if (!menu)
        return;
    TranslateMenu(texts, menu, baseId);
    DrawMenuBar(window);
}

void TranslateWindow(const CStringTable& texts, HWND window, int titleId)
{
    CWindowTexts param = {&texts};
    EnumChildWindows(window, TranslateChild, (LPARAM)&param);
    const char* title = titleId ? texts.GetText(titleId) : 0;
    if (title)
        SetWindowTextA(window, title);
}

void TranslateToolbar(const CStringTable& texts, HWND toolbar)
{
    TBBUTTON button;
    for (int i = 0; SendMessageA(toolbar, TB_GETBUTTON, i, (LPARAM)&button); ++i) {
        const char* text = texts.GetText((int)button.dwData);
        if (!text)
            continue;
        TBBUTTONINFOA info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        info.dwMask = TBIF_TEXT;
        info.pszText = const_cast<char*>(text);
        SendMessageA(toolbar, TB_SETBUTTONINFOA, button.idCommand, (LPARAM)&info);
    }
}
