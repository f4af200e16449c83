// The options sheet on the real game: what its pages show, check and commit.
#include <string.h>

#include <map>

#include "tests/dialogs/DialogFixture.h"
#include "tests/shell/MessageRecorder.h"
#include "view/Sound.h"

namespace {

// Each opening's offered colour, answered with the next of g_answers, or cancelled when none is left.
std::vector<COLORREF> g_offered, g_answers;
BOOL WINAPI FakeChooseColor(CHOOSECOLORA* choice)
{
    g_offered.push_back(choice->rgbResult);
    bool answered = g_offered.size() <= g_answers.size();
    choice->rgbResult = answered ? g_answers[g_offered.size() - 1] : 0;
    return answered;
}

// Each wave with the watched duration when it first played: a Test's value in force.
CIntSetting CSettings::*g_watched;
std::map<int, int> g_played;
BOOL WINAPI WatchingPlaySound(LPCSTR sound, HMODULE, DWORD)
{
    g_played.emplace((int)(ULONG_PTR)sound, (g_krelmot->settings.*g_watched).Get());
    return TRUE;
}

}

class OptionsTest : public SheetTest {
protected:
    std::vector<int> Snapshot()  // every value the sheet edits, and its changed mark
    {
        CSettings& s = k->settings;
        std::vector<int> values = {s.son.Get(), s.son.changed, k->level};
        for (CIntSetting* v : {&s.largeur, &s.hauteur, &s.religion, &s.intro, &s.coul_fond, &s.temps_move,
            &s.temps_tele, &s.temps_sonic, &s.temps_coucou, &s.temps_rex, &s.nb_robot_base, &s.nb_robot_incr})
            values.insert(values.end(), {v->Get(), v->changed});
        return values;
    }
};

// An intro or religion the page cannot show is applied as "no intro" and "else"; the colour chooser
// offers the colour in force, and the preview shows the latest choice.
TEST_F(OptionsTest, OKWithNoEditCommitsNothingApplyCommitsTheBasePageAndCancelNothing)
{
    g_chooseColor = FakeChooseColor;
    k->level = 4;
    std::vector<int> before = Snapshot();
    Open(1);
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot()) << "OK";
    k->settings.intro.value = 7;
    k->settings.religion.value = 9;
    g_answers = {RGB(0, 0, 255), RGB(0, 128, 0), RGB(255, 0, 0)};
    HWND page = Open(0);
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Click(page, IDC_COLOUR);
    Click(page, IDC_COLOUR);
    EXPECT_EQ(RGB(0, 128, 0), Pixel(GetDlgItem(page, IDC_COLOUR), 2, 2)) << "the preview";
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
    const struct { int language; const char* shown; } cases[] = {
        {LANG_FRENCH, "Avance|Pas d'intro|Pos Col"}, {LANG_ENGLISH, "Avanced|No intro|Col Pos"}};
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        HWND base = Open(0), advanced = Page(1), debugBase = Page(2);
        char title[64] = "", header[64] = "";
        TCITEMA tab = {TCIF_TEXT, 0, 0, title, sizeof title, 0, 0};
        SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, 1, (LPARAM)&tab);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT, column.pszText = header, column.cchTextMax = sizeof header;
        SendDlgItemMessageA(Page(3), IDC_PIECES, LVM_GETCOLUMNA, 1, (LPARAM)&column);
        EXPECT_EQ(c.shown, std::string(title) + "|" + Item(base, IDC_INTRO) + "|" + header);
        for (HWND page : {base, advanced, debugBase})  // every control with a text of its own shows it
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const char* own = k->texts.GetText(GetDlgCtrlID(child));
                EXPECT_EQ(own ? own : Text(child), Text(child)) << "re-texted: " << GetDlgCtrlID(child);
            }
    }
}

// In the order of the checks; 2^31 and beyond are too big, never negative. The rows run on from one
// another: only a new board or new robot numbers start a new game, and the window follows the board.
TEST_F(OptionsTest, LeavingTheAvancedPageChecksTheValuesInOrderAndApplyStartsANewGameOnlyForANewBoard)
{
    const int edits[] = {IDC_WIDTH, IDC_HEIGHT, IDC_BASE, IDC_ADDED, IDC_MOVE, IDC_TELE, IDC_SONIC, IDC_HELLO, IDC_REX};
    const struct { const char *values, *message; int focus; bool newGame; } cases[] = {
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
        {"16|79|2|99|1|5000|0|0|5000", "", 0, true}};
    k->ChangeLanguage(LANG_ENGLISH);
    for (auto& c : cases) {
        SCOPED_TRACE(c.values);
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
        ASSERT_EQ(*c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, boxes.Texts());
        EXPECT_TRUE(!*c.message || GetFocus() == GetDlgItem(page, c.focus)) << "the focus on the failed edit";
        Press(PSBTN_APPLYNOW);
        EXPECT_TRUE(*c.message ? before == Snapshot() : k->level == (c.newGame ? 1 : 4)) << "applied or not";
        RECT client;
        GetClientRect(k->mainWindow, &client);
        EXPECT_EQ(17 * k->Columns() + 1, client.right);
    }
}

