// The options sheet on the real game: modeless where a test drives it step by
// step, modal through the O key where the command itself is under test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
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
    EXPECT_EQ(16, std::count(choice->lpCustColors, choice->lpCustColors + 16, (COLORREF)0)) << "custom ones black";
    std::fill(choice->lpCustColors, choice->lpCustColors + 16, RGB(9, 9, 9));
    if (g_answers.size() < g_openings.size())
        return FALSE;
    choice->rgbResult = g_answers[g_openings.size() - 1];
    return TRUE;
}

// The value of a setting at each sound: a Test's duration in force.
CIntSetting* g_watched = 0;
std::vector<int> g_watchedValues;

BOOL WINAPI WatchingPlaySound(LPCSTR sound, HMODULE, DWORD)
{
    g_recorded.sounds.push_back((int)(ULONG_PTR)sound);
    g_watchedValues.push_back(g_watched ? g_watched->Get() : 0);
    return TRUE;
}

// Runs inside the modal sheet's own loop, then makes sure the sheet ends.
std::function<void(HWND)> g_modalScript;

VOID CALLBACK RunModalScript(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(NULL, id);
    HWND sheet = GetLastActivePopup(g_krelmot->mainWindow);
    g_modalScript(sheet);
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

std::string Text(HWND window)
{
    char text[256] = "";
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}

std::vector<std::string> Texts(const CMessageRecorder& recorder)
{
    std::vector<std::string> texts;
    for (const CRecordedBox& box : recorder.boxes)
        texts.push_back(box.text);
    return texts;
}

}

class OptionsTest : public ShellTest {
protected:
    void SetUp()
    {
        ShellTest::SetUp();
        sheet = 0;
        g_openings.clear();
        g_answers.clear();
        g_chooseColor = FakeChooseColor;
        g_playSound = WatchingPlaySound;
        g_watched = 0;
    }
    void TearDown()
    {
        Close();
        ShellTest::TearDown();
    }

    void Open() { sheet = OpenOptionsSheetModeless(k->mainWindow); }
    void Close()
    {
        if (sheet)
            DestroyWindow(sheet);
        sheet = 0;
    }
    // Leaving the current page first, as a click on the tab does.
    HWND Page(int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return PropSheet_GetCurrentPageHwnd(sheet);
    }
    void Press(int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
    void Click(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Key by key, as a user types.
    void Type(HWND page, int edit, const char* text)
    {
        SetDlgItemTextA(page, edit, "");
        for (const char* c = text; *c; ++c)
            SendDlgItemMessageA(page, edit, WM_CHAR, (BYTE)*c, 0);
    }
    std::string Item(HWND page, int id) { return Text(GetDlgItem(page, id)); }
    void OpenModal(std::function<void(HWND)> script)
    {
        g_modalScript = script;
        SetTimer(NULL, 0, 1, RunModalScript);
        Key('O');
    }
    // What the sheet edits: every value, then every changed mark.
    std::vector<int> Snapshot()
    {
        CSettings& s = k->settings;
        std::vector<CIntSetting*> all = {&s.largeur, &s.hauteur, &s.religion, &s.intro, &s.coul_fond,
                                         &s.temps_move, &s.temps_tele, &s.temps_sonic, &s.temps_coucou,
                                         &s.temps_rex, &s.nb_robot_base, &s.nb_robot_incr};
        std::vector<int> values = {s.son.Get(), s.son.changed, k->level};
        for (CIntSetting* setting : all)
            values.push_back(setting->Get());
        for (CIntSetting* setting : all)
            values.push_back(setting->changed);
        return values;
    }

    HWND sheet;
};

TEST_F(OptionsTest, OKWithNothingEditedCommitsNothing)
{
    k->level = 4;
    std::vector<int> before = Snapshot();
    Open();
    Page(1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, 0x3021))) << "Apply, though nothing was edited";
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot());
}

