// Small window routines shared by the shell and the dialogs. Each reports a
// failed system call through the error report and returns -1, or returns the
// system's own result.
#ifndef KRELMOT_SHELL_SL_WINDOWROUTINES_H
#define KRELMOT_SHELL_SL_WINDOWROUTINES_H

#include <windows.h>
#include <commctrl.h>

int SL_get_posdim_fenetre(HWND window, int* left, int* top, int* width, int* height);
// Modes: 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left of the
// reference (the work area when there is none); anything else centres.
int SL_repositionne_fenetre(HWND window, HWND reference, int mode);
int SL_ExecCmd(const char* command, const char* parameters);
int SL_decoupe_tb_button(HIMAGELIST* list, HINSTANCE instance, int bitmapId, int count, COLORREF transparent);
// 0, or -1 no such resource, -2 empty, -3 cannot load, -4 cannot lock.
int SL_LoadResText(int id, const char** data, DWORD* size);
bool SL_KeyDown(int virtualKey);
LRESULT SL_SetSpinRange(HWND dialog, int item, int upper, int lower);
void SL_SetCheck(HWND dialog, int item, int on);
bool SL_GetCheck(HWND dialog, int item);
unsigned int SL_GetDlgUInt(HWND dialog, int item);
LRESULT SL_ListAdd(HWND dialog, int item, const char* text, LPARAM data);
LRESULT SL_ListGetSelData(HWND dialog, int item);
// Colour components of -1 follow the sweep's level; n < 0 sweeps the other way.
void SL_DrawGradientItem(const DRAWITEMSTRUCT* item, int n, int red, int green, int blue);
// The level of band i of a sweep of n blocks, in its low 8 bits.
int SL_GradientLevel(int n, int band);

// The shell's "open" request; tests replace it so that nothing is launched.
typedef BOOL (*ShellExecuteFunction)(SHELLEXECUTEINFOA* info);
extern ShellExecuteFunction g_shellExecute;

#endif
