// Records the message boxes while it lives, then puts the previous box back. One at a time. Outside a
// recorder's life a box nobody expects fails the test, never waits for a click.
#ifndef KRELMOT_TESTS_SHELL_MESSAGERECORDER_H
#define KRELMOT_TESTS_SHELL_MESSAGERECORDER_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/sl/ErrorReport.h"

struct CRecordedBox { HWND owner; bool hasCaption; UINT type; };

struct CMessageRecorder {
    CMessageRecorder() : previous(g_messageBox) { Current() = this; g_messageBox = Record; }
    ~CMessageRecorder() { g_messageBox = previous; }
    static CMessageRecorder*& Current() { static CMessageRecorder* current = 0; return current; }
    static int WINAPI Record(HWND owner, const char* text, const char* caption, UINT type)
    {
        Current()->texts.push_back(text);
        Current()->boxes.push_back(CRecordedBox{owner, caption != 0, type});
        return IDOK;
    }

    std::vector<std::string> texts;
    std::vector<CRecordedBox> boxes;
    MessageBoxFunction previous;
};

inline int WINAPI UnexpectedBox(HWND, const char* text, const char*, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDOK;
}
struct CNoBoxes : ::testing::Environment {
    void SetUp() override { g_messageBox = UnexpectedBox; }
};
static ::testing::Environment* const g_noBoxes = ::testing::AddGlobalTestEnvironment(new CNoBoxes);

#endif
