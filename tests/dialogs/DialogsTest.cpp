// The options sheet, the help and the about box on the real game: modeless, driven step by step.
#include <stdio.h>

#include <map>
#include <sstream>

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/sl/WindowRoutines.h"
#include "tests/shell/MessageRecorder.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

std::string Text(HWND window)
{
    char text[4096] = "";
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}
std::string Item(HWND page, int id) { return Text(GetDlgItem(page, id)); }
void Click(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

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

std::vector<std::string> g_shell;  // the shell's commands
BOOL RecordShell(SHELLEXECUTEINFOA* i)
{
    g_shell.push_back(std::string(i->lpVerb) + " " + i->lpFile + (i->lpParameters || i->hwnd ? " +" : ""));
    return TRUE;
}

// Ends the modal dialog a command opened, its title kept: a sheet by Cancel, which a dialog ignores.
std::string g_opened;
void CALLBACK EndDialogSoon(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = GetLastActivePopup(g_krelmot->mainWindow);
    g_opened += Text(d) + (g_krelmot->IsDirectionMarkerActive() ? " over the marker|" : "|");
    SendMessageA(d, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EndDialog(d, 0);
}

std::string Items(HWND list)
{
    std::string all;
    char text[64];
    for (int i = 0; SendMessageA(list, LB_GETTEXT, i, (LPARAM)text) > 0; ++i)
        all += std::string(text) + "|";
    return all;
}

std::string Row(HWND list, int row)  // its image, then the texts of its six columns
{
    char text[64];
    LVITEMA item = {};
    item.mask = LVIF_IMAGE, item.iItem = row;
    ListView_GetItem(list, &item);
    std::string shown = std::to_string(item.iImage);
    for (int column = 0; column < 6; ++column) {
        ListView_GetItemText(list, row, column, text, sizeof text);
        shown += "|" + std::string(text);
    }
    return shown;
}

}

class DialogTest : public ShellTest {
protected:
    HWND Open(int page)  // the sheet; the earlier one goes, the main window's end takes the last
    {
        DestroyWindow(sheet);
        sheet = OpenOptionsSheetModeless(k->mainWindow);
        return page ? Page(page) : PropSheet_GetCurrentPageHwnd(sheet);
    }
    HWND Page(int index)  // leaving the current page first, as a tab click does
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
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
    bool KeyTo(HWND d, WPARAM key)  // as the modal loop hands a key over; false once the dialog has ended
    {
        MSG msg = {GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        IsDialogMessageA(d, &msg);
        return IsWindowVisible(d);
    }

    HWND sheet = 0;
};

// An intro or religion the page cannot show is applied as "no intro" and "else"; the colour chooser
// offers the colour in force, and the preview shows the latest choice.
TEST_F(DialogTest, OKWithNoEditCommitsNothingApplyCommitsTheBasePageAndCancelNothing)
{
    g_chooseColor = FakeChooseColor;
    CSettings& s = k->settings;
    k->level = 4;
    std::vector<int> before = Snapshot();
    Open(1);
    Press(PSBTN_OK);
    EXPECT_EQ(before, Snapshot()) << "OK";
    s.intro.value = 7, s.religion.value = 9;
    g_answers = {RGB(0, 0, 255), RGB(0, 128, 0), RGB(255, 0, 0)};
    HWND page = Open(0);
    SendDlgItemMessageA(page, IDC_SOUND, BM_CLICK, 0, 0);
    Click(page, IDC_COLOUR);
    Click(page, IDC_COLOUR);
    UpdateWindow(GetDlgItem(page, IDC_COLOUR));
    EXPECT_EQ(RGB(0, 128, 0), CGrab(GetDlgItem(page, IDC_COLOUR)).At(2, 2)) << "the preview";
    Press(PSBTN_APPLYNOW);
    EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board to repaint";
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

// Every control with a text of its own shows it, as do the tabs and the list's columns.
TEST_F(DialogTest, TheSheetSpeaksTheCurrentLanguage)
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
        for (HWND page : {base, advanced, debugBase})
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const char* own = k->texts.GetText(GetDlgCtrlID(child));
                EXPECT_EQ(own ? own : Text(child), Text(child)) << "re-texted: " << GetDlgCtrlID(child);
            }
    }
}

