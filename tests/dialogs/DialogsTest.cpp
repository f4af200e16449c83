// The dialogs on the real game: modeless, driven step by step, or modal and ended by a timer.
#include <algorithm>
#include <sstream>

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/sl/WindowRoutines.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

std::string Text(HWND w) { char text[4096] = ""; return std::string(text, GetWindowTextA(w, text, sizeof text)); }
std::string Item(HWND page, int id) { return Text(GetDlgItem(page, id)); }
void Click(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Each opening's offered colour; each answer a blue of its own.
std::vector<COLORREF> g_offered;
BOOL WINAPI FakeChooseColor(CHOOSECOLORA* choice)
{
    g_offered.push_back(choice->rgbResult);
    choice->rgbResult = RGB(0, 0, 100 + g_offered.size());
    return TRUE;
}

int g_moveAtLevelEnd;
BOOL WINAPI WatchingPlaySound(LPCSTR sound, HMODULE, DWORD)
{
    if ((int)(ULONG_PTR)sound == WAVE_LEVEL)
        g_moveAtLevelEnd = g_krelmot->settings.temps_move.Get();
    return TRUE;
}

std::string g_shell;  // the shell's last command

// Ends the modal dialog a command opened, its title kept. Every page of a sheet is visited and painted
// first, so the caches the system fills at a first painting are full before a count of objects.
std::string g_opened;
void CALLBACK EndDialogSoon(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = GetLastActivePopup(g_krelmot->mainWindow);
    g_opened += Text(d) + (g_krelmot->IsDirectionMarkerActive() ? " over the marker|" : "|");
    for (int page = 0; page < 4; ++page) {
        SendMessageA(d, PSM_SETCURSEL, page, 0);
        RedrawWindow(d, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    SendMessageA(d, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);  // which a dialog ignores
    EndDialog(d, 0);
}

}

class DialogTest : public ShellTest {
protected:
    void SetUp() override { ShellTest::SetUp(); k->ChangeLanguage(LANG_ENGLISH); }
    // A new sheet, at a page; the earlier one goes, the main window's end takes the last.
    HWND Open(int page) { DestroyWindow(sheet); sheet = OpenOptionsSheetModeless(k->mainWindow); return Page(page); }
    HWND Page(int index) { SendMessageA(sheet, PSM_SETCURSEL, index, 0); return PropSheet_GetCurrentPageHwnd(sheet); }
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
    bool KeyTo(HWND d, WPARAM key)  // as the modal loop hands a key over; false once the dialog has ended
    {
        MSG msg = {GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        return IsDialogMessageA(d, &msg) && IsWindowVisible(d);
    }
    void OpenModal(WPARAM key, int command)
    {
        UINT_PTR timer = SetTimer(NULL, 0, 1, EndDialogSoon);
        key ? Key(key) : Command(command);
        KillTimer(NULL, timer);
    }

    HWND sheet = 0;
};

TEST_F(DialogTest, OKWithNoEditCommitsNothingApplyCommitsTheBasePageAndCancelNothing)
{
    g_chooseColor = FakeChooseColor;
    CSettings& s = k->settings;
    k->level = 4;
    std::vector<int> before = Snapshot();
    Open(1);
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot()) << "OK";
    HWND page = Open(0);
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Click(page, IDC_COLOUR);
    Click(page, IDC_COLOUR);
    Press(PSBTN_APPLYNOW);
    EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board to repaint";
    EXPECT_EQ((std::vector<int>{(int)RGB(0, 0, 102), false}), (std::vector<int>{s.coul_fond.Get(), s.son.Get()}));
    before = Snapshot();
    Click(Open(0), IDC_COLOUR);
    SetDlgItemTextA(Page(1), IDC_WIDTH, "31");
    Page(0);
    Press(PSBTN_CANCEL);
    EXPECT_EQ(before, Snapshot()) << "Cancel";
    EXPECT_EQ((std::vector<COLORREF>{0, 0, RGB(0, 0, 102)}), g_offered) << "the colour in force, not a choice";
}

// 2^31 is too big, never negative. The rows run on: only a new board or new robot numbers start a new game.
TEST_F(DialogTest, TheAvancedPageTestsBoundedDurationsChecksValuesInOrderAndStartsANewGameOnlyForANewBoard)
{
    g_playSound = WatchingPlaySound;
    HWND page = Open(1);
    Layout(10, 10);  // no robot: the level ends
    k->settings.temps_move.value = 123;
    SetDlgItemTextA(page, IDC_MOVE, "2147483648");
    Click(page, IDC_MOVE_TEST);
    EXPECT_EQ((std::vector<int>{10000, 123}), (std::vector<int>{g_moveAtLevelEnd, k->settings.temps_move.Get()}));
    const int edits[] = {IDC_WIDTH, IDC_HEIGHT, IDC_BASE, IDC_ADDED, IDC_MOVE, IDC_TELE, IDC_SONIC, IDC_HELLO, IDC_REX};
    const struct { const char *values, *message; int focus; bool newGame; } cases[] = {
        {"14|200|3|1|200|100|200|100|200", "Width must be between 15 and 110", IDC_WIDTH, false},
        {"30|2147483648|3|1|200|100|200|100|200", "Height must be between 15 and 80", IDC_HEIGHT, false},
        {"30|20|3|1|200|3000000000|200|100|200", "Teleportation time must be between 0 and 5000", IDC_TELE, false},
        {"15|80|1|100|0|5000|0|0|5000", "", 0, true},
        {"15|80|1|100|1|5000||0|5000", "", 0, false},  // an empty duration reads as 0
        {"15|80|2|99|1|5000|0|0|5000", "", 0, true}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.values);
        k->StartLevel(4);
        page = Open(1);
        std::istringstream values(c.values);
        const int* edit = edits;
        for (std::string value; std::getline(values, value, '|'); ++edit)
            SetDlgItemTextA(page, *edit, value.c_str());
        std::vector<int> before = Snapshot();
        g_recorded.boxes.clear();
        Page(0);
        ASSERT_EQ(*c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, g_recorded.boxes);
        EXPECT_TRUE(!*c.message || GetFocus() == GetDlgItem(page, c.focus)) << "the focus on the failed edit";
        Press(PSBTN_APPLYNOW);
        EXPECT_TRUE(*c.message ? before == Snapshot() : k->level == (c.newGame ? 1 : 4)) << "applied or not";
        EXPECT_EQ(17 * k->Columns() + 1, CGrab(k->mainWindow).width);
    }
}

TEST_F(DialogTest, TheDebugPagesShowTheIniPathResourcesAndPiecesAndApplyTheGridAndImmortality)
{
    Layout(10, 10);
    Robot(19, 19);
    HWND page = Open(2), list = GetDlgItem(Page(3), IDC_PIECES);
    EXPECT_NE(std::string::npos, Item(page, IDC_INI_PATH).find("\\krelmot-shell-test\\Krelmot.ini"));
    EXPECT_EQ("40 8", std::to_string(SendDlgItemMessageA(page, IDC_BITMAPS, LB_GETCOUNT, 0, 0)) + " " +
                          std::to_string(SendDlgItemMessageA(page, IDC_WAVES, LB_GETCOUNT, 0, 0))) << "pictures, sounds";
    std::string p = std::to_string(k->PixelOf(19, 19).x) + "|" + std::to_string(k->PixelOf(19, 19).y), shown;
    char text[64];
    for (int column = 0; column < 6; shown += std::string(text) + "|", ++column)
        ListView_GetItemText(list, 1, column, text, sizeof text);  // the robot's: number, cell, pixel
    EXPECT_EQ(" 1|19|19|" + p + "||", shown);
    const struct { int clicks[2]; bool grid, immortal; int level; } cases[] = {  // run on from one another
        {{IDC_GRID, 0}, true, false, 4}, {{IDC_IMMORTAL, 0}, true, true, 1},
        {{IDC_IMMORTAL, IDC_IMMORTAL}, true, true, 4}};  // switched back: no new game
    for (auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        k->level = 4;
        page = Open(2);
        for (int box : c.clicks)
            SendDlgItemMessageA(page, box, BM_CLICK, 0, 0);
        ValidateRect(k->mainWindow, NULL);
        Press(PSBTN_APPLYNOW);
        EXPECT_EQ((std::vector<int>{c.grid, c.immortal, c.level}),
                  (std::vector<int>{k->settings.grille.Get(), k->settings.immortalite.Get(), k->level}));
        EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board drawn again";
    }
}

// The sheet's French texts set at run time are the intro's and the list's.
TEST_F(DialogTest, TheDialogsSpeakTheLanguageAndHelpAndAboutAnswerKeysClicksAndThePointer)
{
    g_shellExecute = [](SHELLEXECUTEINFOA* i) -> BOOL {
        g_shell = std::string(i->lpVerb) + " " + i->lpFile + (i->lpParameters || i->hwnd ? " +" : "");
        return TRUE;
    };
    const struct { int language; bool sound; const char *shown, *sheet, *mail; } cases[] = {
        {LANG_FRENCH, true, "Aide|Merci Tessarin Software !|\r\n Krelmot est|A propos ...",
         "Pas d'intro|Largeur|Grille|Pos Col", "FR"},
        {LANG_ENGLISH, false, "Help|Thank you Tessarin Software !|\r\n Krelmot is |About ...",
         "No intro|Width|Grid|Col Pos", "EN"}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.language);
        k->ChangeLanguage(c.language);
        k->settings.son.value = c.sound;
        g_recorded.sounds.clear();
        HWND d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(IDD_HELP), k->mainWindow, HelpDialogProc, 0);
        ShowWindow(d, SW_SHOW);
        std::string shown = Text(d) + "|" + Item(d, IDC_HELP_THANKS) + "|" + Item(d, IDC_HELP_TEXT).substr(0, 14);
        EXPECT_TRUE(KeyTo(d, VK_ESCAPE) && KeyTo(d, VK_RETURN));
        SendDlgItemMessageA(d, IDC_HELP_THANKS, BM_CLICK, 0, 0);
        EXPECT_EQ(c.sound ? std::vector<int>{WAVE_THANKS} : std::vector<int>{}, g_recorded.sounds);
        EXPECT_TRUE(Item(d, IDC_HELP_THANKS) == "De rien !" && !IsWindowVisible(d));
        CAboutDialog about;
        d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(IDD_ABOUT), k->mainWindow, AboutDialogProc,
                               (LPARAM)&about);
        ShowWindow(d, SW_SHOW);
        HWND web = GetDlgItem(d, IDC_ABOUT_WEB), mail = GetDlgItem(d, IDC_ABOUT_MAIL);
        EXPECT_EQ(c.shown, shown + "|" + Text(d));
        POINT p = {3, 3};  // a move over the mail link, then a click where the pointer stopped
        MapWindowPoints(mail, d, &p, 1);
        SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        EXPECT_TRUE(CGrab(mail).At(2, 2) == GetSysColor(COLOR_INFOBK) && CGrab(web).At(2, 2) != CGrab(mail).At(2, 2));
        SendMessageA(d, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ("open mailto:krelmot@example.org?subject=Krelmot%201.0%20" + std::string(c.mail), g_shell);
        EXPECT_TRUE(KeyTo(d, VK_ESCAPE) && !KeyTo(d, VK_RETURN));
        DestroyWindow(d);  // before its object
        HWND base = Open(0), advanced = Page(1), debugBase = Page(2);
        char header[64] = "";
        LVCOLUMNA column = {LVCF_TEXT, 0, 0, header, sizeof header, 0, 0, 0};
        SendDlgItemMessageA(Page(3), IDC_PIECES, LVM_GETCOLUMNA, 1, (LPARAM)&column);
        EXPECT_EQ(c.sheet, Item(base, IDC_INTRO) + "|" + Item(advanced, IDC_WIDTH_LABEL) + "|" +
                               Item(debugBase, IDC_GRID) + "|" + header);
    }
}

