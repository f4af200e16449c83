// The board's ground and grid lines, drawn on any device context.
#ifndef KRELMOT_VIEW_BOARDPAINT_H
#define KRELMOT_VIEW_BOARDPAINT_H

#include <windows.h>

// The lines lie in the one-pixel gaps between cells, in the complement of the background.
void DrawGrid(HDC dc, const RECT& grid, COLORREF background);

#endif
