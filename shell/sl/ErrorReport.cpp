#include "shell/sl/ErrorReport.h"

#include <stdio.h>

#ifdef _WIN32

MessageBoxFunction g_messageBox = MessageBoxA;

#else

namespace {

int StandardErrorBox(HWND, const char* text, const char*, UINT)
{
    fprintf(stderr, "%s\n", text);
    return IDOK;
}

}

MessageBoxFunction g_messageBox = StandardErrorBox;

#endif

int SL_MessageBoxV(HWND owner, const char* caption, UINT type, const char* format, va_list arguments)
{
    char text[ERROR_TEXT_SIZE];
    text[0] = '\0';
    vsnprintf(text, sizeof text, format, arguments);
    // Some C runtimes leave a cut text without its terminator.
    text[sizeof text - 1] = '\0';
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
