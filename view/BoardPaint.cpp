#include "view/BoardPaint.h"

#include "core/Cell.h"

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
