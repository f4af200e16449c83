/* Start-up time of Krelmot.exe against an empty Win32 program (EmptyWindow):
   from CreateProcess to the first time the program waits for input with its
   main window shown. A program goes idle only once its queue is empty, paint
   messages included, so by then its first paint is done: for Krelmot the
   whole board of level 1. Each program runs from a copy in a temporary
   folder, Krelmot with an INI file that turns the intro off; the runs
   alternate, the first of each is a warm-up, and the medians are compared.

       krelmot_startup_bench.exe Krelmot.exe EmptyWindow.exe [runs]        */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define MAX_RUNS 99

static const char KRELMOT_INI[] = "[profile]\r\nversion=1\r\n[std]\r\nintro=0\r\n";

struct Program {
    const char* name;
    const char* className;
    char path[MAX_PATH];
    double times[MAX_RUNS];
};

static double NowMs(void)
{
    static LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * (double)now.QuadPart / (double)frequency.QuadPart;
}

static int WriteIni(const char* folder)
{
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s\\Krelmot.ini", folder);
    FILE* f = fopen(path, "wb");
    if (!f)
        return -1;
    fputs(KRELMOT_INI, f);
    fclose(f);
    return 0;
}

static void EndProgram(PROCESS_INFORMATION* pi, HWND window)
{
    if (window)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi->hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi->hProcess, 1);
    CloseHandle(pi->hThread);
    CloseHandle(pi->hProcess);
}

/* Milliseconds to the first idle with the window shown; negative on failure. */
static double TimeOneStart(const struct Program* program, const char* folder)
{
    STARTUPINFOA si;
    PROCESS_INFORMATION pi;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    double start = NowMs();
    if (!CreateProcessA(program->path, NULL, NULL, NULL, FALSE, 0, NULL, folder, &si, &pi))
        return -1;
    HWND window = NULL;
    double elapsed = -1;
    while (NowMs() - start < 30000) {
        if (!window)
            window = FindWindowA(program->className, NULL);
        if (window && IsWindowVisible(window) && WaitForInputIdle(pi.hProcess, 0) == 0) {
            elapsed = NowMs() - start;
            break;
        }
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    EndProgram(&pi, window);
    return elapsed;
}

static int CompareTimes(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

static double Median(double* times, int runs)
{
    qsort(times, runs, sizeof *times, CompareTimes);
    return runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
}

static int CopyInto(struct Program* program, const char* source, const char* folder)
{
    snprintf(program->path, sizeof program->path, "%s\\%s", folder, program->name);
    return CopyFileA(source, program->path, FALSE) ? 0 : -1;
}

int main(int argc, char** argv)
{
    int runs = argc > 3 ? atoi(argv[3]) : 9;
    if (argc < 3 || runs < 1 || runs > MAX_RUNS) {
        fprintf(stderr, "usage: %s Krelmot.exe EmptyWindow.exe [runs, 1 to %d]\n", argv[0], MAX_RUNS);
        return 2;
    }
    static struct Program programs[2];
    programs[0].name = "Krelmot.exe";
    programs[0].className = "KrelmotClassWindow";
    programs[1].name = "EmptyWindow.exe";
    programs[1].className = "KrelmotBenchEmptyWindow";
    char temp[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    snprintf(folder, sizeof folder, "%skrelmot-startup-%lu", temp, GetCurrentProcessId());
    CreateDirectoryA(folder, NULL);
    if (CopyInto(&programs[0], argv[1], folder) || CopyInto(&programs[1], argv[2], folder)) {
        fprintf(stderr, "cannot copy the programs into %s\n", folder);
        return 1;
    }
    for (int run = -1; run < runs; ++run) {
        for (int p = 0; p < 2; ++p) {
            WriteIni(folder);
            double t = TimeOneStart(&programs[p], folder);
            if (t < 0) {
                fprintf(stderr, "%s showed no idle window within 30 s\n", programs[p].name);
                return 1;
            }
            if (run >= 0)
                programs[p].times[run] = t;
            printf("%s %s: %.1f ms\n", run < 0 ? "warm-up" : "run", programs[p].name, t);
        }
    }
    double krelmot = Median(programs[0].times, runs), empty = Median(programs[1].times, runs);
    printf("median over %d runs: Krelmot.exe %.1f ms, EmptyWindow.exe %.1f ms, ratio %.2f\n", runs, krelmot, empty,
           krelmot / empty);
    DeleteFileA(programs[0].path);
    DeleteFileA(programs[1].path);
    char ini[MAX_PATH];
    snprintf(ini, sizeof ini, "%s\\Krelmot.ini", folder);
    DeleteFileA(ini);
    RemoveDirectoryA(folder);
    return 0;
}
