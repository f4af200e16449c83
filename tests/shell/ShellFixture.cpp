#include "tests/shell/ShellFixture.h"

#include "shell/sl/ErrorReport.h"
#include "view/Sound.h"

CRecorded g_recorded;

namespace {

int WINAPI RecordBox(HWND, const char* text, const char*, UINT)
{
    g_recorded.boxes.push_back(text);
    return IDOK;
}

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE, DWORD)
{
    g_recorded.sounds.push_back((int)(ULONG_PTR)sound);
    return TRUE;
}

BOOL WINAPI RecordBeep(UINT)
{
    ++g_recorded.beeps;
    return TRUE;
}

}

void RecordBlockingCalls()
{
    g_messageBox = RecordBox;
    g_playSound = RecordSound;
    g_messageBeep = RecordBeep;
    g_recorded = CRecorded();
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ShellTest::SetUp()
{
    RecordBlockingCalls();
    // Keep the real pointer away from the board unless a test puts it there.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_EQ(START_OK, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 12345));
    k = g_krelmot;
    PumpMessages();
}

void ShellTest::TearDown()
{
    if (g_krelmot && IsWindow(g_krelmot->mainWindow))
        DestroyWindow(g_krelmot->mainWindow);
    PumpMessages();
    ShutDown();
    UnregisterClassA(g_className, GetModuleHandleA(NULL));
}

void ShellTest::Layout(int heroColumn, int heroLine)
{
    k->settings.nb_robot_base.value = 0;
    k->settings.nb_robot_incr.value = 0;
    k->StartLevel(1);
    k->SetHeroCell(heroColumn, heroLine);
    k->hero = CHero(heroColumn, heroLine, k->gridOrigin);
    Repaint();
}

void ShellTest::Repaint()
{
    InvalidateRect(k->mainWindow, NULL, TRUE);
    UpdateWindow(k->mainWindow);
    PumpMessages();
    g_recorded = CRecorded();
}

void ShellTest::PointAt(int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(k->mainWindow, &p);
    SetCursorPos(p.x, p.y);
}
