// The options sheet's last two pages, for the developer: the grid and
// immortality switches with the program's own resources on show, and every
// piece of the running game in a list.
#ifndef KRELMOT_DIALOGS_DEBUGPAGES_H
#define KRELMOT_DIALOGS_DEBUGPAGES_H

#include <windows.h>
#include <commctrl.h>

class CPiece;

INT_PTR CALLBACK DebugBasePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DebugAdvancedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Resource enumeration into the page's lists; names that are strings are
// skipped, the enumeration always goes on.
BOOL CALLBACK AddBitmapName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR page);
BOOL CALLBACK AddWaveName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR page);

// The "Debug base" page: grid, immortality, the INI file's name, the wave
// and bitmap lists with a preview of the chosen bitmap.
class CDebugBasePage {
public:
    CDebugBasePage();

    void Init(HWND page);
    void Show(HWND page);
    void Read(HWND page);
    // A change of immortality starts a new game.
    void Apply(HWND page);
    // The bitmap chosen in the list, or nothing when it cannot be loaded.
    void PreviewSelection(HWND page);
    void PlaySelectedWave(HWND page);
    void Destroy(HWND page);

    bool grid;
    bool immortal;
    HBITMAP preview;

private:
    void SetPreview(HWND page, HBITMAP bitmap);
};

// A row names its piece by list and handle, never by address: a turn played
// by a Test button can free the piece and move the lists' storage.
LPARAM HeroRow();
LPARAM RobotRow(int handle);
LPARAM HeapRow(int handle);
// Null when the piece is no longer in its list.
CPiece* PieceOfRow(LPARAM row);

// 0, or -1 after the first column that could not be inserted.
int InsertDebugColumns(HWND list);
// 0, or -1 after reporting the failure.
int InsertDebugItem(HWND list, int row, LPARAM piece);
// The hero, the robots, then the heaps; -1 at the first row that fails.
int FillDebugList(HWND list);

// The "Debug avanced" page: the list of pieces, drawn in the board's colours.
class CDebugAdvancedPage {
public:
    CDebugAdvancedPage();

    void Init(HWND page);
    // Whenever the game may have changed: the rows never outlive their pieces.
    int Rebuild();
    void GetItemText(NMLVDISPINFOA* request);
    // The hello animation around the row's piece, if it is still there.
    void SayHello(int row);
    void Destroy();

    HWND list;
    bool textFailureReported;
};

extern CDebugBasePage g_debugBasePage;
extern CDebugAdvancedPage g_debugAdvancedPage;

#endif
