// The options sheet on the real game, modeless so that a test drives it step by step.
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "tests/shell/MessageRecorder.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

// The colour each opening offers; each answered with the next colour, or cancelled when none is left.
std::vector<COLORREF> g_offered, g_answers;

BOOL WINAPI FakeChooseColor(CHOOSECOLORA* choice)
{
    g_offered.push_back(choice->rgbResult);
    if (g_answers.size() < g_offered.size())
        return FALSE;
    choice->rgbResult = g_answers[g_offered.size() - 1];
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

}

class OptionsTest : public ShellTest {
protected:
    void SetUp()
    {
        ShellTest::SetUp();
        g_chooseColor = FakeChooseColor;
        g_playSound = WatchingPlaySound;
    }
    HWND Open(int page)
    {
        DestroyWindow(sheet);  // the earlier one; the main window's end takes the last
        sheet = OpenOptionsSheetModeless(k->mainWindow);
        return page ? Page(page) : PropSheet_GetCurrentPageHwnd(sheet);
    }
    HWND Page(int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);  // leaving the current page first, as a tab click does
        return PropSheet_GetCurrentPageHwnd(sheet);
    }
    void Press(int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
    std::vector<int> Snapshot()  // every value the sheet edits, and its changed mark
    {
        CSettings& s = k->settings;
        std::vector<int> values = {s.son.Get(), s.son.changed, k->level};
        for (CIntSetting* v : {&s.largeur, &s.hauteur, &s.religion, &s.intro, &s.coul_fond, &s.temps_move,
            &s.temps_tele, &s.temps_sonic, &s.temps_coucou, &s.temps_rex, &s.nb_robot_base, &s.nb_robot_incr})
            values.insert(values.end(), {v->Get(), v->changed});
        return values;
    }

    HWND sheet = 0;
};

TEST_F(OptionsTest, OKWithNoEditCommitsNothingApplyCommitsTheBasePageAndCancelNothing)
{
    k->level = 4;
    std::vector<int> before = Snapshot();
    Open(1);
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot()) << "OK";
    k->settings.intro.value = 7;
    k->settings.religion.value = 9;
    g_answers = {RGB(0, 0, 255), RGB(0, 128, 0), RGB(255, 0, 0)};
    HWND page = Open(0);
    EXPECT_EQ(0, SendDlgItemMessageA(page, IDC_INTRO, CB_GETCURSEL, 0, 0)) << "no intro";
    for (int radio : {IDC_ATHEIST, IDC_CHRISTIAN, IDC_JEWISH, IDC_MUSLIM, IDC_ELSE})
        EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(page, radio, BM_GETCHECK, 0, 0)) << radio;
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Click(page, IDC_COLOUR);
    Click(page, IDC_COLOUR);
    HWND preview = GetDlgItem(page, IDC_COLOUR);
    UpdateWindow(preview);
    HDC dc = GetDC(preview);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc, 2, 2)) << "the preview on the latest choice";
    ReleaseDC(preview, dc);
    Press(PSBTN_APPLYNOW);
    EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board to repaint";
    CSettings& s = k->settings;
    EXPECT_EQ((std::vector<int>{(int)RGB(0, 128, 0), 0, RELIGION_ELSE, false, true, true}),
              (std::vector<int>{s.coul_fond.Get(), s.intro.Get(), s.religion.Get(), s.son.Get(), s.intro.changed,
                                s.religion.changed}));
    before = Snapshot();
    page = Open(0);
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Click(page, IDC_COLOUR);
    SetDlgItemTextA(Page(1), IDC_WIDTH, "31");
    Page(0);
    Press(PSBTN_CANCEL);
    EXPECT_EQ(before, Snapshot()) << "Cancel";
    EXPECT_EQ((std::vector<COLORREF>{0, 0, RGB(0, 128, 0)}), g_offered) << "the colour in force, not a choice";
    EXPECT_EQ(std::to_string(k->Columns()), Item(Open(1), IDC_WIDTH)) << "the next opening starts afresh";
}

TEST_F(OptionsTest, PagesSpeakTheCurrentLanguage)
{
    const struct { int language; const char* titleAndIntro; } cases[] = {
        {LANG_FRENCH, "Avance|Pas d'intro"}, {LANG_ENGLISH, "Avanced|No intro"}};
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        HWND base = Open(0), advanced = Page(1), debugBase = Page(2);
        char title[64] = "";
        TCITEMA tab = {TCIF_TEXT, 0, 0, title, sizeof title, 0, 0};
        SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, 1, (LPARAM)&tab);
        EXPECT_EQ(c.titleAndIntro, title + ("|" + Item(base, IDC_INTRO)));
        for (HWND page : {base, advanced, debugBase})  // every control with a text of its own shows it
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const char* own = k->texts.GetText(GetDlgCtrlID(child));
                EXPECT_EQ(own ? own : Text(child), Text(child)) << "re-texted: " << GetDlgCtrlID(child);
            }
    }
}

