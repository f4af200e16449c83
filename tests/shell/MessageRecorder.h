// Records the message boxes while it lives, then puts the previous box back. One at a time.
#ifndef KRELMOT_TESTS_SHELL_MESSAGERECORDER_H
#define KRELMOT_TESTS_SHELL_MESSAGERECORDER_H

#include <string>
#include <vector>

#include "shell/sl/ErrorReport.h"

struct CRecordedBox { HWND owner; std::string text; bool hasCaption; UINT type; };

struct CMessageRecorder {
    CMessageRecorder() : previous(g_messageBox) { Current() = this; g_messageBox = Record; }
    ~CMessageRecorder() { g_messageBox = previous; }
    static CMessageRecorder*& Current() { static CMessageRecorder* current = 0; return current; }
    static int WINAPI Record(HWND owner, const char* text, const char* caption, UINT type)
    {
        Current()->boxes.push_back(CRecordedBox{owner, text, caption != 0, type});
        return IDOK;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const CRecordedBox& box : boxes)
            texts.push_back(box.text);
        return texts;
    }

    std::vector<CRecordedBox> boxes;
    MessageBoxFunction previous;
};

#endif
