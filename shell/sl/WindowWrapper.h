// A thin object around a window handle.
#ifndef KRELMOT_SHELL_SL_WINDOWWRAPPER_H
#define KRELMOT_SHELL_SL_WINDOWWRAPPER_H

#include <windows.h>

#include <string>

class CWindowWrapper {
public:
    explicit CWindowWrapper(HWND window_ = 0) : window(window_), destroyWithObject(true), subclassed(0), previousProc(0) {}
    virtual ~CWindowWrapper();

    virtual int SetText(const std::string& text);
    virtual int SetText(const char* text);
    virtual int SetTextF(const char* format, ...);
    virtual LONG GetStyle();
    virtual LONG ModifyStyle(bool add, LONG bits);
    virtual LONG GetExStyle();
    virtual LONG ModifyExStyle(bool add, LONG bits);

    int SetText(const char* text, int length);
    bool ContainsScreenPoint(int x, int y);
    // Replaces the window's procedure, keeping the old one to put back.
    void Subclass(HWND target, WNDPROC procedure);
    void Unsubclass();

    HWND window;
    // A user that only borrows the window clears it.
    bool destroyWithObject;
    HWND subclassed;
    WNDPROC previousProc;
};

#endif
