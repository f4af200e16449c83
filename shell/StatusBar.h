// The status bar along the bottom of the main window: a message line, the
// level's clock, the level, the Sonic and teleportation counts, the robots and
// heaps left (each with its picture) and the best score, which turns white on
// red while the current score equals or beats it. Each part is as wide as its
// widest text in the current language, measured in the system's status-bar font.
#ifndef KRELMOT_SHELL_STATUSBAR_H
#define KRELMOT_SHELL_STATUSBAR_H

#include <windows.h>
#include <stdint.h>

class CImageSets;
class CStringTable;

const int STATUS_PART_COUNT = 8;
const int TEXT_DEFAULT_MESSAGE = 32821;

struct CStatusPart {
    const char* sample;  // the widest text the part must hold
    const char* format;
    int width;
    int icon;  // character image shown before the text, -1 for none
};

class CStatusBar {
public:
    enum Part { MESSAGE, CLOCK, LEVEL, SONIC, TELEPORTS, ROBOTS, HEAPS, BEST_SCORE };

    // The texts and pictures are read at each measure and layout, in the
    // language and with the pictures of that moment.
    CStatusBar(const CStringTable& texts, const CImageSets& images);

    // Reports a failure once; without a window every operation below does nothing.
    int Create(HWND parent);
    int InitParts();
    // Lays the parts out from the right, leaving the size grip its room.
    int FitWidth(int clientWidth);
    // Formats with printf rules; partAndFlags holds the SBT_ flags above the part number.
    int SetPartText(int partAndFlags, const char* format, ...);
    // Null shows the default message.
    void SetMessage(const char* text);
    // Debug read-outs: shown in the message part, never reported.
    void ShowInfo(const char* format, ...);

    // Each rewrites its part only when the value differs from the one shown, or when forced.
    void ShowClock(uint32_t levelStartTick, uint32_t now, bool heroBusy, bool force);
    void ShowLevel(int value, bool force) { ShowCount(LEVEL, value, force); }
    void ShowSonic(int value, bool force) { ShowCount(SONIC, value, force); }
    void ShowTeleports(int value, bool force) { ShowCount(TELEPORTS, value, force); }
    void ShowRobots(int value, bool force) { ShowCount(ROBOTS, value, force); }
    void ShowHeaps(int value, bool force) { ShowCount(HEAPS, value, force); }
    // Always rewritten: owner-drawn, white on red, while score >= 1 and score >= best.
    void ShowBestScore(int score, int best);
    // The owner-drawn best-score part (WM_DRAWITEM of the parent).
    void DrawBestScore(const DRAWITEMSTRUCT* item) const;

    HWND GetHandle() const { return window; }
    int GetHeight() const { return height; }

    HWND window;
    int height;
    int verticalBorder;
    int gap;
    CStatusPart parts[STATUS_PART_COUNT];
    char bestScoreText[52];
    // Last values shown, -1 before the first; the clock's in seconds.
    int lastShown[STATUS_PART_COUNT];

private:
    int MeasureParts();
    void ShowCount(Part part, int value, bool force);

    const CStringTable& texts;
    const CImageSets& images;
};

#endif
