// The error report: what the box is asked to show, and the real box's hold
// on the windows of the program while it is open.
#include <gtest/gtest.h>

#include "tests/shell/MessageRecorder.h"

namespace {

// The real box as a thread timer sees it once it is open, before closing it.
// Should no box come, the timer ends the box's modal loop with a quit message.
struct CBoxProbe {
    HWND watched;
    bool found, watchedEnabled;
    std::string caption, text;
    int ticks;
} g_probe;

void CALLBACK ProbeAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = GetActiveWindow();
    char text[256] = "";
    if (!box || !GetClassNameA(box, text, sizeof text) || std::string(text) != "#32770") {
        if (++g_probe.ticks > 500) {
            KillTimer(NULL, timer);
            PostQuitMessage(0);
        }
        return;
    }
    KillTimer(NULL, timer);
    g_probe.found = true;
    g_probe.watchedEnabled = IsWindowEnabled(g_probe.watched) != FALSE;
    GetWindowTextA(box, text, sizeof text);
    g_probe.caption = text;
    text[0] = '\0';
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_probe.text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}

// With the error icon and the system's own caption, task-modal, cut to the buffer.
TEST(ErrorReport, TheFormattedTextGoesToATaskModalErrorBox)
{
    CMessageRecorder recorder;
    HWND page = (HWND)(ULONG_PTR)0x1234;
    SL_Erreur("Pb creation rebar %d", 5);
    SL_ErreurFenetre(page, "Pb %s %d: %x", "SetWindowPos", -2, 255u);
    for (size_t length : {1023, 1024, 100000})
        SL_Erreur("%s", std::string(length, 'a').c_str());
    ASSERT_EQ(5u, recorder.boxes.size());
    EXPECT_EQ("Pb creation rebar 5", recorder.boxes[0].text);
    EXPECT_EQ("Pb SetWindowPos -2: ff", recorder.boxes[1].text);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(i < 2 || recorder.boxes[i].text == std::string(1023, 'a')) << "cut to the buffer: " << i;
        EXPECT_EQ(i == 1 ? page : NULL, recorder.boxes[i].owner) << i;
        EXPECT_FALSE(recorder.boxes[i].hasCaption) << i;
        EXPECT_EQ(UINT(MB_ICONERROR | MB_TASKMODAL), recorder.boxes[i].type) << i;
    }
}

// Owned by a page or by nobody, the real box disables the frame until closed.
TEST(RealBox, HoldsEveryWindowOfTheTaskUntilClosed)
{
    MessageBoxFunction previous = g_messageBox;
    g_messageBox = MessageBoxA;
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, NULL,
                                 NULL, NULL, NULL);
    HWND page = CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, frame, NULL, NULL, NULL);
    for (HWND owner : {page, HWND(NULL)}) {
        g_probe = CBoxProbe{frame, false, true, "", "", 0};
        SetTimer(NULL, 0, 10, ProbeAndClose);
        EXPECT_EQ(IDOK, SL_ErreurFenetre(owner, "La largeur doit %s", "changer"));
        EXPECT_TRUE(g_probe.found && !g_probe.watchedEnabled) << owner;
        EXPECT_EQ("La largeur doit changer", g_probe.text);
        EXPECT_EQ("Error", g_probe.caption) << "the system's default caption";
        EXPECT_TRUE(IsWindowEnabled(frame));
    }
    g_messageBox = previous;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ;
    DestroyWindow(frame);
}