// 2^31 and beyond are too big, never negative; only a new board or new robot numbers start a new game.
TEST_F(OptionsTest, LeavingTheAvancedPageChecksTheValuesInOrderAndApplyStartsANewGameOnlyForANewBoard)
{
    const int edits[] = {IDC_WIDTH, IDC_HEIGHT, IDC_BASE, IDC_ADDED, IDC_MOVE, IDC_TELE, IDC_SONIC, IDC_HELLO, IDC_REX};
    const struct { const char *values, *message; int focus; bool newGame; } cases[] = {
        {"||||||||", "Width must be between 15 and 110", IDC_WIDTH, false},
        {"14|200|3|1|200|100|200|100|200", "Width must be between 15 and 110", IDC_WIDTH, false},
        {"30|2147483648|3|1|200|100|200|100|200", "Height must be between 15 and 80", IDC_HEIGHT, false},
        {"30|20|0|1|200|100|200|100|200", "The base number of robots must be between 1 and 300", IDC_BASE, false},
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
        const char* value = c.values;
        for (int edit : edits) {
            SetDlgItemTextA(page, edit, std::string(value, strcspn(value, "|")).c_str());
            value += strcspn(value, "|") + 1;
        }
        std::vector<int> before = Snapshot();
        CMessageRecorder boxes;
        Page(0);
        ASSERT_EQ(*c.message ? 1u : 0u, boxes.boxes.size()) << c.values;
        Press(PSBTN_APPLYNOW);
        EXPECT_EQ(c.newGame ? 1 : 4, k->level) << c.values;
        RECT client;
        GetClientRect(k->mainWindow, &client);
        EXPECT_EQ(17 * k->Columns() + 1, client.right) << "the window follows the board";
        if (*c.message) {
            EXPECT_EQ(c.message, boxes.boxes[0].text);
            EXPECT_EQ(GetDlgItem(page, c.focus), GetFocus()) << c.message;
            EXPECT_EQ(before, Snapshot()) << "nothing applied";
        }
    }
}

// A Test plays its action with its edit's duration, at most ten seconds, then puts the setting back.
TEST_F(OptionsTest, TheAvancedPageButtonsAndArrows)
{
    std::vector<int> before = Snapshot();
    HWND page = Open(1);
    SetDlgItemTextA(page, IDC_MOVE, "");
    for (char c : std::string("12345678901"))  // typed: the limit holds only the user
        SendDlgItemMessageA(page, IDC_MOVE, WM_CHAR, c, 0);
    EXPECT_EQ("1234567890", Item(page, IDC_MOVE));
    // The last two multiply beyond 32 bits.
    const struct { const char *width, *height, *robots; } defaults[] = {
        {"30", "20", "3 1"}, {"15", "15", "1 1"}, {"110", "80", "44 22"}, {"100000", "100000", "50000000 25000000"},
        {"4294967295", "4294967295", "4294967295 4294967295"}};
    for (auto& d : defaults) {
        SetDlgItemTextA(page, IDC_WIDTH, d.width);
        SetDlgItemTextA(page, IDC_HEIGHT, d.height);
        Click(page, IDC_DEFAULT_ROBOTS);
        EXPECT_EQ(d.robots, Item(page, IDC_BASE) + " " + Item(page, IDC_ADDED)) << d.width << " x " << d.height;
    }
    Click(page, IDC_DEFAULT_SIZE);
    EXPECT_EQ("47 32", Item(page, IDC_WIDTH) + " " + Item(page, IDC_HEIGHT)) << "half-way on a 1280 x 1024 screen";
    EXPECT_EQ(before, Snapshot());
    const struct { int button, edit; CIntSetting CSettings::*setting; const char* typed; int used, wave; } tests[] = {
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "7", 7, WAVE_DEATH},  // the robot steps on him
        {IDC_TELE_TEST, IDC_TELE, &CSettings::temps_tele, "7", 7, WAVE_TELEPORT},
        {IDC_SONIC_TEST, IDC_SONIC, &CSettings::temps_sonic, "7", 7, WAVE_SONIC},
        {IDC_HELLO_TEST, IDC_HELLO, &CSettings::temps_coucou, "7", 7, WAVE_HELLO},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "4000000", 10000, WAVE_LEVEL},  // no robot: the level ends
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "2147483648", 10000, WAVE_LEVEL},
    };
    for (auto& t : tests) {
        Layout(10, 10);
        if (t.wave == WAVE_DEATH)
            Robot(11, 10);
        g_watched = t.setting;
        (k->settings.*t.setting).value = 123;
        g_played.clear();
        SetDlgItemTextA(page, t.edit, t.typed);
        Click(page, t.button);
        EXPECT_EQ(t.used, g_played.count(t.wave) ? g_played[t.wave] : -1) << t.typed;
        EXPECT_EQ(123, (k->settings.*t.setting).Get()) << t.button;
        EXPECT_EQ(t.wave == WAVE_DEATH, k->hero.dead) << t.button;
    }
    SetDlgItemTextA(page, IDC_REX, "0");
    Click(page, IDC_REX_TEST);
    EXPECT_TRUE(k->explosions.IsEmpty() && k->AddExplosion(0, 0)) << "no mark left on the explosion's cell";
    const struct { int edit; const char *from, *to; } steps[] = {
        {IDC_WIDTH, "110", "110"}, {IDC_HEIGHT, "79", "80"},   {IDC_BASE, "300", "300"},   {IDC_ADDED, "100", "100"},
        {IDC_MOVE, "999", "1000"}, {IDC_TELE, "999", "1000"}, {IDC_SONIC, "999", "1000"}, {IDC_REX, "5000", "5000"},
        {IDC_HELLO, "999", "1000"}};
    for (auto& s : steps) {
        SetDlgItemTextA(page, s.edit, s.from);
        SendDlgItemMessageA(page, s.edit, WM_KEYDOWN, VK_UP, 0);
        SendDlgItemMessageA(page, s.edit, WM_KEYUP, VK_UP, 0);
        EXPECT_EQ(s.to, Item(page, s.edit)) << s.edit << " from " << s.from;
    }
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(1000, k->settings.temps_coucou.Get()) << "read back as shown";
}
