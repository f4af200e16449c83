#include "tests/shell/ShellFixture.h"

#include <fstream>
#include <iterator>

#include "shell/StatusBar.h"
#include "shell/sl/ErrorReport.h"
#include "view/Sound.h"

CRecorded g_recorded;

static int WINAPI RecordBox(HWND, LPCSTR text, LPCSTR, UINT) { g_recorded.boxes.push_back(text); return IDOK; }
static BOOL WINAPI RecordSound(LPCSTR id, HMODULE, DWORD) { g_recorded.sounds.push_back(LOWORD(id)); return TRUE; }
static BOOL WINAPI RecordBeep(UINT) { ++g_recorded.beeps; return TRUE; }

static std::string TestIniPath() { return g_iniFolderOverride + "\\Krelmot.ini"; }

std::string ReadTestIni()
{
    std::ifstream file(TestIniPath().c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteTestIni(const std::string& text) { std::ofstream(TestIniPath().c_str(), std::ios::binary) << text; }

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

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

// Probes fill freed slots, then a run of new ones, whose first slot less the probes before it is the count.
int LiveGdiObjects()
{
    auto slot = [](HBRUSH brush) { return (int)((ULONG_PTR)brush & 0xFFFF); };
    std::vector<HBRUSH> probes;
    size_t runStart = 0;
    while (probes.size() - runStart < 1000 && probes.size() < 30000) {
        HBRUSH probe = CreateSolidBrush(0);
        if (!probe)
            break;
        if (!probes.empty() && slot(probe) != slot(probes.back()) + 1)
            runStart = probes.size();
        probes.push_back(probe);
    }
    int live = probes.empty() ? 0 : slot(probes[runStart]) - (int)runStart;
    for (HBRUSH probe : probes)
        DeleteObject(probe);
    return live;
}

// Under Wine a handle holds its slot (two apart, from 0x20) and how often it was taken: as above.
int LiveUserObjects()
{
    int counted = (int)GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted > 0)
        return counted;
    std::vector<HMENU> probes;
    int live = -1;
    while (live < 0 && probes.size() < 60000) {
        HMENU probe = CreateMenu();
        if (!probe)
            break;
        ULONG_PTR handle = (ULONG_PTR)probe & 0xFFFFFFFF;
        if ((handle >> 16) == 1)
            live = (int)(((handle & 0xFFFF) - 0x20) >> 1) - (int)probes.size();
        probes.push_back(probe);
    }
    for (HMENU probe : probes)
        DestroyMenu(probe);
    return live;
}

void ShellTest::SetUp()
{
    g_messageBox = RecordBox;
    g_playSound = RecordSound;
    g_messageBeep = RecordBeep;
    g_recorded = CRecorded();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    g_iniFolderOverride = temp + std::string("krelmot-shell-test");
    CreateDirectoryA(g_iniFolderOverride.c_str(), NULL);
    DeleteFileA(TestIniPath().c_str());
    if (!ini.empty())
        WriteTestIni(ini);
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
}

void ShellTest::Layout(int heroColumn, int heroLine)
{
    k->settings.nb_robot_base.value = k->settings.nb_robot_incr.value = 0;
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

std::string ShellTest::Part(int part) const
{
    char text[4096] = "";  // a part holds far less
    SendMessageA(k->statusBar->GetHandle(), SB_GETTEXTA, part, (LPARAM)text);
    return text;
}