TEST_F(OptionsTest, TheOKeyOpensTheSheetModalAndCancelDropsEveryEdit)
{
    std::vector<int> before = Snapshot();
    g_answers = {RGB(0, 0, 255)};
    bool ran = false;
    OpenModal([&](HWND modal) {
        ran = true;
        EXPECT_FALSE(IsWindowEnabled(k->mainWindow));
        EXPECT_EQ("Options", Text(modal));
        HWND base = PropSheet_GetCurrentPageHwnd(modal);
        SendDlgItemMessageA(base, IDC_JEWISH, BM_CLICK, 0, 0);
        SendDlgItemMessageA(base, IDC_SOUND, BM_CLICK, 0, 0);
        Click(base, IDC_COLOUR);
        SendMessageA(modal, PSM_SETCURSEL, 1, 0);
        HWND advanced = PropSheet_GetCurrentPageHwnd(modal);
        Type(advanced, IDC_WIDTH, "31");
        Type(advanced, IDC_MOVE, "999");
        SendMessageA(modal, PSM_SETCURSEL, 0, 0);
    });
    EXPECT_TRUE(ran && IsWindowEnabled(k->mainWindow));
    EXPECT_EQ(before, Snapshot());
    Open();
    HWND advanced = Page(1);
    EXPECT_EQ(std::to_string(k->Columns()), Item(advanced, IDC_WIDTH)) << "the next opening starts afresh";
    EXPECT_EQ("200", Item(advanced, IDC_MOVE));
}

TEST_F(OptionsTest, PagesSpeakTheCurrentLanguage)
{
    struct {
        int language;
        const char *advancedTitle, *noIntro, *widthMessage;
    } cases[] = {
        {LANG_FRENCH, "Avance", "Pas d'intro", "La largeur doit être comprise entre 15 et 110"},
        {LANG_ENGLISH, "Avanced", "No intro", "Width must be between 15 and 110"},
    };
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        Open();
        HWND base = Page(0), debugBase = Page(2), advanced = Page(1);
        char title[64] = "";
        TCITEMA tab = {TCIF_TEXT, 0, 0, title, sizeof title, 0, 0};
        SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, 1, (LPARAM)&tab);
        EXPECT_STREQ(c.advancedTitle, title);
        EXPECT_EQ(c.noIntro, Item(base, IDC_INTRO));
        EXPECT_EQ(6, SendDlgItemMessageA(base, IDC_INTRO, CB_GETCOUNT, 0, 0));
        // Every control with a text of its own shows it in the language.
        for (HWND page : {base, advanced, debugBase})
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const char* own = k->texts.GetText(GetDlgCtrlID(child));
                EXPECT_EQ(own ? own : Text(child), Text(child)) << "re-texted: " << GetDlgCtrlID(child);
            }
        CMessageRecorder boxes;
        Type(advanced, IDC_WIDTH, "");
        Page(0);
        EXPECT_EQ(std::vector<std::string>(1, c.widthMessage), Texts(boxes));
        Close();
    }
}

TEST_F(OptionsTest, LeavingTheAvancedPageChecksTheValuesInOrder)
{
    const int edits[9] = {IDC_WIDTH, IDC_HEIGHT, IDC_BASE, IDC_ADDED, IDC_MOVE, IDC_TELE, IDC_SONIC, IDC_HELLO, IDC_REX};
    struct {
        const char *values, *message;  // no message: the page lets go
        int focus;
    } cases[] = {
        {"||||||||", "Width must be between 15 and 110", IDC_WIDTH},
        {"14|200|3|1|200|100|200|100|200", "Width must be between 15 and 110", IDC_WIDTH},
        {"2147483648|20|3|1|200|100|200|100|200", "Width must be between 15 and 110", IDC_WIDTH},
        {"30|81|3|1|200|100|200|100|200", "Height must be between 15 and 80", IDC_HEIGHT},
        {"30|20|0|1|200|100|200|100|200", "The base number of robots must be between 1 and 300", IDC_BASE},
        {"30|20|301|1|200|100|200|100|200", "The base number of robots must be between 1 and 300", IDC_BASE},
        {"30|20|3|101|200|100|200|100|200", "The added number of robots must be between 1 and 100", IDC_ADDED},
        {"30|20|3|1|5001|100|200|100|200", "Moving duration must be between 0 and 5000", IDC_MOVE},
        {"30|20|3|1|200|3000000000|200|100|200", "Teleportation time must be between 0 and 5000", IDC_TELE},
        {"30|20|3|1|200|100|4294967296|100|200", "Sonic time must be between 0 and 5000", IDC_SONIC},
        {"30|20|3|1|200|100|200|99999|200", "Hello time must be between 0 and 5000", IDC_HELLO},
        {"30|20|3|1|200|100|200|100|5001", "Robot exploration duration must be between 0 and 5000", IDC_REX},
        {"15|80|1|100|0|5000||0|5000", 0, 0},  // an empty duration reads as 0
    };
    k->ChangeLanguage(LANG_ENGLISH);
    for (auto& c : cases) {
        Open();
        HWND page = Page(1);
        std::string values = std::string(c.values) + "|";
        for (size_t i = 0, start = 0, end; i < 9; ++i, start = end + 1) {
            end = values.find('|', start);
            Type(page, edits[i], values.substr(start, end - start).c_str());
        }
        std::vector<int> before = Snapshot();
        CMessageRecorder boxes;
        bool kept = Page(0) == page;
        EXPECT_EQ(std::vector<std::string>(c.message ? 1 : 0, c.message ? c.message : ""), Texts(boxes)) << c.values;
        EXPECT_EQ(c.message != 0, kept) << c.values;
        if (c.message) {
            EXPECT_EQ(page, boxes.boxes[0].owner);
            EXPECT_EQ(GetDlgItem(page, c.focus), GetFocus()) << c.message;
            Press(PSBTN_OK);
            EXPECT_EQ(before, Snapshot()) << "nothing applied";
        }
        Close();
    }
}

