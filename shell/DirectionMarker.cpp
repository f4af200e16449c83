// The arrow that previews the step a click would take.
#include <math.h>

#include "shell/Krelmot.h"

namespace {

// Borrows the window's own context when the caller has none.
class CWindowDc {
public:
    CWindowDc(HWND window_, HDC given) : window(window_), dc(given), owned(false)
    {
        if (!dc) {
            dc = GetDC(window);
            owned = true;
        }
    }
    ~CWindowDc()
    {
        if (owned)
            ReleaseDC(window, dc);
    }
    HWND window;
    HDC dc;
    bool owned;
};

}

bool CKrelmot::IsDirectionMarkerActive() const
{
    return marker.drawn || (marker.column == hero.column && marker.line == hero.line);
}

int CKrelmot::UpdateDirectionMarker(int x, int y, HDC dc)
{
    if (IsHeroBusy())
        return -1;
    int dx = x - hero.x - 8;
    int dy = y - hero.y - 8;
    int sx = dx < 0 ? -1 : 1;
    int sy = dy < 0 ? -1 : 1;
    dx = abs(dx);
    dy = abs(dy);
    CCell target = hero.Cell();
    if (dy > 8 && dx * 0.32 < dy)
        target.line += sy;
    if (dx > 8 && dx * 3.125 > dy)
        target.column += sx;
    if (IsDirectionMarkerActive() && target == marker.Cell())
        return 1;
    HideDirectionMarker(dc);
    if (hero.DirectionTo(target.column, target.line, Columns(), Lines()) == DIRECTION_NONE)
        return 0;
    if (target != hero.Cell() && IsCellOccupied(target.column, target.line))
        return 0;
    ShowDirectionMarker(target.column, target.line, dc);
    return 0;
}

void CKrelmot::ShowDirectionMarker(int column, int line, HDC dc)
{
    marker.column = column;
    marker.line = line;
    CPoint p = PixelOf(column, line);
    marker.x = p.x;
    marker.y = p.y;
    if (column == hero.column && line == hero.line)
        return;
    marker.imageIndex = hero.DirectionTo(column, line, Columns(), Lines());
    CWindowDc window(mainWindow, dc);
    CDcCanvas canvas(window.dc, &images);
    marker.Draw(&canvas);
}

void CKrelmot::HideDirectionMarker(HDC dc)
{
    if (!IsDirectionMarkerActive())
        return;
    if (marker.drawn) {
        CWindowDc window(mainWindow, dc);
        CDcCanvas canvas(window.dc, &images);
        marker.Erase(&canvas);
    }
    marker.column = marker.line = -1;
}

void CKrelmot::RefreshDirectionMarker(HDC dc)
{
    POINT p;
    if (GetPointerInGrid(&p) == 0)
        UpdateDirectionMarker(p.x, p.y, dc);
}
