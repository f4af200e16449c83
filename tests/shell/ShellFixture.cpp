#include "tests/shell/ShellFixture.h"

#include <fstream>
#include <iterator>

#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
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

std::string TestIniFolder()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    CreateDirectoryA((folder + std::string("krelmot-shell-test")).c_str(), NULL);
    return folder + std::string("krelmot-shell-test");
}

std::string TestIniPath() { return TestIniFolder() + "\\Krelmot.ini"; }

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

std::string ReadTestIni()
{
    std::ifstream file(TestIniPath().c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteTestIni(const std::string& text) { std::ofstream(TestIniPath().c_str(), std::ios::binary) << text; }

CGrab::CGrab(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    HDC dc = GetDC(window);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
}

// Probes taken from the table fill its free slots, most recently freed first,
// then new slots in a consecutive run. The first slot of that run less the
// probes that came before it is the count of live objects.
int LiveGdiObjects()
{
    std::vector<HBRUSH> probes;
    int previous = -2, run = 0, runStart = 0, runFirstSlot = 0;
    while (run < 64 && probes.size() < 20000) {
        HBRUSH probe = CreateSolidBrush(0);
        if (!probe)
            break;
        int slot = (int)((ULONG_PTR)probe & 0xFFFF);
        if (slot != previous + 1) {
            run = 0;
            runStart = (int)probes.size();
            runFirstSlot = slot;
        }
        ++run;
        previous = slot;
        probes.push_back(probe);
    }
    // Freed in creation order, the probes come back in descending order next
    // time, never mistaken for new slots.
    for (HBRUSH probe : probes)
        DeleteObject(probe);
    return runFirstSlot - runStart;
}

void ShellTest::SetUp()
{
    RecordBlockingCalls();
    g_iniFolderOverride = TestIniFolder();
    DeleteFileA(TestIniPath().c_str());
    WriteIni();
    // Keep the real pointer away from the board unless a test puts it there.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ASSERT_EQ(START_OK, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 12345))
        << "boxes: " << ::testing::PrintToString(g_recorded.boxes);
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
    DeleteFileA(TestIniPath().c_str());
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

std::string ShellTest::Part(int part) const
{
    char text[256] = "";
    if (LOWORD(SendMessageA(k->statusBar->GetHandle(), SB_GETTEXTLENGTHA, part, 0)) < sizeof text)
        SendMessageA(k->statusBar->GetHandle(), SB_GETTEXTA, part, (LPARAM)text);
    return text;
}

std::string ShellTest::ButtonLabel(int command) const
{
    char text[64] = "";
    SendMessageA(k->toolBand->toolbar, TB_GETBUTTONTEXTA, command, (LPARAM)text);
    return text;
}
