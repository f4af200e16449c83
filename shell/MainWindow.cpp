// The main window's procedure: each message is decoded here and handed to one
// CKrelmot operation.
#include <stdio.h>

#include "shell/Krelmot.h"

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CKrelmot* k = g_krelmot;
    if (!k || (k->mainWindow && k->mainWindow != window))
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        k->OnDestroy();
        return 0;
    case WM_PAINT:
        k->OnPaint();
        return 0;
    case WM_ERASEBKGND:
        k->OnEraseBackground((HDC)wParam);
        return 1;
    case WM_CONTEXTMENU:
        k->OnContextMenu((short)LOWORD(lParam), (short)HIWORD(lParam));
        return 0;
    case WM_KEYDOWN:
        return k->OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        k->OnKeyUp(wParam);
        return 0;
    case WM_COMMAND:
        if (k->OnCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_MOUSEMOVE:
        k->OnMouseMove((short)LOWORD(lParam), (short)HIWORD(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        k->OnLeftButtonDown();
        return 0;
    case WM_MBUTTONDOWN:
        SendMessageA(window, WM_COMMAND, CMD_END, 0);
        return 0;
    case WM_MENUSELECT:
        k->OnMenuSelect(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        return 0;
    case WM_EXITMENULOOP:
        k->SetDefaultStatusMessage();
        return 0;
    case WM_SIZING:
        k->ConstrainSizing((int)wParam, (RECT*)lParam);
        return 0;
    case WM_EXITSIZEMOVE:
        k->EndSizeMove();
        return 0;
    case WM_MOUSELEAVE:
        k->OnMouseLeave();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void CKrelmot::OnDestroy()
{
    SaveWindowPosition();
    PostQuitMessage(0);
}

LRESULT CKrelmot::OnKeyDown(WPARAM key, LPARAM lParam)
{
    int command;
    switch (key) {
    case VK_ESCAPE:
    case 'F':
    case 'Q':
        command = CMD_END;
        break;
    case VK_SPACE:
    case 'C':
    case 'H':
        command = CMD_HELLO;
        break;
    case 'I':
        command = CMD_NEW_GAME;
        break;
    case 'O':
        command = CMD_OPTIONS;
        break;
    case 'P':
        if (GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) < 0)
            PlaceHeroUnderPointer();
        return 0;
    case 'R':
        command = CMD_REMAIN;
        break;
    case 'S':
        command = CMD_SONIC;
        break;
    case 'T':
        command = CMD_TELEPORT;
        break;
    case VK_F1:
        command = CMD_HELP;
        break;
    case VK_F2: {
        POINT p;
        if (GetPointerInGrid(&p) == 0) {
            CCell cell = CellFromPixel(p.x, p.y);
            char text[64];
            snprintf(text, sizeof text, "Souris: %d/%d %d/%d", cell.column, cell.line, (int)p.x, (int)p.y);
            SetStatusMessage(text);
        }
        return 0;
    }
    case VK_F3: {
        char text[64];
        snprintf(text, sizeof text, "Direction: %d/%d", marker.column, marker.line);
        SetStatusMessage(text);
        return 0;
    }
    case VK_F4: {
        char text[64];
        snprintf(text, sizeof text, "Hero: %d/%d %d/%d", hero.column, hero.line, hero.x, hero.y);
        SetStatusMessage(text);
        return 0;
    }
    case VK_F5:
        InvalidateRect(mainWindow, NULL, TRUE);
        UpdateWindow(mainWindow);
        return 0;
    case VK_F9:
        if (RunIntro() != 0)
            StartLevel(1);
        return 0;
    default:
        if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9) {
            // Keypad 7 8 9 are the top row: codes 0 1 2.
            static const int codes[] = {6, 7, 8, 3, 4, 5, 0, 1, 2};
            PlayTurn(ACTION_MOVE, codes[key - VK_NUMPAD1]);
            return 0;
        }
        return DefWindowProcA(mainWindow, WM_KEYDOWN, key, lParam);
    }
    // Keys go through WM_COMMAND so that a key and its menu item behave the same.
    SendMessageA(mainWindow, WM_COMMAND, command, 0);
    return 0;
}

void CKrelmot::OnMenuSelect(int id)
{
    const char* help = texts.GetText(id + 1000);
    if (help)
        SetStatusMessage(help);
    else
        SetDefaultStatusMessage();
}

void CKrelmot::OnKeyUp(WPARAM key)
{
    if (key == VK_F2 || key == VK_F3 || key == VK_F4)
        SetDefaultStatusMessage();
}

bool CKrelmot::OnCommand(int id)
{
    switch (id) {
    case CMD_HELP:
    case CMD_OPTIONS:
    case CMD_ABOUT:
        HideDirectionMarker((HDC)0);
        return true;
    case CMD_TELEPORT:
        PlayTurn(ACTION_TELEPORT, DIRECTION_STAY);
        return true;
    case CMD_SONIC:
        PlayTurn(ACTION_SONIC, DIRECTION_STAY);
        return true;
    case CMD_HELLO:
        PlayTurn(ACTION_HELLO, DIRECTION_STAY);
        return true;
    case CMD_REMAIN:
        PlayTurn(ACTION_REMAIN, DIRECTION_STAY);
        return true;
    case CMD_END:
        DestroyWindow(mainWindow);
        return true;
    case CMD_NEW_GAME:
        StartLevel(1);
        return true;
    case CMD_FRENCH:
        ChangeLanguage(LANG_FRENCH);
        return true;
    case CMD_ENGLISH:
        ChangeLanguage(LANG_ENGLISH);
        return true;
    }
    return false;
}

void CKrelmot::OnMouseMove(int x, int y)
{
    if (!pointerTracking) {
        pointerTracking = true;
        // Ask to be told when the pointer leaves, so the arrow goes with it.
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, mainWindow, 0};
        TrackMouseEvent(&track);
    }
    UpdateDirectionMarker(x, y, 0);
}

void CKrelmot::OnLeftButtonDown()
{
    if (!IsDirectionMarkerActive())
        return;
    int code = hero.DirectionTo(marker.column, marker.line, Columns(), Lines());
    if (code != DIRECTION_NONE)
        PlayTurn(ACTION_MOVE, code);
}

void CKrelmot::OnMouseLeave()
{
    pointerTracking = false;
    HideDirectionMarker((HDC)0);
}

void CKrelmot::OnContextMenu(int screenX, int screenY)
{
    HideDirectionMarker((HDC)0);
    HMENU menu = GetMenu(mainWindow);
    HMENU actions = menu ? GetSubMenu(menu, 1) : 0;
    if (actions)
        TrackPopupMenu(actions, TPM_NONOTIFY, screenX, screenY, 0, mainWindow, NULL);
}

void CKrelmot::PlaceHeroUnderPointer()
{
    POINT p;
    if (GetPointerInGrid(&p) != 0)
        return;
    CCell cell = CellFromPixel(p.x, p.y);
    SetHeroCell(cell.column, cell.line);
    hero = CHero(cell.column, cell.line, gridOrigin);
    InvalidateRect(mainWindow, NULL, TRUE);
    UpdateWindow(mainWindow);
}

// Pieces are drawn on the window's own context, which is not clipped to the
// area being repainted, so a piece that only partly needs repainting is drawn
// whole; the erase step below removed it whole first.
void CKrelmot::OnPaint()
{
    PAINTSTRUCT ps;
    HDC paintDc = BeginPaint(mainWindow, &ps);
    DrawBoard(paintDc);
    EndPaint(mainWindow, &ps);
}

// Applies Draw or Erase, on the window's own context, to every piece whose
// resting square the clip context shows.
void CKrelmot::TouchPiecesShownIn(HDC clipDc, int (CPiece::*operation)(CCanvas*), bool withHero)
{
    CDcCanvas clip(clipDc, &images);
    HDC own = GetDC(mainWindow);
    CDcCanvas window(own, &images);
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        if (r->IsVisible(&clip))
            ((*r).*operation)(&window);
    for (CPieceList<CHeap>::Iterator h = heaps.begin(); h != heaps.end(); ++h)
        if (h->IsVisible(&clip))
            ((*h).*operation)(&window);
    if (withHero && hero.IsVisible(&clip))
        (hero.*operation)(&window);
    ReleaseDC(mainWindow, own);
}

void CKrelmot::DrawBoard(HDC paintDc)
{
    if (settings.grille.Get())
        DrawGrid(paintDc);
    TouchPiecesShownIn(paintDc, &CPiece::Draw, !introActive);
    if (introActive)
        DrawWelcome(paintDc);
    if (IsDirectionMarkerActive())
        RefreshDirectionMarker(paintDc);
}

void CKrelmot::OnEraseBackground(HDC eraseDc)
{
    bool markerWasActive = IsDirectionMarkerActive();
    if (markerWasActive)
        HideDirectionMarker((HDC)0);
    TouchPiecesShownIn(eraseDc, &CPiece::Erase, true);
    FillRect(eraseDc, &gridRect, backgroundBrush ? backgroundBrush : (HBRUSH)GetStockObject(BLACK_BRUSH));
    if (markerWasActive)
        RefreshDirectionMarker((HDC)0);
}
