// Stands in for the message box while it lives, keeping what would have been
// shown; the box it replaced comes back afterwards.
#ifndef KRELMOT_TESTS_SHELL_MESSAGERECORDER_H
#define KRELMOT_TESTS_SHELL_MESSAGERECORDER_H

#include <string>
#include <vector>

#include "shell/sl/ErrorReport.h"

struct CRecordedBox {
    HWND owner;
    std::string text;
    bool hasCaption;
    UINT type;
};

class CMessageRecorder {
public:
    CMessageRecorder() : previous(g_messageBox), previousRecorder(Current())
    {
        Current() = this;
        g_messageBox = Record;
    }
    ~CMessageRecorder()
    {
        g_messageBox = previous;
        Current() = previousRecorder;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (size_t i = 0; i < boxes.size(); ++i)
            texts.push_back(boxes[i].text);
        return texts;
    }

    std::vector<CRecordedBox> boxes;

private:
    CMessageRecorder(const CMessageRecorder&);
    CMessageRecorder& operator=(const CMessageRecorder&);

    static CMessageRecorder*& Current()
    {
        static CMessageRecorder* current = 0;
        return current;
    }

    static int WINAPI Record(HWND owner, const char* text, const char* caption, UINT type)
    {
        CRecordedBox box = {owner, text, caption != 0, type};
        Current()->boxes.push_back(box);
        return IDOK;
    }

    MessageBoxFunction previous;
    CMessageRecorder* previousRecorder;
};

#endif
