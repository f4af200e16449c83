// Failures are shown to the user at once in a task-modal message box.
#ifndef KRELMOT_SHELL_SL_ERRORREPORT_H
#define KRELMOT_SHELL_SL_ERRORREPORT_H

#ifdef _WIN32
#include <windows.h>
#else
// The settings and the texts also build natively, where there is no window
// system; they report through the same routines, and the text goes to the
// standard error stream.
struct HWND__;
typedef HWND__* HWND;
typedef unsigned int UINT;
#define WINAPI
const UINT MB_ICONERROR = 0x10;
const UINT MB_TASKMODAL = 0x2000;
const int IDOK = 1;
#endif

#include <stdarg.h>

const int ERROR_TEXT_SIZE = 1024;

// printf formatting into ERROR_TEXT_SIZE characters (a longer text is cut),
// then MessageBoxA with MB_TASKMODAL added to the type.
int SL_MessageBoxV(HWND owner, const char* caption, UINT type, const char* format, va_list arguments);
int SL_Erreur(const char* format, ...);
int SL_ErreurFenetre(HWND owner, const char* format, ...);

// The box itself; tests replace it with a recorder so that nothing blocks.
typedef int(WINAPI* MessageBoxFunction)(HWND owner, const char* text, const char* caption, UINT type);
extern MessageBoxFunction g_messageBox;

#endif
