// The SL_ window routines on plain windows of their own.
#include "shell/sl/WindowRoutines.h"
#include "tests/shell/ShellFixture.h"

namespace {

HWND PlainWindow(int width, int height, const char* type = "STATIC", DWORD style = WS_POPUP, HWND parent = 0,
                 int id = 0)
{
    return CreateWindowExA(0, type, "", style, 0, 0, width, height, parent, (HMENU)(INT_PTR)id, 0, NULL);
}

}

// Modes 1 to 4 are the reference's corners from the top left, clockwise; any
// other centres. The work area is the reference when there is none, and the
// window is kept inside it.
TEST(Sl, RepositionPlacesByModeAndKeepsInsideTheWorkArea)
{
    RecordBlockingCalls();
    RECT work, r;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND reference = PlainWindow(300, 200), window = PlainWindow(100, 50);
    HWND huge = PlainWindow(work.right - work.left + 200, work.bottom - work.top + 100);
    // The reference's left and top (none when negative), the mode, then where the window goes.
    const LONG cases[][5] = {{100, 100, 1, 100, 100}, {100, 100, 2, 300, 100}, {100, 100, 3, 300, 250},
                             {100, 100, 4, 100, 250}, {100, 100, 9, 200, 175}, {-1, -1, 0, work.left, work.top},
                             {work.right - 100, work.bottom - 60, 3, work.right - 100, work.bottom - 50}};
    for (auto& c : cases) {
        SetWindowPos(reference, NULL, c[0], c[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        HWND moved = c[0] < 0 ? huge : window;
        EXPECT_EQ(0, SL_repositionne_fenetre(moved, c[0] < 0 ? NULL : reference, c[2]));
        GetWindowRect(moved, &r);
        EXPECT_TRUE(r.left == c[3] && r.top == c[4]) << c[2] << " from " << c[0] << ": " << r.left << "," << r.top;
    }
    for (HWND w : {huge, window, reference})
        DestroyWindow(w);
    EXPECT_TRUE(g_recorded.boxes.empty());
}

TEST(Sl, TextsCommandsGradientsAndDialogShortcuts)
{
    const char* data = "untouched";
    DWORD size = 77;
    EXPECT_TRUE(SL_LoadResText(299, &data, &size) == -1 && std::string(data) == "untouched" && size == 77);
    ASSERT_EQ(0, SL_LoadResText(300, &data, &size));
    EXPECT_EQ("Three lines\r\nof text\r\n", std::string(data, size));
    RecordBlockingCalls();
    SL_ExecCmd("", NULL);
    SL_ExecCmd(NULL, NULL);
    EXPECT_EQ(std::vector<std::string>(2, "SL_ExecCmd: Unknown command"), g_recorded.boxes);
    // Blocks of 255 bands run down, then up; a pressed button (n < 0) the other way.
    const int levels[][3] = {{2, 0, 255}, {2, 254, 1}, {2, 255, 2}, {2, 509, 0}, {-2, 0, 0}, {-2, 254, 254}};
    for (auto& l : levels)
        EXPECT_EQ(l[2], SL_GradientLevel(l[0], l[1])) << l[0] << " blocks, band " << l[1];
    // 510 bands over 509 pixels: band i fills pixel i - 1; blue stays as given.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 509;
    info.bmiHeader.biHeight = info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    DWORD* pixels = 0;
    DRAWITEMSTRUCT item = {};
    item.hDC = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(item.hDC, CreateDIBSection(item.hDC, &info, DIB_RGB_COLORS, (void**)&pixels, NULL, 0));
    item.hwndItem = PlainWindow(10, 10);
    SetRect(&item.rcItem, 0, 0, 509, 1);
    SL_DrawGradientItem(&item, 2, -1, -1, 7);
    GdiFlush();
    for (int x = 0; x < 509; ++x) {
        DWORD level = SL_GradientLevel(2, x + 1);
        ASSERT_EQ(level << 16 | level << 8 | 7, pixels[x]) << "pixel " << x;
    }
    DeleteObject(SelectObject(item.hDC, old));
    DeleteDC(item.hDC);
    PlainWindow(10, 10, UPDOWN_CLASSA, WS_CHILD, item.hwndItem, 7);
    PlainWindow(10, 10, "BUTTON", WS_CHILD | BS_AUTOCHECKBOX, item.hwndItem, 8);
    SL_SetSpinRange(item.hwndItem, 7, 110, 15);
    EXPECT_EQ(MAKELONG(110, 15), SendDlgItemMessageA(item.hwndItem, 7, UDM_GETRANGE, 0, 0)) << "upper, lower";
    for (int on : {5, 0}) {
        SL_SetCheck(item.hwndItem, 8, on);
        EXPECT_EQ(on != 0, SL_GetCheck(item.hwndItem, 8));
    }
    DestroyWindow(item.hwndItem);
}
