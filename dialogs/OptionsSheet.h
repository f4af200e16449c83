// The options sheet: one page per group of settings, each with a pending copy
// of what it edits. Leaving a page reads its controls into the copy; Apply or
// OK commits the copies of every page shown; Cancel drops them.
#ifndef KRELMOT_DIALOGS_OPTIONSSHEET_H
#define KRELMOT_DIALOGS_OPTIONSSHEET_H

#include <windows.h>
#include <commdlg.h>

// Modal over the parent; 0 always.
int ShowOptionsSheet(HWND parent);
// The same sheet without a loop of its own, for tests that drive it from
// their own thread: the caller pumps its messages and destroys it.
HWND OpenOptionsSheetModeless(HWND parent);

// The colour dialog; tests replace it so that nothing waits for a user.
typedef BOOL(WINAPI* ChooseColorFunction)(CHOOSECOLORA* choice);
extern ChooseColorFunction g_chooseColor;

INT_PTR CALLBACK BasePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AdvancedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// A page answers a PSN_ notification in its message-result slot; the dialog
// procedure then returns TRUE, which this gives.
INT_PTR AnswerNotification(HWND page, LONG_PTR result);
// Tells the sheet the page has something to apply, which enables Apply.
void MarkPageChanged(HWND page);

// Longest number an edit of the sheet takes: ten digits hold every 32-bit
// value, and a longer text is never one.
const int OPTIONS_EDIT_DIGITS = 10;
// A Test button plays its action with its edit's duration, bounded by this.
const int TEST_DURATION_MAX = 10000;

// The "Base" page: sound, intro, religion and background colour.
class CBasePage {
public:
    CBasePage();

    void Init(HWND page);  // the sheet centred, the page re-texted, the intro list, the copies
    void Show(HWND page);
    void Read(HWND page);
    void Apply();
    // The colour dialog on the colour in force; the copy takes a confirmed choice.
    void ChooseColour(HWND page);
    // Every piece of the board on the pending colour.
    void DrawPreview(const DRAWITEMSTRUCT* item) const;

    bool sound;
    int intro;
    int religion;
    COLORREF colour;
    int introCount;
    COLORREF customColours[16];
};

// The "Avanced" page: board size, robot numbers and the five durations,
// each an edit with its up-down.
class CAdvancedPage {
public:
    enum Value { WIDTH, HEIGHT, BASE, ADDED, MOVE, TELE, SONIC, HELLO, REX, VALUE_COUNT };

    CAdvancedPage();

    void Init(HWND page);
    void Show(HWND page);
    // Reads the edits, then checks them in order: -1 after the first failure,
    // told to the user with the focus on its edit.
    int ReadAndCheck(HWND page);
    void Apply();
    // Only the edits change.
    void DefaultSize(HWND page);
    void DefaultRobots(HWND page);
    // The row's duration from its edit, bounded, in force for the row's
    // action, then the setting's value back.
    void Test(HWND page, int button);

    int pending[VALUE_COUNT];
};

extern CBasePage g_basePage;
extern CAdvancedPage g_advancedPage;

// An edit's number, read as the user typed it: 0 when empty or not a number,
// UINT_MAX when too big for 32 bits.
unsigned int ReadEditNumber(HWND page, int edit);
// The robot numbers for a board of w x h cells, exact for any 32-bit size;
// a result too big for 32 bits is UINT_MAX.
void DefaultRobotNumbers(unsigned int w, unsigned int h, unsigned int* base, unsigned int* added);

#endif