// A Test plays its action with its edit's duration, at most ten seconds, then puts the setting back;
// typed digits stop at ten, the default buttons fill the edits only, an arrow steps within the bounds.
TEST_F(OptionsTest, TheAvancedPageButtonsAndArrows)
{
    g_playSound = WatchingPlaySound;
    HWND page = Open(1);
    const struct { int button, edit; CIntSetting CSettings::*setting; const char* typed; int used, wave; } tests[] = {
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "7", 7, WAVE_DEATH},  // the robot steps on him
        {IDC_TELE_TEST, IDC_TELE, &CSettings::temps_tele, "7", 7, WAVE_TELEPORT},
        {IDC_SONIC_TEST, IDC_SONIC, &CSettings::temps_sonic, "7", 7, WAVE_SONIC},
        {IDC_HELLO_TEST, IDC_HELLO, &CSettings::temps_coucou, "7", 7, WAVE_HELLO},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "4000000", 10000, WAVE_LEVEL},  // no robot: the level ends
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "2147483648", 10000, WAVE_LEVEL}};
    for (auto& t : tests) {
        SCOPED_TRACE(testing::Message() << "button " << t.button << ", " << t.typed);
        Layout(10, 10);
        if (t.wave == WAVE_DEATH)
            Robot(11, 10);
        g_watched = t.setting;
        (k->settings.*t.setting).value = 123;
        g_played.clear();
        SetDlgItemTextA(page, t.edit, t.typed);
        Click(page, t.button);
        EXPECT_EQ(t.used, g_played.count(t.wave) ? g_played[t.wave] : -1);
        EXPECT_TRUE(123 == (k->settings.*t.setting).Get() && (t.wave == WAVE_DEATH) == k->hero.dead);
    }
    SetDlgItemTextA(page, IDC_REX, "0");
    Click(page, IDC_REX_TEST);
    EXPECT_TRUE(k->explosions.IsEmpty() && k->AddExplosion(0, 0)) << "no mark left on the explosion's cell";
    std::vector<int> before = Snapshot();
    SetDlgItemTextA(page, IDC_MOVE, "");
    for (char c : std::string("12345678901"))
        SendDlgItemMessageA(page, IDC_MOVE, WM_CHAR, c, 0);
    EXPECT_EQ("1234567890", Item(page, IDC_MOVE));
    const struct { const char *width, *height, *robots; } defaults[] = {  // the last multiplies beyond 32 bits
        {"110", "80", "44 22"}, {"4294967295", "4294967295", "4294967295 4294967295"}};
    for (auto& d : defaults) {
        SetDlgItemTextA(page, IDC_WIDTH, d.width);
        SetDlgItemTextA(page, IDC_HEIGHT, d.height);
        Click(page, IDC_DEFAULT_ROBOTS);
        EXPECT_EQ(d.robots, Item(page, IDC_BASE) + " " + Item(page, IDC_ADDED)) << d.width;
    }
    Click(page, IDC_DEFAULT_SIZE);
    EXPECT_EQ("47 32", Item(page, IDC_WIDTH) + " " + Item(page, IDC_HEIGHT)) << "half-way on a 1280 x 1024 screen";
    EXPECT_EQ(before, Snapshot()) << "only the edits change";
    const struct { int edit; const char *from, *to; } steps[] = {{IDC_WIDTH, "110", "110"}, {IDC_HEIGHT, "79", "80"},
        {IDC_BASE, "300", "300"}, {IDC_ADDED, "100", "100"}, {IDC_MOVE, "999", "1000"}, {IDC_HELLO, "999", "1000"}};
    for (auto& s : steps) {
        SetDlgItemTextA(page, s.edit, s.from);
        SendDlgItemMessageA(page, s.edit, WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(s.to, Item(page, s.edit)) << s.edit << " from " << s.from;
    }
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(1000, k->settings.temps_coucou.Get()) << "read back as shown";
}
