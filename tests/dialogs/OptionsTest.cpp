// The options sheet on the real game: modeless where a test drives it step by
// step, modal through the O key where the command itself is under test.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "tests/shell/MessageRecorder.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

// Each opening of the colour dialog is kept and answered with the next
// colour, or cancelled when there is none.
std::vector<CHOOSECOLORA> g_openings;
std::vector<COLORREF> g_answers;

BOOL WINAPI FakeChooseColor(CHOOSECOLORA* choice)
{
    g_openings.push_back(*choice);
    if (g_answers.size() < g_openings.size())
        return FALSE;
    choice->rgbResult = g_answers[g_openings.size() - 1];
    return TRUE;
}

// Each wave with the watched duration when it first played: a Test's value in force.
CIntSetting CSettings::*g_watched = &CSettings::temps_move;
std::map<int, int> g_played;

BOOL WINAPI WatchingPlaySound(LPCSTR sound, HMODULE, DWORD)
{
    g_played.emplace((int)(ULONG_PTR)sound, (g_krelmot->settings.*g_watched).Get());
    return TRUE;
}

std::string Text(HWND window)
{
    char text[256] = "";
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}
std::string Item(HWND page, int id) { return Text(GetDlgItem(page, id)); }
void Click(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Key by key, as a user types.
void Type(HWND page, int edit, const std::string& text)
{
    SetDlgItemTextA(page, edit, "");
    for (char c : text)
        SendDlgItemMessageA(page, edit, WM_CHAR, (BYTE)c, 0);
}

// Leaving the current page first, as a click on the tab does.
HWND Page(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, index, 0);
    return PropSheet_GetCurrentPageHwnd(sheet);
}

// Inside the modal sheet's own loop: edits on both pages, then Cancel.
std::string g_modal;
VOID CALLBACK EditThenCancel(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(NULL, id);
    HWND sheet = GetLastActivePopup(g_krelmot->mainWindow), base = Page(sheet, 0);
    g_modal = Text(sheet) + (IsWindowEnabled(g_krelmot->mainWindow) ? " over an enabled window" : "");
    SendDlgItemMessageA(base, IDC_SOUND, BM_CLICK, 0, 0);
    Click(base, IDC_COLOUR);
    Type(Page(sheet, 1), IDC_WIDTH, "31");
    Page(sheet, 0);
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}

class OptionsTest : public ShellTest {
protected:
    void SetUp()
    {
        ShellTest::SetUp();
        g_chooseColor = FakeChooseColor;
        g_playSound = WatchingPlaySound;
    }
    // A fresh sheet on the page; the main window's end takes the last one.
    HWND Open(int page)
    {
        if (sheet)
            DestroyWindow(sheet);
        sheet = OpenOptionsSheetModeless(k->mainWindow);
        return page ? Page(sheet, page) : PropSheet_GetCurrentPageHwnd(sheet);
    }
    void Press(int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
    // What the sheet edits: every value and every changed mark.
    std::vector<int> Snapshot()
    {
        CSettings& s = k->settings;
        std::vector<int> values = {s.son.Get(), s.son.changed, k->level};
        for (CIntSetting* v : {&s.largeur, &s.hauteur, &s.religion, &s.intro, &s.coul_fond, &s.temps_move,
                               &s.temps_tele, &s.temps_sonic, &s.temps_coucou, &s.temps_rex, &s.nb_robot_base,
                               &s.nb_robot_incr})
            values.insert(values.end(), {v->Get(), v->changed});
        return values;
    }

    HWND sheet = 0;
};

TEST_F(OptionsTest, TheOKeyOpensItModalCancelDropsEveryEditAndOKWithNoEditCommitsNothing)
{
    k->level = 4;
    std::vector<int> before = Snapshot();
    g_answers = {RGB(0, 0, 255)};
    SetTimer(NULL, 0, 1, EditThenCancel);
    Key('O');
    EXPECT_EQ("Options", g_modal);
    EXPECT_EQ(before, Snapshot());
    HWND advanced = Open(1);
    EXPECT_EQ(std::to_string(k->Columns()), Item(advanced, IDC_WIDTH)) << "the next opening starts afresh";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, 0x3021))) << "Apply, though nothing was edited";
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot());
}

