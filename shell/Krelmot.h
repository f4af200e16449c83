// The one object of the program: the game, its settings and texts, the main
// window with its geometry, and the window system's side of the game.
#ifndef KRELMOT_SHELL_KRELMOT_H
#define KRELMOT_SHELL_KRELMOT_H

#include <windows.h>

#include <string>

#include "core/Game.h"
#include "core/GameView.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "text/StringTable.h"
#include "view/Animation.h"
#include "view/BoardPaint.h"
#include "view/DcCanvas.h"
#include "view/Images.h"

const int ID_STATUSBAR = 2456;
const int ID_TOOLBAR = 2457;
const int ID_SCOREPANEL = 2458;
const int ID_REBAR = 2459;
const UINT_PTR TIMER_CLOCK = 2460;
const DWORD MAIN_WINDOW_STYLE = 0x00CE0000;
const int TEXT_WELCOME = 32793;
const int MENU_HEADER_TEXTS = 5000;  // + the header's position

// Command ids shared by the menu, the toolbar, the keys and the dialogs.
enum Command {
    CMD_HELP = 32770,
    CMD_OPTIONS = 32771,
    CMD_TELEPORT = 32779,
    CMD_SONIC = 32780,
    CMD_HELLO = 32782,
    CMD_REMAIN = 32783,
    CMD_END = 32790,
    CMD_NEW_GAME = 32792,
    CMD_FRENCH = 32807,
    CMD_ENGLISH = 32808,
    CMD_ABOUT = 32840,
};

// Holds the settings so that they exist before the game that reads them.
struct CSettingsOwner {
    CSettings ownSettings;
};

class CStatusBar;
class CToolBand;

class CKrelmot final : private CSettingsOwner, public CGame, public CGameView {
public:
    CKrelmot();
    ~CKrelmot();

    int Init(HINSTANCE instance, const char* className, const char* title);
    void ComputeFrameSize();
    // Group 0: the general settings; group 1: the board size and robot numbers.
    int LoadSettings(int group);

    // Window size and the grid.
    void SetGridRect(int columns, int lines);
    void FitWindowToGrid();
    void ConstrainSizing(int edge, RECT* rect);
    void EndSizeMove();
    void SaveWindowPosition();
    // At the saved position, or centred when its title bar would be on no
    // monitor's work area.
    void PlaceWindowAtStart();
    CCell CellFromPixel(int x, int y) const;
    int GetPointerInGrid(POINT* point);

    // The direction marker that previews a mouse move; a null context means
    // the window's own, taken and released around the call.
    int UpdateDirectionMarker(int x, int y, HDC dc);
    void RefreshDirectionMarker(HDC dc);
    void HideDirectionMarker(HDC dc);
    void ShowDirectionMarker(int column, int line, HDC dc);
    bool IsDirectionMarkerActive() const;

    // Input, one operation per message the main window handles.
    LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
    void OnKeyUp(WPARAM key);
    bool OnCommand(int id);
    void OnMouseMove(int x, int y);
    void OnLeftButtonDown();
    void OnMouseLeave();
    // False when the click was outside the client area: the system menu's turn.
    bool OnContextMenu(int screenX, int screenY);
    void OnPaint();
    void OnEraseBackground(HDC dc);
    void OnDestroy();
    // The session ends without the window being destroyed: what a normal end
    // writes is written now.
    void OnEndSession(bool ending);
    void OnMenuSelect(int id, UINT flags);
    void OnMenuLoopEnd();
    void OnSize(WPARAM type, int clientWidth, LPARAM lParam);
    bool OnDrawItem(int control, const DRAWITEMSTRUCT* item);
    LRESULT OnNotify(NMHDR* header);
    void OnTimer(UINT_PTR id);
    void PlaceHeroUnderPointer();
    // The line written under the intro picture; null means the window's own context.
    void DrawWelcome(HDC dc);

    int RunIntro();
    void ApplyLanguage();
    void ChangeLanguage(int language);
    void CheckLanguageItem(int oldLanguage, int newLanguage);

    // The status bar and the score panel.
    void UpdateClock(bool force);
    void UpdateBestScore();

    // What the game asks of the window system.
    CCanvas* AcquireBoardCanvas();
    void ReleaseBoardCanvas(CCanvas* canvas);
    uint32_t TickCount();
    void InvalidateBoard();
    void GlidePieces(CCanvas* canvas, CPieceList<CRobot>& robots, CHero* hero, int duration);
    void AnimateTeleport(CCanvas* canvas, CHero& hero);
    void AnimateSonic(CCanvas* canvas, CHero& hero);
    void AnimateHello(CCanvas* canvas, const CPiece& piece);
    int PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& explosions);
    bool PlayWave(int resourceId, bool async);
    void RefusalFeedback();
    void HideDirectionMarker(CCanvas* canvas);
    void RefreshDirectionMarker(CCanvas* canvas);
    void RefreshStatusBar(bool force);
    void EnableActionCommands(bool enabled);
    void EnableSonicCommand(bool enabled);

    HINSTANCE instance;
    HWND mainWindow;
    DWORD mainWindowStyle;
    int frameWidth;
    int frameHeight;
    RECT gridRect;
    int bandHeight;       // the toolbar band above the board
    int statusBarHeight;  // the status bar below it
    bool pointerTracking;
    bool resizePending;
    int pendingColumns;
    int pendingLines;
    CStatusBar* statusBar;
    CToolBand* toolBand;
    CImageSets images;
    CBoardPainter painter;
    CAnimator animator;
    CStringTable texts;
    CSettingsStore store;

private:
    static HDC DcOf(CCanvas* canvas) { return static_cast<CDcCanvas*>(canvas)->dc; }
    CDcCanvas* NewCanvas(HDC dc);
    void SetActionItem(int id, bool enabled);
};

// Every window procedure and callback reaches the game through it.
extern CKrelmot* g_krelmot;

// When set, Krelmot.ini is read and written in this folder instead of beside
// the executable: tests never touch a player's settings.
extern std::string g_iniFolderOverride;

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
