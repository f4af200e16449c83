// The SL_ routines and the error report; the option sheet's tests cover the spin and check routines.
#include <gtest/gtest.h>

#include "shell/sl/WindowRoutines.h"
#include "tests/shell/MessageRecorder.h"

// Modes 1 to 4 are the reference's corners from the top left, clockwise, any
// other centres; with no reference the work area, which holds the window.
TEST(Sl, RepositionPlacesByModeAndKeepsInsideTheWorkArea)
{
    CMessageRecorder recorder;
    auto popup = [](int w, int h) { return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, w, h, 0, 0, 0, 0); };
    RECT work, r;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    HWND reference = popup(300, 200), window = popup(100, 50);
    // The reference's left and top (none when negative), the mode, then where the window goes.
    const LONG cases[][5] = {{100, 100, 1, 100, 100}, {100, 100, 2, 300, 100}, {100, 100, 3, 300, 250},
                             {100, 100, 4, 100, 250}, {100, 100, 9, 200, 175},
                             {-1, -1, 0, (work.left + work.right - 100) / 2, (work.top + work.bottom - 50) / 2},
                             {work.right - 100, work.bottom - 60, 3, work.right - 100, work.bottom - 50}};
    for (auto& c : cases) {
        SetWindowPos(reference, NULL, c[0], c[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(0, SL_repositionne_fenetre(window, c[0] < 0 ? NULL : reference, c[2]));
        GetWindowRect(window, &r);
        EXPECT_TRUE(r.left == c[3] && r.top == c[4]) << c[2] << " from " << c[0] << ": " << r.left << "," << r.top;
    }
    DestroyWindow(window);
    DestroyWindow(reference);
}

// A missing text leaves the outputs alone, an unknown command is reported; blocks of 255
// gradient bands run down, then up, a pressed button's (n < 0) the other way. An error box:
// task-modal, error icon, the system's caption, the text cut to the buffer.
TEST(Sl, TextsCommandsGradientLevelsAndErrorReports)
{
    const char* data = "untouched";
    DWORD size = 77;
    EXPECT_TRUE(SL_LoadResText(299, &data, &size) == -1 && std::string(data) == "untouched" && size == 77);
    ASSERT_EQ(0, SL_LoadResText(300, &data, &size));
    EXPECT_EQ("Three lines\r\nof text\r\n", std::string(data, size));
    const int levels[][3] = {{2, 0, 255}, {2, 254, 1}, {2, 255, 2}, {2, 509, 0}, {-2, 0, 0}, {-2, 254, 254}};
    for (auto& l : levels)
        EXPECT_EQ(l[2], SL_GradientLevel(l[0], l[1])) << l[0] << " blocks, band " << l[1];
    CMessageRecorder recorder;
    HWND page = (HWND)(ULONG_PTR)0x1234;
    SL_ExecCmd(NULL, NULL);
    SL_ErreurFenetre(page, "Pb %s %d: %x", "SetWindowPos", -2, 255u);
    SL_Erreur("%s", std::string(100000, 'a').c_str());
    ASSERT_EQ((std::vector<std::string>{"SL_ExecCmd: Unknown command", "Pb SetWindowPos -2: ff", std::string(1023, 'a')}),
              recorder.Texts());
    const CRecordedBox& box = recorder.boxes[1];
    EXPECT_TRUE(box.owner == page && !box.hasCaption && box.type == (MB_ICONERROR | MB_TASKMODAL));
}