TEST_F(OptionsTest, PagesSpeakTheCurrentLanguage)
{
    const struct { int language; const char *advancedTitle, *noIntro, *widthMessage; } cases[] = {
        {LANG_FRENCH, "Avance", "Pas d'intro", "La largeur doit être comprise entre 15 et 110"},
        {LANG_ENGLISH, "Avanced", "No intro", "Width must be between 15 and 110"},
    };
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        HWND base = Open(0), advanced = Page(sheet, 1);
        char title[64] = "";
        TCITEMA tab = {TCIF_TEXT, 0, 0, title, sizeof title, 0, 0};
        SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, 1, (LPARAM)&tab);
        EXPECT_STREQ(c.advancedTitle, title);
        EXPECT_EQ(c.noIntro, Item(base, IDC_INTRO));
        EXPECT_EQ(6, SendDlgItemMessageA(base, IDC_INTRO, CB_GETCOUNT, 0, 0));
        // Every control with a text of its own shows it in the language.
        for (HWND page : {base, advanced})
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const char* own = k->texts.GetText(GetDlgCtrlID(child));
                EXPECT_EQ(own ? own : Text(child), Text(child)) << "re-texted: " << GetDlgCtrlID(child);
            }
        CMessageRecorder boxes;
        Type(advanced, IDC_WIDTH, "");
        Page(sheet, 0);
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_EQ(c.widthMessage, boxes.boxes[0].text);
    }
}

// 2^31 and beyond read as too big, never as negative. A page that lets go
// applies; only a new board or new robot numbers start a new game.
TEST_F(OptionsTest, LeavingTheAvancedPageChecksTheValuesInOrderAndApplyStartsANewGameOnlyForANewBoard)
{
    const int edits[] = {IDC_WIDTH, IDC_HEIGHT, IDC_BASE, IDC_ADDED, IDC_MOVE, IDC_TELE, IDC_SONIC, IDC_HELLO, IDC_REX};
    const struct { const char *values, *message; int focus; bool newGame; } cases[] = {
        {"||||||||", "Width must be between 15 and 110", IDC_WIDTH, false},
        {"14|200|3|1|200|100|200|100|200", "Width must be between 15 and 110", IDC_WIDTH, false},
        {"30|2147483648|3|1|200|100|200|100|200", "Height must be between 15 and 80", IDC_HEIGHT, false},
        {"30|20|0|1|200|100|200|100|200", "The base number of robots must be between 1 and 300", IDC_BASE, false},
        {"30|20|301|1|200|100|200|100|200", "The base number of robots must be between 1 and 300", IDC_BASE, false},
        {"30|20|3|101|200|100|200|100|200", "The added number of robots must be between 1 and 100", IDC_ADDED, false},
        {"30|20|3|1|5001|100|200|100|200", "Moving duration must be between 0 and 5000", IDC_MOVE, false},
        {"30|20|3|1|200|3000000000|200|100|200", "Teleportation time must be between 0 and 5000", IDC_TELE, false},
        {"30|20|3|1|200|100|4294967296|100|200", "Sonic time must be between 0 and 5000", IDC_SONIC, false},
        {"30|20|3|1|200|100|200|99999|200", "Hello time must be between 0 and 5000", IDC_HELLO, false},
        {"30|20|3|1|200|100|200|100|5001", "Robot exploration duration must be between 0 and 5000", IDC_REX, false},
        {"15|80|1|100|0|5000|0|0|5000", "", 0, true},
        {"15|80|1|100|1|5000||0|5000", "", 0, false},  // an empty duration reads as 0
        {"16|80|1|100|1|5000|0|0|5000", "", 0, true},
        {"16|79|1|100|1|5000|0|0|5000", "", 0, true},
        {"16|79|2|100|1|5000|0|0|5000", "", 0, true},
        {"16|79|2|99|1|5000|0|0|5000", "", 0, true},
    };
    k->ChangeLanguage(LANG_ENGLISH);
    for (auto& c : cases) {
        k->StartLevel(4);
        HWND page = Open(1);
        std::istringstream values(c.values + std::string("|"));
        std::string value;
        for (int edit : edits) {
            std::getline(values, value, '|');
            Type(page, edit, value);
        }
        std::vector<int> before = Snapshot();
        CMessageRecorder boxes;
        EXPECT_EQ(*c.message != 0, Page(sheet, 0) == page) << "kept: " << c.values;
        ASSERT_EQ(*c.message ? 1u : 0u, boxes.boxes.size()) << c.values;
        Press(PSBTN_APPLYNOW);
        if (*c.message) {
            EXPECT_EQ(c.message, boxes.boxes[0].text);
            EXPECT_EQ(page, boxes.boxes[0].owner);
            EXPECT_EQ(GetDlgItem(page, c.focus), GetFocus()) << c.message;
            EXPECT_EQ(before, Snapshot()) << "nothing applied";
            continue;
        }
        EXPECT_EQ(c.newGame ? 1 : 4, k->level) << c.values;
        RECT client;
        GetClientRect(k->mainWindow, &client);
        EXPECT_EQ(17 * k->Columns() + 1, client.right) << "the window follows the board";
    }
}

