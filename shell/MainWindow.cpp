// The main window's procedure: each message is decoded here and handed to one
// CKrelmot operation.
#include <stdio.h>

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/OptionsSheet.h"
#include "shell/Krelmot.h"
#include "shell/StatusBar.h"
#include "shell/ToolBand.h"

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CKrelmot* k = g_krelmot;
    if (!k || (k->mainWindow && k->mainWindow != window))
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        k->OnDestroy();
        return 0;
    case WM_ENDSESSION:
        k->OnEndSession(wParam != FALSE);
        return 0;
    case WM_PAINT:
        k->OnPaint();
        return 0;
    case WM_ERASEBKGND:
        k->OnEraseBackground((HDC)wParam);
        return 1;
    case WM_CONTEXTMENU:
        if (k->OnContextMenu((short)LOWORD(lParam), (short)HIWORD(lParam)))
            return 0;
        break;
    case WM_SIZE:
        k->OnSize(wParam, LOWORD(lParam), lParam);
        return 0;
    case WM_DRAWITEM:
        if (k->OnDrawItem((int)wParam, (const DRAWITEMSTRUCT*)lParam))
            return TRUE;
        break;
    case WM_NOTIFY:
        return k->OnNotify((NMHDR*)lParam);
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
        k->OnMenuSelect(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        k->OnTimer(wParam);
        return 0;
    case WM_EXITMENULOOP:
        k->OnMenuLoopEnd();
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

// The system ends the process after this message without destroying the
// window: the best score would be lost. Written settings lose their changed
// mark, so a later normal end writes nothing twice.
void CKrelmot::OnEndSession(bool ending)
{
    if (!ending)
        return;
    SaveWindowPosition();
    store.WriteChangedSettings(settings);
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
            statusBar->ShowInfo("Souris: %d/%d %d/%d", cell.column, cell.line, (int)p.x, (int)p.y);
        }
        return 0;
    }
    case VK_F3:
        statusBar->ShowInfo("Direction: %d/%d", marker.column, marker.line);
        return 0;
    case VK_F4:
        statusBar->ShowInfo("Hero: %d/%d %d/%d", hero.column, hero.line, hero.x, hero.y);
        return 0;
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

void CKrelmot::OnKeyUp(WPARAM key)
{
    if (key == VK_F2 || key == VK_F3 || key == VK_F4)
        statusBar->SetMessage(NULL);
}

bool CKrelmot::OnCommand(int id)
{
    switch (id) {
    case CMD_HELP:
        HideDirectionMarker((HDC)0);
        OpenHelpDialog(mainWindow);
        return true;
    case CMD_ABOUT:
        HideDirectionMarker((HDC)0);
        OpenAboutDialog(mainWindow);
        return true;
    case CMD_OPTIONS:
        HideDirectionMarker((HDC)0);
        ShowOptionsSheet(mainWindow);
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

void CKrelmot::OnPaint()
{
    PAINTSTRUCT ps;
    HDC paintDc = BeginPaint(mainWindow, &ps);
    painter.Paint(mainWindow, paintDc, texts.GetText(TEXT_WELCOME));
    if (IsDirectionMarkerActive())
        RefreshDirectionMarker(paintDc);
    EndPaint(mainWindow, &ps);
    UpdateBestScore();
}

// The marker is drawn by exclusive-or too, so it comes off before the ground
// is filled and goes back where it was.
void CKrelmot::OnEraseBackground(HDC eraseDc)
{
    bool markerWasActive = IsDirectionMarkerActive();
    if (markerWasActive)
        HideDirectionMarker((HDC)0);
    painter.EraseBackground(mainWindow, eraseDc);
    if (markerWasActive)
        RefreshDirectionMarker((HDC)0);
}

void CKrelmot::OnSize(WPARAM type, int clientWidth, LPARAM lParam)
{
    if (statusBar && statusBar->GetHandle())
        SendMessageA(statusBar->GetHandle(), WM_SIZE, type, lParam);
    if (toolBand && toolBand->GetHandle())
        SendMessageA(toolBand->GetHandle(), WM_SIZE, type, lParam);
    if (statusBar)
        statusBar->FitWidth(clientWidth);
}

bool CKrelmot::OnDrawItem(int control, const DRAWITEMSTRUCT* item)
{
    if (control != ID_STATUSBAR || item->itemID != CStatusBar::BEST_SCORE || !statusBar)
        return false;
    statusBar->DrawBestScore(item);
    return true;
}

// Tooltips are looked up when shown, so they follow the language by themselves.
LRESULT CKrelmot::OnNotify(NMHDR* header)
{
    if (header->code != TTN_NEEDTEXTA)
        return 0;
    NMTTDISPINFOA* tip = (NMTTDISPINFOA*)header;
    const char* text = texts.GetText((int)header->idFrom);
    lstrcpynA(tip->szText, text ? text : "", sizeof tip->szText);
    tip->lpszText = tip->szText;
    return 0;
}

void CKrelmot::OnTimer(UINT_PTR id)
{
    if (id == TIMER_CLOCK && !IsHeroBusy())
        UpdateClock(false);
}
