// What the dialog tests share: controls read as the player sees them, and the options sheet
// opened modeless on the running game, so that a test drives it step by step.
#ifndef KRELMOT_TESTS_DIALOGS_DIALOGFIXTURE_H
#define KRELMOT_TESTS_DIALOGS_DIALOGFIXTURE_H

#include <windows.h>
#include <commctrl.h>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "tests/shell/ShellFixture.h"

inline std::string Text(HWND window)
{
    char text[4096] = "";
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}
inline std::string Item(HWND page, int id) { return Text(GetDlgItem(page, id)); }
inline void Click(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
inline COLORREF Pixel(HWND window, int x, int y)  // after the pending paint
{
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

class SheetTest : public ShellTest {
protected:
    HWND Open(int page)  // the earlier sheet goes; the main window's end takes the last
    {
        DestroyWindow(sheet);
        sheet = OpenOptionsSheetModeless(k->mainWindow);
        return page ? Page(page) : PropSheet_GetCurrentPageHwnd(sheet);
    }
    HWND Page(int index)  // leaving the current page first, as a tab click does
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return PropSheet_GetCurrentPageHwnd(sheet);
    }
    void Press(int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

    HWND sheet = 0;
};

#endif