TEST_F(OptionsTest, EditsHoldTenDigitsDefaultsFillThemOnlyAndTheArrowsStepWithoutSeparators)
{
    std::vector<int> before = Snapshot();
    HWND page = Open(1);
    Type(page, IDC_MOVE, "12345678901");
    EXPECT_EQ("1234567890", Item(page, IDC_MOVE));
    // The last three multiply beyond 32 bits.
    const struct { const char *width, *height, *robots; } defaults[] = {
        {"30", "20", "3 1"}, {"15", "15", "1 1"}, {"110", "80", "44 22"}, {"", "", "1 1"},
        {"100000", "100000", "50000000 25000000"}, {"2147483648", "2", "21474836 10737418"},
        {"4294967295", "4294967295", "4294967295 4294967295"},
    };
    for (auto& d : defaults) {
        Type(page, IDC_WIDTH, d.width);
        Type(page, IDC_HEIGHT, d.height);
        Click(page, IDC_DEFAULT_ROBOTS);
        EXPECT_EQ(d.robots, Item(page, IDC_BASE) + " " + Item(page, IDC_ADDED)) << d.width << " x " << d.height;
    }
    ASSERT_TRUE(GetSystemMetrics(SM_CXSCREEN) >= 1024 && GetSystemMetrics(SM_CYSCREEN) >= 768) << "half-way sizes fit";
    Click(page, IDC_DEFAULT_SIZE);
    EXPECT_EQ("47 32", Item(page, IDC_WIDTH) + " " + Item(page, IDC_HEIGHT));
    EXPECT_EQ(before, Snapshot());
    const struct { int edit; const char *from, *to; } steps[] = {
        {IDC_WIDTH, "110", "110"}, {IDC_HEIGHT, "79", "80"},   {IDC_BASE, "300", "300"},   {IDC_ADDED, "100", "100"},
        {IDC_MOVE, "999", "1000"}, {IDC_TELE, "999", "1000"}, {IDC_SONIC, "999", "1000"}, {IDC_REX, "5000", "5000"},
        {IDC_HELLO, "999", "1000"},
    };
    for (auto& s : steps) {
        Type(page, s.edit, s.from);
        SendDlgItemMessageA(page, s.edit, WM_KEYDOWN, VK_UP, 0);
        SendDlgItemMessageA(page, s.edit, WM_KEYUP, VK_UP, 0);
        EXPECT_EQ(s.to, Item(page, s.edit)) << s.edit << " from " << s.from;
    }
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(1000, k->settings.temps_coucou.Get()) << "read back as shown";
}