// In the order of the checks; 2^31 and beyond are too big, never negative. The rows run on from one
// another: only a new board or new robot numbers start a new game, and the window follows the board.
TEST_F(DialogTest, LeavingTheAvancedPageChecksTheValuesInOrderAndApplyStartsANewGameOnlyForANewBoard)
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
        {"15|80|2|99|1|5000|0|0|5000", "", 0, true}};
    k->ChangeLanguage(LANG_ENGLISH);
    for (auto& c : cases) {
        SCOPED_TRACE(c.values);
        k->StartLevel(4);
        HWND page = Open(1);
        std::istringstream values(c.values);
        const int* edit = edits;
        for (std::string value; std::getline(values, value, '|'); ++edit)
            SetDlgItemTextA(page, *edit, value.c_str());
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

// A Test plays its action with its edit's duration, at most ten seconds, then puts the setting back.
TEST_F(DialogTest, EachTestButtonPlaysWithItsEditsDurationBounded)
{
    g_playSound = WatchingPlaySound;
    HWND page = Open(1);
    const struct { int button, edit; CIntSetting CSettings::*setting; const char* typed; int used, wave; } tests[] = {
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "7", 7, WAVE_DEATH},  // the robot steps on him
        {IDC_TELE_TEST, IDC_TELE, &CSettings::temps_tele, "7", 7, WAVE_TELEPORT},
        {IDC_SONIC_TEST, IDC_SONIC, &CSettings::temps_sonic, "7", 7, WAVE_SONIC},
        {IDC_HELLO_TEST, IDC_HELLO, &CSettings::temps_coucou, "7", 7, WAVE_HELLO},
        {IDC_MOVE_TEST, IDC_MOVE, &CSettings::temps_move, "2147483648", 10000, WAVE_LEVEL}};  // no robot: level ends
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
}

// The bitmaps in the program's order, the waves sorted; the hero, the robot and the heap with their
// pictures 0, 1 and 2, cells and pixels.
TEST_F(DialogTest, TheDebugPagesShowTheIniPathTheResourcesAndEveryPiece)
{
    std::string bitmaps;
    for (int id : {175, 176, 177, 178, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 196, 223, 224,
                   225, 226, 227, 228, 229, 230, 231, 232, 233, 235, 237, 238, 239, 240, 241, 242, 243, 244, 245, 268})
        bitmaps += "Bitmap " + std::to_string(id) + "|";
    Layout(10, 10);
    Robot(19, 19);
    k->AppendHeap(11, 10);
    HWND page = Open(2), list = GetDlgItem(Page(3), IDC_PIECES);
    EXPECT_NE(std::string::npos, Item(page, IDC_INI_PATH).find("\\krelmot-shell-test\\Krelmot.ini"));
    EXPECT_EQ(bitmaps, Items(GetDlgItem(page, IDC_BITMAPS)));
    EXPECT_EQ("Wave 196|Wave 200|Wave 201|Wave 202|Wave 203|Wave 206|Wave 207|Wave 238|",
              Items(GetDlgItem(page, IDC_WAVES)));
    ASSERT_EQ(3, ListView_GetItemCount(list));
    CCell cells[3] = {At(10, 10), At(19, 19), At(11, 10)};
    for (int row = 0; row < 3; ++row) {
        CPoint p = k->PixelOf(cells[row].column, cells[row].line);
        char expected[64];
        snprintf(expected, sizeof expected, "%d| %d|%d|%d|%d|%d|", row, row, cells[row].column, cells[row].line, p.x,
                 p.y);
        EXPECT_EQ(expected, Row(list, row));
    }
}

TEST_F(DialogTest, DebugApplyDrawsTheGridAndStartsANewGameOnlyWhenImmortalityChanged)
{
    const struct { int clicks[2]; bool grid, immortal; int level; } cases[] = {
        {{IDC_GRID, 0}, true, false, 4}, {{IDC_IMMORTAL, 0}, false, true, 1},
        {{IDC_IMMORTAL, IDC_IMMORTAL}, false, false, 4}};  // switched back: no new game
    for (auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        k->settings.grille.value = k->settings.immortalite.value = false;
        k->level = 4;
        HWND page = Open(2);
        for (int box : c.clicks)
            SendDlgItemMessageA(page, box, BM_CLICK, 0, 0);
        ValidateRect(k->mainWindow, NULL);
        Press(PSBTN_APPLYNOW);
        EXPECT_EQ((std::vector<int>{c.grid, c.immortal, c.level}),
                  (std::vector<int>{k->settings.grille.Get(), k->settings.immortalite.Get(), k->level}));
        EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board drawn again";
    }
}

TEST_F(DialogTest, TheirKeysAndCommandsOpenTheDialogsOverAHiddenMarker)
{
    k->ChangeLanguage(LANG_ENGLISH);
    const struct { WPARAM key; int command; } openings[] = {
        {VK_F1, 0}, {0, CMD_HELP}, {0, CMD_ABOUT}, {'O', 0}, {0, CMD_OPTIONS}};
    for (auto& open : openings) {
        Layout(10, 10);
        MoveMouse(FromHeroCentre(20, 3));
        ASSERT_TRUE(k->IsDirectionMarkerActive());
        UINT_PTR timer = SetTimer(NULL, 0, 10, EndDialogSoon);
        open.key ? Key(open.key) : Command(open.command);
        KillTimer(NULL, timer);
    }
    EXPECT_EQ("Help|Help|About ...|Options|Options|", g_opened);
}

