#include "tests/shell/ShellFixture.h"

#include "shell/StatusBar.h"
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

std::string TestIniFolder()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "krelmot-shell-test";
    CreateDirectoryA(path.c_str(), NULL);
    return path;
}

std::string TestIniPath() { return TestIniFolder() + "\\Krelmot.ini"; }

void ShellTest::SetUp()
{
    RecordBlockingCalls();
    g_iniFolderOverride = TestIniFolder();
    DeleteFileA(TestIniPath().c_str());
    WriteIni();
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
    DeleteFileA(TestIniPath().c_str());
}

std::string ReadTestIni()
{
    std::string text;
    HANDLE file = CreateFileA(TestIniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, NULL) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

void WriteTestIni(const std::string& text)
{
    HANDLE file = CreateFileA(TestIniPath().c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, NULL);
    CloseHandle(file);
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
    HWND bar = k->statusBar->GetHandle();
    char text[256] = "";
    LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0);
    if (LOWORD(length) < sizeof text)
        SendMessageA(bar, SB_GETTEXTA, part, (LPARAM)text);
    return text;
}
