// The real program in-process, each blocking call recorded instead of shown or played.
#ifndef KRELMOT_TESTS_SHELL_SHELLFIXTURE_H
#define KRELMOT_TESTS_SHELL_SHELLFIXTURE_H

#include <gtest/gtest.h>

#include "shell/Krelmot.h"
#include "shell/Startup.h"

inline CCell At(int column, int line) { return CCell{column, line}; }

struct CRecorded { std::vector<std::string> boxes; std::vector<int> sounds; int beeps; };
extern CRecorded g_recorded;

void PumpMessages();

std::string ReadTestIni();  // the program's INI file, in a folder of its own
void WriteTestIni(const std::string& text);

struct CGrab {  // the client area, one COLORREF per pixel
    explicit CGrab(HWND window);
    COLORREF At(int x, int y) const { return pixels[(size_t)y * width + x]; }
    int width, height;
    std::vector<COLORREF> pixels;
};

// The drawing objects, then the window-system objects (windows, menus, icons) alive.
int LiveGdiObjects();
int LiveUserObjects();

class ShellTest : public ::testing::Test {
protected:
    void SetUp();
    void TearDown();
    // Starts the program again on this INI file, none if empty.
    void Restart(const std::string& text) { TearDown(); ini = text; SetUp(); }
    std::string EndProgram() { TearDown(); return ReadTestIni(); }  // the settings as written at the end

    void Layout(int heroColumn, int heroLine);  // an empty board with the hero on the cell, drawn
    void Robot(int column, int line) { k->AppendRobot(column, line); }
    void Repaint();
    LPARAM FromHeroCentre(int dx, int dy) const { return MAKELPARAM(k->hero.x + 8 + dx, k->hero.y + 8 + dy); }
    void Key(WPARAM key) { SendMessageA(k->mainWindow, WM_KEYDOWN, key, 0); }
    void MoveMouse(LPARAM where) { SendMessageA(k->mainWindow, WM_MOUSEMOVE, 0, where); }
    void PointAt(int x, int y) { POINT p = {x, y}; ClientToScreen(k->mainWindow, &p); SetCursorPos(p.x, p.y); }
    std::string Part(int part) const;  // the text of a status bar part
    void Command(int id) { SendMessageA(k->mainWindow, WM_COMMAND, id, 0); }

    // The INI file at start-up: by default no intro, whose glide would slow every start.
    std::string ini = "[std]\r\nintro=0\r\n";
    CKrelmot* k;
};

#endif