// The help: light grey on black, its title and thank-you button in grey sweeps, that button its only way
// out, with an answer and a sound. The about box: a link found by position lights under the pointer and a
// click opens it through the shell; Enter closes, Escape does not.
TEST_F(DialogTest, HelpAndAboutSpeakTheLanguageAndAnswerKeysClicksAndThePointer)
{
    g_shellExecute = RecordShell;
    const struct { int language; bool sound; const char *help, *start, *about, *mail; } cases[] = {
        {LANG_FRENCH, true, "Aide|Merci Tessarin Software !|KRELMOT", "\r\n Krelmot est bas\xe9 sur",
         "A propos ...|Site web: https://krelmot.example.org/|Remarques et suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20FR"},
        {LANG_ENGLISH, false, "Help|Thank you Tessarin Software !|KRELMOT", "\r\n Krelmot is based on",
         "About ...|Web site: https://krelmot.example.org/|Remarks and suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20EN"}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.language);
        k->ChangeLanguage(c.language);
        k->settings.son.value = c.sound;
        g_recorded.sounds.clear();
        HWND d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(IDD_HELP), k->mainWindow, HelpDialogProc, 0);
        HWND edit = GetDlgItem(d, IDC_HELP_TEXT), title = GetDlgItem(d, IDC_HELP_TITLE);
        HWND thanks = GetDlgItem(d, IDC_HELP_THANKS);
        ShowWindow(d, SW_SHOW);
        EXPECT_EQ(c.help, Text(d) + "|" + Text(thanks) + "|" + Text(title));
        EXPECT_EQ(0u, Text(edit).find(c.start));
        HDC dc = GetDC(edit);  // a stock brush, which the edit may keep as long as it likes
        EXPECT_EQ(GetStockObject(BLACK_BRUSH), (HGDIOBJ)SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)edit));
        EXPECT_EQ(RGB(220, 220, 220), GetTextColor(dc));
        ReleaseDC(edit, dc);
        EXPECT_TRUE(KeyTo(d, VK_ESCAPE) && KeyTo(d, VK_RETURN));
        const struct { HWND control; bool pressed; int end; } bands[] = {  // white or black at the left end
            {title, false, 255}, {thanks, false, 255}, {thanks, true, 0}};
        for (auto& b : bands) {  // the sweep's direction: the rest is SL_DrawGradientItem's
            SendMessageA(b.control, BM_SETSTATE, b.pressed, 0);
            UpdateWindow(b.control);
            EXPECT_NEAR(b.end, GetRValue(CGrab(b.control).At(0, 2)), 5) << GetDlgCtrlID(b.control) << " " << b.pressed;
        }
        SendMessageA(thanks, BM_CLICK, 0, 0);
        EXPECT_EQ(c.sound ? std::vector<int>{WAVE_THANKS} : std::vector<int>{}, g_recorded.sounds);
        EXPECT_TRUE(Text(thanks) == "De rien !" && !IsWindowVisible(d));
        CAboutDialog about;
        d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(IDD_ABOUT), k->mainWindow, AboutDialogProc,
                               (LPARAM)&about);
        ShowWindow(d, SW_SHOW);
        HWND web = GetDlgItem(d, IDC_ABOUT_WEB), mail = GetDlgItem(d, IDC_ABOUT_MAIL);
        EXPECT_EQ(c.about, Text(d) + "|" + Text(web) + "|" + Text(mail));
        const struct { HWND under; std::vector<std::string> commands; } moves[] = {
            {web, {"open https://krelmot.example.org/"}}, {mail, {c.mail}}, {GetDlgItem(d, IDC_ABOUT_CREDITS), {}},
            {d, {}}, {mail, {c.mail}}};
        for (auto& m : moves) {  // a move, then a click where the pointer stopped
            SCOPED_TRACE(&m - moves);
            POINT p = {3, 3};
            MapWindowPoints(m.under, d, &p, 1);
            g_shell.clear();
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
            for (HWND link : {web, mail})
                EXPECT_EQ(GetSysColor(link == m.under ? COLOR_INFOBK : COLOR_BTNFACE), CGrab(link).At(2, 2));
            SendMessageA(d, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y));
            EXPECT_EQ(m.commands, g_shell);
        }
        EXPECT_TRUE(KeyTo(d, VK_ESCAPE) && !KeyTo(d, VK_RETURN));
        DestroyWindow(d);  // before its object
    }
}
