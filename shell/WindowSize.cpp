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

namespace {

struct CTitleBarSearch {
    RECT titleBar;
    bool reachable;
};

BOOL CALLBACK FindWorkAreaUnderTitleBar(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    CTitleBarSearch* search = (CTitleBarSearch*)data;
    MONITORINFO info;
    info.cbSize = sizeof info;
    RECT common;
    if (GetMonitorInfoA(monitor, &info) && IntersectRect(&common, &search->titleBar, &info.rcWork))
        search->reachable = true;
    return !search->reachable;
}

}

// A monitor since removed, or a hand-edited position, would otherwise open
// the window where no one can reach it; partly off-screen is the player's choice.
void CKrelmot::PlaceWindowAtStart()
{
    int left = settings.col_fenetre.Get(), top = settings.lig_fenetre.Get();
    if (left != -1 && top != -1) {
        RECT window;
        GetWindowRect(mainWindow, &window);
        CTitleBarSearch search = {{left, top, left + window.right - window.left,
                                   top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION)},
                                  false};
        EnumDisplayMonitors(NULL, NULL, FindWorkAreaUnderTitleBar, (LPARAM)&search);
        if (search.reachable) {
            SetWindowPos(mainWindow, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            return;
        }
    }
    SL_repositionne_fenetre(mainWindow, NULL, 0);
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
