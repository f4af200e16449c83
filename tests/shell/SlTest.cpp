// The SL_ routines and the error report; the option sheet's tests cover the spin and check routines, the start-up
// tests the centring on the work area.
#include <gtest/gtest.h>

#include "shell/sl/WindowRoutines.h"
#include "tests/shell/MessageRecorder.h"

// A missing text leaves the outputs alone (the intro tests read the texts found), an unknown command is reported;
// blocks of 255 gradient bands run down, then up, a pressed button's (n < 0) the other way. An error box:
// task-modal, error icon, the system's caption, the text cut to the buffer.
TEST(Sl, TextsCommandsGradientLevelsAndErrorReports)
{
    const char* data = "untouched";
    DWORD size = 77;
    EXPECT_TRUE(SL_LoadResText(299, &data, &size) == -1 && std::string(data) == "untouched" && size == 77);
    const int levels[][3] = {{2, 0, 255}, {2, 254, 1}, {2, 255, 2}, {2, 509, 0}, {-2, 0, 0}, {-2, 254, 254}};
    for (auto& l : levels)
        EXPECT_EQ(l[2], SL_GradientLevel(l[0], l[1])) << l[0] << " blocks, band " << l[1];
    CMessageRecorder recorder;
    HWND page = (HWND)(ULONG_PTR)0x1234;
    SL_ExecCmd(NULL, NULL);
    SL_ErreurFenetre(page, "Pb %s %d: %x", "SetWindowPos", -2, 255u);
    SL_Erreur("%s", std::string(100000, 'a').c_str());
    ASSERT_EQ((std::vector<std::string>{"SL_ExecCmd: Unknown command", "Pb SetWindowPos -2: ff", std::string(1023, 'a')}),
              recorder.texts);
    const CRecordedBox& box = recorder.boxes[1];
    EXPECT_TRUE(box.owner == page && !box.hasCaption && box.type == (MB_ICONERROR | MB_TASKMODAL));
}
