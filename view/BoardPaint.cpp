#include "view/BoardPaint.h"

#include <string.h>

#include "core/Game.h"
#include "settings/Settings.h"
#include "view/DcCanvas.h"

void DrawGrid(HDC dc, const RECT& grid, COLORREF background)
{
    HPEN pen = CreatePen(PS_SOLID, 1, ~background & 0xFFFFFF);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int x = grid.left; x <= grid.right; x += CELL_PITCH) {
        MoveToEx(dc, x, grid.top, NULL);
        LineTo(dc, x, grid.bottom);
    }
    for (int y = grid.top; y <= grid.bottom; y += CELL_PITCH) {
        MoveToEx(dc, grid.left, y, NULL);
        LineTo(dc, grid.right, y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

CBoardPainter::CBoardPainter(CGame& game_, const CImageSets& images_, const RECT& grid_)
    : welcomeLine(0), game(game_), images(images_), grid(grid_), brush(0)
{
}

CBoardPainter::~CBoardPainter()
{
    if (brush)
        DeleteObject(brush);
}

void CBoardPainter::SetBackgroundColour(CSettings& settings, COLORREF colour)
{
    if (brush)
        DeleteObject(brush);
    settings.coul_fond.Set((int)colour);
    brush = CreateSolidBrush((COLORREF)settings.coul_fond.Get());
}

void CBoardPainter::TouchPiecesShownIn(HWND window, HDC clipDc, int (CPiece::*operation)(CCanvas*), bool withHero)
{
    CDcCanvas clip(clipDc, &images);
    HDC own = GetDC(window);
    CDcCanvas onWindow(own, &images);
    for (CPieceList<CRobot>::Iterator r = game.robots.begin(); r != game.robots.end(); ++r)
        if (r->IsVisible(&clip))
            ((*r).*operation)(&onWindow);
    for (CPieceList<CHeap>::Iterator h = game.heaps.begin(); h != game.heaps.end(); ++h)
        if (h->IsVisible(&clip))
            ((*h).*operation)(&onWindow);
    if (withHero && game.hero.IsVisible(&clip))
        (game.hero.*operation)(&onWindow);
    ReleaseDC(window, own);
}

void CBoardPainter::EraseBackground(HWND window, HDC eraseDc)
{
    TouchPiecesShownIn(window, eraseDc, &CPiece::Erase, true);
    FillGround(eraseDc);
}

void CBoardPainter::FillGround(HDC dc) { FillRect(dc, &grid, brush ? brush : (HBRUSH)GetStockObject(BLACK_BRUSH)); }

void CBoardPainter::Paint(HWND window, HDC paintDc, const char* welcomeText)
{
    if (game.settings.grille.Get())
        DrawGrid(paintDc, grid, (COLORREF)game.settings.coul_fond.Get());
    TouchPiecesShownIn(window, paintDc, &CPiece::Draw, !game.introActive);
    if (game.introActive)
        DrawWelcome(paintDc, welcomeText);
}

void CBoardPainter::DrawWelcome(HDC dc, const char* text)
{
    if (!text)
        return;
    COLORREF oldBack = SetBkColor(dc, (COLORREF)game.settings.coul_fond.Get());
    COLORREF oldText = SetTextColor(dc, RGB(255, 255, 0));
    UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    CPoint line = game.PixelOf(0, welcomeLine);
    TextOutA(dc, (grid.right - grid.left) / 2, line.y, text, (int)strlen(text));
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    SetTextAlign(dc, oldAlign);
}
