#include "text/Translation.h"

#include <commctrl.h>

#include "text/StringTable.h"

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
