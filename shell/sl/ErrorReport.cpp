#include "shell/sl/ErrorReport.h"

#include <stdio.h>

MessageBoxFunction g_messageBox = MessageBoxA;

int SL_MessageBoxV(HWND owner, const char* caption, UINT type, const char* format, va_list arguments)
{
    char text[ERROR_TEXT_SIZE];
    vsnprintf(text, sizeof text, format, arguments);
    return g_messageBox(owner, text, caption, type | MB_TASKMODAL);
}

int SL_Erreur(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    int result = SL_MessageBoxV(NULL, NULL, MB_ICONERROR, format, arguments);
    va_end(arguments);
    return result;
}

int SL_ErreurFenetre(HWND owner, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    int result = SL_MessageBoxV(owner, NULL, MB_ICONERROR, format, arguments);
    va_end(arguments);
    return result;
}
