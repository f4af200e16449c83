// The settings' and texts' test programs: an unexpected message box fails, never waits for a click.
#include <gtest/gtest.h>

#include "shell/sl/ErrorReport.h"

static int WINAPI UnexpectedBox(HWND, const char* text, const char*, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDOK;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_messageBox = UnexpectedBox;
    return RUN_ALL_TESTS();
}
