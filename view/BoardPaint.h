// The board painted straight into the window: the ground, the grid lines, the
// pieces and the intro's welcome line. There is no off-screen copy of the
// board, so a repaint is split in two steps that keep every piece's drawn flag
// in step with the screen: erasing the background takes off, by exclusive-or,
// every piece the damaged area shows before the ground is filled; painting
// puts them back.
#ifndef KRELMOT_VIEW_BOARDPAINT_H
#define KRELMOT_VIEW_BOARDPAINT_H

#include <windows.h>

class CGame;
class CImageSets;
class CPiece;
struct CSettings;

// The lines lie in the one-pixel gaps between cells, in the complement of the background.
void DrawGrid(HDC dc, const RECT& grid, COLORREF background);

class CBoardPainter {
public:
    // grid is the caller's grid rectangle, read at every repaint.
    CBoardPainter(CGame& game, const CImageSets& images, const RECT& grid);
    ~CBoardPainter();

    // Stores the colour in the settings and makes the ground brush of it.
    void SetBackgroundColour(CSettings& settings, COLORREF colour);
    // Pieces go on the window's own context, which is not clipped to the
    // damaged area: a piece that only partly needs repainting is erased whole
    // here and drawn whole by Paint.
    void EraseBackground(HWND window, HDC eraseDc);
    // The grid rectangle in the ground colour, pieces or not.
    void FillGround(HDC dc);
    // Grid lines, robots, heaps, then the hero or, while the intro shows, the
    // welcome line (welcomeText may be null).
    void Paint(HWND window, HDC paintDc, const char* welcomeText);
    // The line written under the intro picture, centred on the board's line.
    void DrawWelcome(HDC dc, const char* text);

    int welcomeLine;  // board line of the intro's welcome text

private:
    void TouchPiecesShownIn(HWND window, HDC clipDc, int (CPiece::*operation)(class CCanvas*), bool withHero);

    CGame& game;
    const CImageSets& images;
    const RECT& grid;
    HBRUSH brush;
};

#endif
