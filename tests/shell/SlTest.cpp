#include <string.h>

#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "shell/sl/WindowWrapper.h"
#include "tests/shell/ShellFixture.h"

namespace {

HWND PlainWindow(int width, int height)
{
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

RECT WindowRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT WorkArea()
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

}

TEST(Sl, RepositionPlacesByModeAndKeepsInsideTheWorkArea)
{
    RecordBlockingCalls();
    RECT work = WorkArea();
    HWND reference = PlainWindow(300, 200);
    SetWindowPos(reference, NULL, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND window = PlainWindow(100, 50);
    struct {
        int mode, left, top;
    } cases[] = {{1, 100, 100}, {2, 300, 100}, {3, 300, 250}, {4, 100, 250}, {0, 200, 175}, {9, 200, 175}};
    for (auto& c : cases) {
        EXPECT_EQ(0, SL_repositionne_fenetre(window, reference, c.mode));
        EXPECT_EQ(c.left, WindowRect(window).left) << c.mode;
        EXPECT_EQ(c.top, WindowRect(window).top) << c.mode;
    }
    // A reference reaching beyond the work area's bottom-right corner.
    SetWindowPos(reference, NULL, work.right - 100, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SL_repositionne_fenetre(window, reference, 3);
    EXPECT_EQ(work.right, WindowRect(window).right);
    EXPECT_EQ(work.bottom, WindowRect(window).bottom);
    // Larger than the work area and centred: it ends at the left and top edges.
    HWND huge = PlainWindow(work.right - work.left + 200, work.bottom - work.top + 100);
    SL_repositionne_fenetre(huge, NULL, 0);
    EXPECT_EQ(work.left, WindowRect(huge).left);
    EXPECT_EQ(work.top, WindowRect(huge).top);
    DestroyWindow(huge);
    DestroyWindow(window);
    DestroyWindow(reference);
    EXPECT_TRUE(g_recorded.boxes.empty());
}

TEST(Sl, LoadResTextFindsTextResources)
{
    const char* data = "untouched";
    DWORD size = 77;
    EXPECT_EQ(-1, SL_LoadResText(299, &data, &size));
    EXPECT_STREQ("untouched", data);
    EXPECT_EQ(77u, size);
    ASSERT_EQ(0, SL_LoadResText(300, &data, &size));
    EXPECT_EQ(22u, size);
    EXPECT_EQ(0, memcmp("Three lines\r\nof text\r\n", data, size));
}

TEST(Sl, ExecCmdRefusesAnEmptyCommand)
{
    RecordBlockingCalls();
    SL_ExecCmd("", NULL);
    SL_ExecCmd(NULL, NULL);
    ASSERT_EQ(2u, g_recorded.boxes.size());
    EXPECT_EQ("SL_ExecCmd: Unknown command", g_recorded.boxes[0]);
}

TEST(Sl, GradientLevelsRunDownThenUp)
{
    EXPECT_EQ(255, SL_GradientLevel(2, 0));
    EXPECT_EQ(1, SL_GradientLevel(2, 254));
    EXPECT_EQ(2, SL_GradientLevel(2, 255));
    EXPECT_EQ(0, SL_GradientLevel(2, 509));
    EXPECT_EQ(0, SL_GradientLevel(-2, 0)) << "pressed: the sweep runs the other way";
    EXPECT_EQ(254, SL_GradientLevel(-2, 254));
}

TEST(Sl, GradientItemPaintsOneBandPerPixel)
{
    // 510 bands over 509 pixels: band i fills pixel i - 1.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 509;
    info.bmiHeader.biHeight = -4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = 0;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HWND button = PlainWindow(10, 10);
    DRAWITEMSTRUCT item = {};
    item.hDC = dc;
    item.hwndItem = button;
    SetRect(&item.rcItem, 0, 0, 509, 4);
    SL_DrawGradientItem(&item, 2, -1, -1, 7);
    GdiFlush();
    const DWORD* pixels = (const DWORD*)bits;
    EXPECT_EQ(0xFEFE07u, pixels[0]) << "band 1, level 254 in red and green";
    EXPECT_EQ(0x01u, (pixels[253] >> 8) & 0xFF) << "band 254, level 1";
    EXPECT_EQ(0x02u, (pixels[254] >> 8) & 0xFF) << "band 255, level 2";
    EXPECT_EQ(0x00u, (pixels[508] >> 8) & 0xFF) << "band 509, level 0";
    EXPECT_EQ(7u, pixels[300] & 0xFF) << "the fixed blue component";
    DestroyWindow(button);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(Sl, WindowWrapperSetsTextsAndStyles)
{
    CWindowWrapper wrapper(PlainWindow(10, 10));
    char text[32];
    wrapper.SetText("abcdef", 3);
    GetWindowTextA(wrapper.window, text, sizeof text);
    EXPECT_STREQ("abc", text);
    wrapper.SetTextF("%d/%d", 4, 7);
    GetWindowTextA(wrapper.window, text, sizeof text);
    EXPECT_STREQ("4/7", text);
    wrapper.SetText((const char*)NULL);
    EXPECT_EQ(0, GetWindowTextLengthA(wrapper.window));
    wrapper.ModifyStyle(true, WS_BORDER);
    EXPECT_TRUE(wrapper.GetStyle() & WS_BORDER);
    wrapper.ModifyStyle(false, WS_BORDER);
    EXPECT_FALSE(wrapper.GetStyle() & WS_BORDER);
    HWND window = wrapper.window;
    {
        CWindowWrapper owner(window);
    }
    EXPECT_FALSE(IsWindow(window)) << "the wrapper destroys the window it owns";
    wrapper.window = 0;
}

TEST(Sl, SpinRangeAndCheckBoxShortcuts)
{
    HWND dialog = PlainWindow(100, 100);
    CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD, 0, 0, 10, 10, dialog, (HMENU)7, GetModuleHandleA(NULL), NULL);
    CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, dialog, (HMENU)8,
                    GetModuleHandleA(NULL), NULL);
    SL_SetSpinRange(dialog, 7, 110, 15);
    DWORD range = (DWORD)SendDlgItemMessageA(dialog, 7, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(15, (int)HIWORD(range)) << "lower";
    EXPECT_EQ(110, (int)LOWORD(range)) << "upper";
    SL_SetCheck(dialog, 8, 5);
    EXPECT_TRUE(SL_GetCheck(dialog, 8));
    SL_SetCheck(dialog, 8, 0);
    EXPECT_FALSE(SL_GetCheck(dialog, 8));
    DestroyWindow(dialog);
}
