#include "shell/Startup.h"

#include <commctrl.h>

#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"

char g_className[TEXT_BUFFER_SIZE];
char g_title[TEXT_BUFFER_SIZE];

int RegisterMainClass(HINSTANCE instance)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x4FF};
    if (!InitCommonControlsEx(&controls)) {
        SL_Erreur("Common Controls initialisation error\n\nErreur Initialisation Common Controls\n");
        return -1;
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(177));
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(109);
    wc.lpszClassName = g_className;
    RegisterClassExA(&wc);
    return 0;
}

int StartUp(HINSTANCE instance, int showCommand, unsigned int seed)
{
    LoadStringA(instance, 104, g_className, TEXT_BUFFER_SIZE);
    LoadStringA(instance, 105, g_title, TEXT_BUFFER_SIZE);
    HWND running = FindWindowA(g_className, g_title);
    if (running) {
        ShowWindow(running, SW_SHOWNORMAL);
        return START_OTHER_COPY;
    }
    if (RegisterMainClass(instance) != 0)
        return START_FAILED;
    g_krelmot = new CKrelmot();
    g_krelmot->random.Seed(seed);
    if (g_krelmot->Init(instance, g_className, g_title) != 0)
        return START_NO_WINDOW;
    ShowWindow(g_krelmot->mainWindow, showCommand);
    UpdateWindow(g_krelmot->mainWindow);
    if (g_krelmot->settings.intro.Get() == 0 || g_krelmot->RunIntro() != 0)
        g_krelmot->StartLevel(1);
    SetTimer(g_krelmot->mainWindow, TIMER_CLOCK, 1000, NULL);
    return START_OK;
}

int RunMessageLoop()
{
    MSG msg = {};
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}

void ShutDown()
{
    if (!g_krelmot)
        return;
    KillTimer(g_krelmot->mainWindow, TIMER_CLOCK);
    delete g_krelmot;
    g_krelmot = 0;
}
