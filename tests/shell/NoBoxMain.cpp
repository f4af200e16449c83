// The test programs of the settings, the texts and the error report start
// with the message box replaced: a box that no test expected fails the test
// instead of waiting for a click that never comes.
#include <gtest/gtest.h>

#include "shell/sl/ErrorReport.h"

namespace {

int WINAPI UnexpectedBox(HWND, const char* text, const char*, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDOK;
}

}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_messageBox = UnexpectedBox;
    return RUN_ALL_TESTS();
}
