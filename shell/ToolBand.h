// The band across the top of the main window: a rebar holding a flat toolbar
// of eight picture buttons with their labels, and the black score panel that
// shows the score in digit pictures. Its height is the board's top offset.
#ifndef KRELMOT_SHELL_TOOLBAND_H
#define KRELMOT_SHELL_TOOLBAND_H

#include <windows.h>
#include <commctrl.h>

class CStringTable;

const int SCORE_PANEL_WIDTH = 121;
const int SCORE_PANEL_HEIGHT = 41;
// Tells the subclassed score panel the procedure it forwards to (lParam).
const UINT WM_SCOREPANEL_PREVIOUS = WM_APP + 1;
const int TOOLBAR_BUTTON_COUNT = 11;

class CToolBand {
public:
    // Creates the rebar and its two bands; a failure is reported and leaves
    // the band without the windows that could not be made.
    CToolBand(HWND parent, HINSTANCE instance, const CStringTable& texts);
    // The windows go with the main window; the image lists are ours.
    ~CToolBand();

    int CreateBands();
    int CreateScorePanel(int* width, int* height);
    int CreateToolbar(int* width, int* height);

    void EnableButton(int command, bool enable);
    // Repaints the panel at once, only when the score changed.
    void SetScore(int score);

    HWND GetHandle() const { return rebar; }
    int GetHeight() const { return bandHeight; }

    HWND rebar;
    HWND toolbar;
    HWND scorePanel;
    int bandHeight;
    HIMAGELIST normalImages;
    HIMAGELIST hotImages;
    int lastScore;  // -1 before the first

private:
    CToolBand(const CToolBand&);
    CToolBand& operator=(const CToolBand&);

    HINSTANCE instance;
    const CStringTable& texts;
};

// The panel's six digit places, right-aligned: the characters to draw, spaces
// where a place stays black. Scores beyond six digits show 999999.
void ScoreDigits(int score, char digits[7]);

LRESULT CALLBACK ScorePanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
