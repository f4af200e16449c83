// The settings' and the texts' test programs start with the message box
// replaced: an unexpected box fails the test instead of waiting for a click.
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
