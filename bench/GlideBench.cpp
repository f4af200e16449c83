// How many glide passes a second the real program manages on the largest
// board at the robot cap, every robot erased and drawn at each pass. Run it
// under Wine in Xvfb: it prints one line.
#include <stdio.h>

#include "shell/Krelmot.h"
#include "shell/Startup.h"
#include "shell/sl/ErrorReport.h"
#include "view/Sound.h"

namespace {

int WINAPI NoBox(HWND, const char*, const char*, UINT) { return IDOK; }
BOOL WINAPI NoSound(LPCSTR, HMODULE, DWORD) { return TRUE; }

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return (double)now.QuadPart / (double)frequency.QuadPart;
}

}

int main()
{
    g_messageBox = NoBox;
    g_playSound = NoSound;
    if (StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 1) != START_OK)
        return 1;
    CKrelmot* k = g_krelmot;
    k->settings.largeur.value = 110;
    k->settings.hauteur.value = 80;
    k->settings.nb_robot_base.value = 10000;
    k->FitWindowToGrid();
    k->StartLevel(1);
    UpdateWindow(k->mainWindow);

    CCanvas* canvas = k->AcquireBoardCanvas();
    for (CPieceList<CRobot>::Iterator r = k->robots.begin(); r != k->robots.end(); ++r)
        r->Draw(canvas);
    int passes = 0;
    double start = Seconds(), elapsed = 0;
    while (elapsed < 3.0) {
        int step = passes % 2 ? -1 : 1;
        for (CPieceList<CRobot>::Iterator r = k->robots.begin(); r != k->robots.end(); ++r) {
            r->Erase(canvas);
            r->x += step;
            r->Draw(canvas);
        }
        ++passes;
        elapsed = Seconds() - start;
    }
    k->ReleaseBoardCanvas(canvas);
    printf("glide passes at 110 x 80 with %d robots: %.1f a second (%d passes in %.2f s)\n", k->robots.Count(),
           passes / elapsed, passes, elapsed);
    DestroyWindow(k->mainWindow);
    ShutDown();
    return 0;
}
