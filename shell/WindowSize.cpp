// The main window's size follows the grid: it snaps to whole cells while the
// frame is dragged, and a new cell count starts a new game.
#include "shell/Krelmot.h"

#include "shell/sl/WindowRoutines.h"

void CKrelmot::SetGridRect(int columns, int lines)
{
    gridRect.left = 0;
    gridRect.top = bandHeight;
    gridRect.right = CELL_PITCH * columns + 1;
    gridRect.bottom = bandHeight + CELL_PITCH * lines + 1;
    gridOrigin.x = gridRect.left;
    gridOrigin.y = gridRect.top;
}

void CKrelmot::FitWindowToGrid()
{
    SetGridRect(Columns(), Lines());
    int width = gridRect.right + frameWidth;
    int height = gridRect.bottom + statusBarHeight + frameHeight;
    SetWindowPos(mainWindow, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

namespace {

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}

void CKrelmot::ConstrainSizing(int edge, RECT* r)
{
    resizePending = true;
    int chrome = frameHeight + bandHeight + statusBarHeight;
    pendingColumns = Clamp((r->right - r->left - frameWidth - 1) / CELL_PITCH, BOUNDS.minColumns, BOUNDS.maxColumns);
    pendingLines = Clamp((r->bottom - r->top - chrome - 1) / CELL_PITCH, BOUNDS.minLines, BOUNDS.maxLines);
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
        r->top = r->bottom - CELL_PITCH * pendingLines - chrome - 1;
    if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT)
        r->bottom = r->top + CELL_PITCH * pendingLines + chrome + 1;
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
        r->left = r->right - CELL_PITCH * pendingColumns - frameWidth - 1;
    if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT)
        r->right = r->left + CELL_PITCH * pendingColumns + frameWidth + 1;
    SetGridRect(pendingColumns, pendingLines);
}

void CKrelmot::EndSizeMove()
{
    SaveWindowPosition();
    if (!resizePending)
        return;
    resizePending = false;
    if (pendingColumns == Columns() && pendingLines == Lines())
        return;
    settings.largeur.Set(pendingColumns);
    settings.hauteur.Set(pendingLines);
    FitWindowToGrid();
    CRobotCounts counts = DefaultRobotCounts(pendingColumns, pendingLines);
    settings.nb_robot_base.Set(counts.base);
    settings.nb_robot_incr.Set(counts.added);
    StartLevel(1);
}

void CKrelmot::SaveWindowPosition()
{
    int left, top, width, height;
    if (SL_get_posdim_fenetre(mainWindow, &left, &top, &width, &height) != 0)
        return;
    settings.col_fenetre.Set(left);
    settings.lig_fenetre.Set(top);
}

CCell CKrelmot::CellFromPixel(int x, int y) const
{
    CCell cell = {(x - gridRect.left - 1) / CELL_PITCH, (y - gridRect.top - 1) / CELL_PITCH};
    return cell;
}

int CKrelmot::GetPointerInGrid(POINT* point)
{
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(mainWindow, &p);
    if (!PtInRect(&gridRect, p)) {
        point->x = point->y = -1;
        return -1;
    }
    *point = p;
    return 0;
}
