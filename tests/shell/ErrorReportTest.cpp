// The error report: what the box is asked to show, and the real box's hold
// on the windows of the program while it is open.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "shell/sl/ErrorReport.h"
#include "tests/shell/MessageRecorder.h"

namespace {

int CallV(HWND owner, const char* caption, UINT type, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    int result = SL_MessageBoxV(owner, caption, type, format, arguments);
    va_end(arguments);
    return result;
}

TEST(ErrorReport, ErrorsShowTheFormattedTextWithTheErrorIconAndTheDefaultCaption)
{
    CMessageRecorder recorder;
    HWND page = (HWND)(ULONG_PTR)0x1234;
    SL_Erreur("Pb creation rebar %d", 5);
    SL_ErreurFenetre(page, "Pb %s %d: %x", "SetWindowPos", -2, 255u);
    CallV(NULL, "Krelmot", MB_OK | MB_ICONWARNING, "%d%%", 50);
    ASSERT_EQ(3u, recorder.boxes.size());
    EXPECT_EQ("Pb creation rebar 5", recorder.boxes[0].text);
    EXPECT_EQ((HWND)0, recorder.boxes[0].owner);
    EXPECT_FALSE(recorder.boxes[0].hasCaption);
    EXPECT_EQ(UINT(MB_ICONERROR | MB_TASKMODAL), recorder.boxes[0].type);
    EXPECT_EQ("Pb SetWindowPos -2: ff", recorder.boxes[1].text);
    EXPECT_EQ(page, recorder.boxes[1].owner);
    EXPECT_FALSE(recorder.boxes[1].hasCaption);
    EXPECT_EQ(UINT(MB_ICONERROR | MB_TASKMODAL), recorder.boxes[1].type);
    EXPECT_EQ("50%", recorder.boxes[2].text);
    EXPECT_TRUE(recorder.boxes[2].hasCaption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONWARNING | MB_TASKMODAL), recorder.boxes[2].type);
}

TEST(ErrorReport, ATextLongerThanTheBufferIsCut)
{
    CMessageRecorder recorder;
    const struct {
        size_t length;
        size_t shown;
    } cases[] = {{1022, 1022}, {1023, 1023}, {1024, 1023}, {100000, 1023}};
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        std::string text(cases[i].length, 'a');
        text[0] = 'P';
        SL_Erreur("%s", text.c_str());
        ASSERT_EQ(i + 1, recorder.boxes.size());
        EXPECT_EQ(text.substr(0, cases[i].shown), recorder.boxes[i].text) << cases[i].length;
    }
}

#ifdef _WIN32

// What the real box looked like while it was open, seen from a thread timer
// that then closes it. Should the box never be found, the timer ends the
// box's modal loop with a quit message instead of waiting for ever.
struct CBoxProbe {
    HWND watched;
    bool found;
    bool watchedEnabled;
    std::string caption;
    std::string text;
    int ticks;
};

CBoxProbe g_probe;

BOOL CALLBACK FindBox(HWND window, LPARAM found)
{
    char name[32];
    if (GetClassNameA(window, name, sizeof name) && strcmp(name, "#32770") == 0 && IsWindowVisible(window)) {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ProbeAndClose(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = 0;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, (LPARAM)&box);
    if (!box) {
        if (++g_probe.ticks > 500) {
            KillTimer(NULL, timer);
            PostQuitMessage(0);
        }
        return;
    }
    KillTimer(NULL, timer);
    g_probe.found = true;
    g_probe.watchedEnabled = IsWindowEnabled(g_probe.watched) != FALSE;
    char text[256] = "";
    GetWindowTextA(box, text, sizeof text);
    g_probe.caption = text;
    text[0] = '\0';
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_probe.text = text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

class RealBoxTest : public ::testing::Test {
protected:
    void SetUp()
    {
        previous = g_messageBox;
        g_messageBox = MessageBoxA;
        frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, NULL, NULL,
                                NULL, NULL);
        page = CreateWindowExA(0, "STATIC", "page", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, frame, NULL, NULL, NULL);
        ASSERT_TRUE(frame && page);
        CBoxProbe fresh = {frame, false, true, "", "", 0};
        g_probe = fresh;
        SetTimer(NULL, 0, 10, ProbeAndClose);
    }
    void TearDown()
    {
        g_messageBox = previous;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ;
        DestroyWindow(frame);
    }

    MessageBoxFunction previous;
    HWND frame;
    HWND page;
};

TEST_F(RealBoxTest, ABoxOwnedByAPageKeepsItsWindowInactiveUntilClosed)
{
    EXPECT_EQ(IDOK, SL_ErreurFenetre(page, "La largeur doit %s", "changer"));
    ASSERT_TRUE(g_probe.found);
    EXPECT_FALSE(g_probe.watchedEnabled);
    EXPECT_EQ("La largeur doit changer", g_probe.text);
    EXPECT_EQ("Error", g_probe.caption) << "the system's default caption";
    EXPECT_TRUE(IsWindowEnabled(frame));
}

TEST_F(RealBoxTest, ABoxWithoutOwnerStillHoldsEveryWindowOfTheTask)
{
    EXPECT_EQ(IDOK, SL_Erreur("Pb creation rebar %d", 5));
    ASSERT_TRUE(g_probe.found);
    EXPECT_FALSE(g_probe.watchedEnabled);
    EXPECT_EQ("Pb creation rebar 5", g_probe.text);
    EXPECT_TRUE(IsWindowEnabled(frame));
}

#endif

}