TEST_F(OptionsTest, EditsHoldTenDigitsAndTheArrowsStepWithoutSeparators)
{
    Open();
    HWND page = Page(1);
    Type(page, IDC_MOVE, "12345678901");
    EXPECT_EQ("1234567890", Item(page, IDC_MOVE));
    struct {
        int edit;
        const char *from, *to;
    } steps[] = {
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

TEST_F(OptionsTest, ApplyStartsANewGameOnlyForANewBoardOrNewRobotNumbers)
{
    struct {
        int edit;
        const char* typed;
        bool newGame;
    } cases[] = {{IDC_MOVE, "300", false}, {IDC_REX, "0", false}, {IDC_WIDTH, "31", true},
                 {IDC_HEIGHT, "16", true}, {IDC_BASE, "9", true},  {IDC_ADDED, "2", true}};
    for (auto& c : cases) {
        k->settings.largeur.value = 30;
        k->settings.hauteur.value = 20;
        k->FitWindowToGrid();
        k->StartLevel(1);
        k->level = 4;
        k->score = 50;
        Open();
        Type(Page(1), c.edit, c.typed);
        Press(PSBTN_APPLYNOW);
        EXPECT_EQ(c.newGame ? 1 : 4, k->level) << c.typed;
        EXPECT_EQ(c.newGame ? 0 : 50, k->score) << c.typed;
        RECT client;
        GetClientRect(k->mainWindow, &client);
        EXPECT_EQ(17 * k->Columns() + 1, client.right) << "the window follows the board";
        Close();
    }
}

TEST_F(OptionsTest, TheBasePageShowsAnIntroOrAReligionOutOfRangeAsNoneAndAppliesItsChoices)
{
    k->ChangeLanguage(LANG_ENGLISH);
    k->settings.son.value = true;
    k->settings.intro.value = 7;
    k->settings.religion.value = 9;
    Open();
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_EQ("No intro", Item(page, IDC_INTRO));
    for (int radio : {IDC_ATHEIST, IDC_CHRISTIAN, IDC_JEWISH, IDC_MUSLIM, IDC_ELSE})
        EXPECT_EQ(BST_UNCHECKED, SendDlgItemMessageA(page, radio, BM_GETCHECK, 0, 0)) << radio;
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Press(PSBTN_OK);
    EXPECT_EQ(0, k->settings.intro.Get());
    EXPECT_EQ(RELIGION_ELSE, k->settings.religion.Get());
    EXPECT_FALSE(k->settings.son.Get());
    EXPECT_TRUE(k->settings.intro.changed && k->settings.religion.changed);
}

TEST_F(OptionsTest, TheColourDialogOpensOnTheColourInForceAndThePreviewShowsTheChoice)
{
    Layout(20, 20);
    g_answers = {RGB(0, 0, 255), RGB(0, 128, 0)};
    Open();
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    for (int i = 0; i < 3; ++i)  // the third is cancelled
        Click(page, IDC_COLOUR);
    ASSERT_EQ(3u, g_openings.size());
    for (auto& opening : g_openings)
        EXPECT_EQ(RGB(0, 0, 0), opening.rgbResult) << "the colour in force, not the first choice";
    HWND button = GetDlgItem(page, IDC_COLOUR);
    UpdateWindow(button);
    HDC dc = GetDC(button);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc, 2, 2)) << "the latest choice";
    ReleaseDC(button, dc);
    EXPECT_EQ(0, k->settings.coul_fond.Get()) << "not before Apply";
    Press(PSBTN_APPLYNOW);
    EXPECT_EQ(RGB(0, 128, 0), (COLORREF)k->settings.coul_fond.Get());
    UpdateWindow(k->mainWindow);
    dc = GetDC(k->mainWindow);
    EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc, k->gridRect.left + 5, k->gridRect.top + 5)) << "the board repainted";
    ReleaseDC(k->mainWindow, dc);
}

