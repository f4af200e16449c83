// Stands in for the message box while it lives, keeping what would have been
// shown; the box it replaced comes back afterwards.
#ifndef KRELMOT_TESTS_SHELL_MESSAGERECORDER_H
#define KRELMOT_TESTS_SHELL_MESSAGERECORDER_H

#include <string>
#include <vector>

#include "shell/sl/ErrorReport.h"

struct CRecordedBox { HWND owner; std::string text; bool hasCaption; UINT type; };

struct CMessageRecorder {
    CMessageRecorder() : previous(g_messageBox), outer(Boxes()) { Boxes() = &boxes; g_messageBox = Record; }
    ~CMessageRecorder() { g_messageBox = previous; Boxes() = outer; }
    static std::vector<CRecordedBox>*& Boxes() { static std::vector<CRecordedBox>* current = 0; return current; }
    static int WINAPI Record(HWND owner, const char* text, const char* caption, UINT type)
    {
        Boxes()->push_back(CRecordedBox{owner, text, caption != 0, type});
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
    std::vector<CRecordedBox>* outer;
};

#endif