TEST_F(OptionsTest, TheBasePageAppliesItsChoicesAndTheColourDialogOpensOnTheColourInForce)
{
    Layout(20, 20);
    k->settings.son.value = true;
    k->settings.intro.value = 7;
    k->settings.religion.value = 9;
    g_answers = {RGB(0, 0, 255), RGB(0, 128, 0)};
    g_openings.clear();
    HWND page = Open(0), button = GetDlgItem(page, IDC_COLOUR);
    EXPECT_EQ(0, SendDlgItemMessageA(page, IDC_INTRO, CB_GETCURSEL, 0, 0)) << "no intro";
    for (int radio : {IDC_ATHEIST, IDC_CHRISTIAN, IDC_JEWISH, IDC_MUSLIM, IDC_ELSE})
        EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(page, radio, BM_GETCHECK, 0, 0)) << radio;
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    for (int i = 0; i < 3; ++i)  // the third is cancelled
        Click(page, IDC_COLOUR);
    ASSERT_EQ(3u, g_openings.size());
    for (auto& opening : g_openings)
        EXPECT_EQ(RGB(0, 0, 0), opening.rgbResult) << "the colour in force, not the first choice";
    UpdateWindow(button);
    HDC dc = GetDC(button);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc, 2, 2)) << "the latest choice";
    ReleaseDC(button, dc);
    EXPECT_EQ(0, k->settings.coul_fond.Get()) << "not before Apply";
    Press(PSBTN_APPLYNOW);
    CSettings& s = k->settings;
    EXPECT_EQ((std::vector<int>{(int)RGB(0, 128, 0), 0, RELIGION_ELSE, false, true, true}),
              (std::vector<int>{s.coul_fond.Get(), s.intro.Get(), s.religion.Get(), s.son.Get(), s.intro.changed,
                                s.religion.changed}));
    UpdateWindow(k->mainWindow);
    dc = GetDC(k->mainWindow);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc, k->gridRect.left + 5, k->gridRect.top + 5)) << "the board repainted";
    ReleaseDC(k->mainWindow, dc);
}

// A Test plays its action with its edit's duration, at most ten seconds, in
// force, then puts the setting back.
TEST_F(OptionsTest, EachTestPlaysItsActionWithTheEditsDurationBounded)
{
    const struct { int button, edit; CIntSetting CSettings::*setting; const char* typed; int inForce, wave; } cases[] = {
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "7", 7, WAVE_DEATH},  // the robot steps on him
        {IDC_TELE_TEST, IDC_TELE, &CSettings::temps_tele, "7", 7, WAVE_TELEPORT},
        {IDC_SONIC_TEST, IDC_SONIC, &CSettings::temps_sonic, "7", 7, WAVE_SONIC},
        {IDC_HELLO_TEST, IDC_HELLO, &CSettings::temps_coucou, "7", 7, WAVE_HELLO},
        // With no robot the turn ends the level at once, whatever the duration.
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "9999", 9999, WAVE_LEVEL},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "4000000", 10000, WAVE_LEVEL},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "2147483648", 10000, WAVE_LEVEL},
    };
    HWND page = Open(1);
    for (auto& c : cases) {
        Layout(10, 10);
        if (c.wave == WAVE_DEATH)
            Robot(11, 10);
        g_watched = c.setting;
        (k->settings.*c.setting).value = 123;
        g_played.clear();
        Type(page, c.edit, c.typed);
        Click(page, c.button);
        ASSERT_EQ(1u, g_played.count(c.wave)) << c.button;
        EXPECT_EQ(c.inForce, g_played[c.wave]) << c.typed;
        EXPECT_EQ(123, (k->settings.*c.setting).Get()) << c.button;
        EXPECT_EQ(c.wave == WAVE_DEATH, k->hero.dead) << c.button;
    }
    Type(page, IDC_REX, "0");
    Click(page, IDC_REX_TEST);
    EXPECT_TRUE(k->explosions.IsEmpty());
    EXPECT_TRUE(k->AddExplosion(0, 0)) << "no mark left on the explosion's cell";
}