TEST_F(OptionsTest, DefaultButtonsFillTheEditsOnly)
{
    struct {
        const char *width, *height, *base, *added;
    } cases[] = {
        {"30", "20", "3", "1"}, {"15", "15", "1", "1"}, {"110", "80", "44", "22"}, {"", "", "1", "1"},
        // Products beyond 32 bits.
        {"100000", "100000", "50000000", "25000000"},
        {"2147483648", "2", "21474836", "10737418"},
        {"4294967295", "4294967295", "4294967295", "4294967295"},
    };
    std::vector<int> before = Snapshot();
    Open();
    HWND page = Page(1);
    for (auto& c : cases) {
        Type(page, IDC_WIDTH, c.width);
        Type(page, IDC_HEIGHT, c.height);
        Click(page, IDC_DEFAULT_ROBOTS);
        EXPECT_EQ(std::string(c.base) + " " + c.added, Item(page, IDC_BASE) + " " + Item(page, IDC_ADDED)) << c.width;
    }
    ASSERT_TRUE(GetSystemMetrics(SM_CXSCREEN) >= 1024 && GetSystemMetrics(SM_CYSCREEN) >= 768) << "half-way sizes fit";
    Click(page, IDC_DEFAULT_SIZE);
    EXPECT_EQ("47 32", Item(page, IDC_WIDTH) + " " + Item(page, IDC_HEIGHT));
    EXPECT_EQ(before, Snapshot());
}

// A Test plays its action with its edit's duration, at most ten seconds, in
// force, then puts the setting back.
TEST_F(OptionsTest, EachTestPlaysItsActionWithTheEditsDurationBounded)
{
    struct {
        int button, edit;
        CIntSetting CSettings::*setting;
        const char* typed;
        int inForce, wave;  // wave: played while the duration is in force
        bool robotBeside;
    } cases[] = {
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "7", 7, WAVE_DEATH, true},  // the robot steps on him
        {IDC_TELE_TEST, IDC_TELE, &CSettings::temps_tele, "7", 7, WAVE_TELEPORT, false},
        {IDC_SONIC_TEST, IDC_SONIC, &CSettings::temps_sonic, "7", 7, WAVE_SONIC, false},
        {IDC_HELLO_TEST, IDC_HELLO, &CSettings::temps_coucou, "7", 7, WAVE_HELLO, false},
        // With no robot the turn ends the level at once, whatever the duration.
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "9999", 9999, WAVE_LEVEL, false},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "4000000", 10000, WAVE_LEVEL, false},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "2147483648", 10000, WAVE_LEVEL, false},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "4294967295", 10000, WAVE_LEVEL, false},
    };
    Open();
    HWND page = Page(1);
    for (auto& c : cases) {
        Layout(10, 10);
        if (c.robotBeside)
            Robot(11, 10);
        g_watched = &(k->settings.*c.setting);
        g_watched->value = 123;
        g_watchedValues.clear();
        Type(page, c.edit, c.typed);
        Click(page, c.button);
        auto wave = std::find(g_recorded.sounds.begin(), g_recorded.sounds.end(), c.wave);
        ASSERT_TRUE(wave != g_recorded.sounds.end()) << c.button;
        EXPECT_EQ(c.inForce, g_watchedValues[wave - g_recorded.sounds.begin()]) << c.typed;
        EXPECT_EQ(123, g_watched->Get()) << c.button;
        EXPECT_EQ(c.robotBeside, k->hero.dead) << c.button;
    }
}

TEST_F(OptionsTest, TheExplosionTestLeavesTheTopLeftCellFreeToExplodeAgain)
{
    Open();
    HWND page = Page(1);
    Type(page, IDC_REX, "0");
    Click(page, IDC_REX_TEST);
    EXPECT_TRUE(k->explosions.IsEmpty());
    EXPECT_TRUE(k->AddExplosion(0, 0)) << "no mark left on the cell";
}