// Each key and command opens its dialog, which hides the marker. A greeting waits a tick for each of its twenty
// rings: one turn in fifty. Three rounds fill the system's caches.
TEST_F(DialogTest, KeysAndCommandsOpenTheDialogsAndAThousandTurnsAndAHundredDialogsLeaveNoObjectBehind)
{
    const struct { WPARAM key; int command; } openings[] = {
        {VK_F1, 0}, {0, CMD_HELP}, {0, CMD_ABOUT}, {'O', 0}, {0, CMD_OPTIONS}};
    for (auto& open : openings) {
        Layout(10, 10);
        MoveMouse(FromHeroCentre(20, 3));
        ASSERT_TRUE(k->IsDirectionMarkerActive());
        OpenModal(open.key, open.command);
    }
    EXPECT_EQ("Help|Help|About ...|Options|Options|", g_opened);
    CSettings& s = k->settings;
    s.son.value = false;
    s.temps_move.value = s.temps_tele.value = s.temps_sonic.value = s.temps_coucou.value = s.temps_rex.value = 1;
    s.nb_robot_base.value = s.nb_robot_incr.value = 3;  // levels that end, with deaths among them
    Command(CMD_NEW_GAME);
    int deaths = 0, highestLevel = 0;
    std::vector<int> objects;
    for (int rounds : {3, 100}) {
        objects = {LiveGdiObjects(), LiveUserObjects()};
        for (int turn = 0; turn < 10 * rounds; ++turn) {
            s.immortalite.value = turn / 50 % 2;
            deaths += k->hero.dead;
            if (k->hero.dead) Command(CMD_NEW_GAME);
            char key = turn % 50 == 49 ? 'C' : "6T1S835R24796T18S"[turn % 17];  // digits on the keypad
            Key(isdigit(key) ? VK_NUMPAD0 + key - '0' : key);
            highestLevel = std::max(highestLevel, k->level);
        }
        for (int i = 0; i < rounds; ++i) {
            for (int command : {CMD_OPTIONS, CMD_HELP, CMD_ABOUT})
                OpenModal(0, command);
            Command(i % 2 ? CMD_FRENCH : CMD_ENGLISH);
        }
        PumpMessages();
    }
    EXPECT_EQ(objects, (std::vector<int>{LiveGdiObjects(), LiveUserObjects()})) << "drawing and window objects";
    EXPECT_TRUE(deaths > 5 && highestLevel > 2) << deaths << " deaths, level " << highestLevel;
}
