#include "shell/sl/WindowWrapper.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

CWindowWrapper::~CWindowWrapper()
{
    Unsubclass();
    if (destroyWithObject && window)
        DestroyWindow(window);
}

int CWindowWrapper::SetText(const std::string& text) { return SetText(text.c_str()); }

int CWindowWrapper::SetText(const char* text)
{
    return (int)SendMessageA(window, WM_SETTEXT, 0, (LPARAM)(text ? text : ""));
}

int CWindowWrapper::SetTextF(const char* format, ...)
{
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return SetText(buffer);
}

LONG CWindowWrapper::GetStyle() { return GetWindowLongA(window, GWL_STYLE); }

LONG CWindowWrapper::ModifyStyle(bool add, LONG bits)
{
    LONG style = GetStyle();
    return SetWindowLongA(window, GWL_STYLE, add ? style | bits : style & ~bits);
}

LONG CWindowWrapper::GetExStyle() { return GetWindowLongA(window, GWL_EXSTYLE); }

LONG CWindowWrapper::ModifyExStyle(bool add, LONG bits)
{
    LONG style = GetExStyle();
    return SetWindowLongA(window, GWL_EXSTYLE, add ? style | bits : style & ~bits);
}

int CWindowWrapper::SetText(const char* text, int length)
{
    if (!text || length <= 0)
        return SetText("");
    std::string copy(text, (size_t)length);
    return SetText(copy.c_str());
}

bool CWindowWrapper::ContainsScreenPoint(int x, int y)
{
    RECT r;
    POINT p = {x, y};
    return GetWindowRect(window, &r) && PtInRect(&r, p);
}

void CWindowWrapper::Subclass(HWND target, WNDPROC procedure)
{
    Unsubclass();
    subclassed = target;
    previousProc = (WNDPROC)SetWindowLongPtrA(target, GWLP_WNDPROC, (LONG_PTR)procedure);
}

void CWindowWrapper::Unsubclass()
{
    if (subclassed && previousProc)
        SetWindowLongPtrA(subclassed, GWLP_WNDPROC, (LONG_PTR)previousProc);
    subclassed = 0;
    previousProc = 0;
}
