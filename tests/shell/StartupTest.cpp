// Start-up and shutdown against the INI file, the language, and the intro at start-up and on F9.
#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"
#include "Version.h"

namespace {

std::string SavedIni(int language, const std::string& intro = "0")  // what an earlier run kept, on a 40 x 24 board
{
    return "[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=200\r\nlig_fenetre=120\r\nlangue=" +
           std::to_string(language) + "\r\nmeilleur_score=40\r\n[std]\r\nlargeur=40\r\nhauteur=24\r\ntemps_move=0\r\n" +
           "intro=" + intro + "\r\n";
}

}

TEST_F(ShellTest, OneWindowFitsTheGridAndAFirstRunWritesThePlaceAndIntroDuration)
{
    Restart("");
    EXPECT_EQ(k->mainWindow, FindWindowA("KrelmotClassWindow", KRELMOT_TITLE));
    EXPECT_TRUE(k->introActive) << "the first intro greets a first run";
    EXPECT_EQ(START_OTHER_COPY, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 1));
    RECT client, window;
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(17 * k->Columns() + 1, client.right);
    EXPECT_EQ(k->bandHeight + 17 * k->Lines() + 1 + k->statusBarHeight, client.bottom);
    GetWindowRect(k->mainWindow, &window);
    EXPECT_EQ("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=200\r\n[gen]\r\nlig_fenetre=" +
                  std::to_string(window.top) + "\r\ncol_fenetre=" + std::to_string(window.left) + "\r\n",
              EndProgram());
}

// Each saved language in every text but the clock (menus, bar, labels, tooltip, help line, welcome
// line); an unchanged run writes nothing. A switch, in the intro or in play, equals a start in the
// new language and is written back with a new best score, the rest as it was.
TEST_F(ShellTest, TheLanguageIsTheSavedOneAndASwitchRetextsEverything)
{
    auto texts = [this]() {
        std::string s;
        char text[128];
        HMENU bar = GetMenu(k->mainWindow);
        for (int header = 0; header < GetMenuItemCount(bar); ++header) {
            GetMenuStringA(bar, header, text, sizeof text, MF_BYPOSITION);
            s += text + std::string(":");
            HMENU menu = GetSubMenu(bar, header);
            for (int item = 0; item < GetMenuItemCount(menu); ++item) {
                UINT state = GetMenuState(menu, item, MF_BYPOSITION);
                text[0] = '\0';
                GetMenuStringA(menu, item, text, sizeof text, MF_BYPOSITION);
                s += text + std::string(state & MF_CHECKED ? "*" : "") + (state & MF_GRAYED ? "~|" : "|");
            }
        }
        for (int part : {0, 2, 3, 4, 5, 6, 7})
            s += Part(part) + "|";
        for (int id : {CMD_NEW_GAME, CMD_OPTIONS, CMD_TELEPORT, CMD_SONIC, CMD_REMAIN, CMD_HELLO, CMD_HELP, CMD_END}) {
            RECT button;
            SendMessageA(k->toolBand->toolbar, TB_GETBUTTONTEXTA, id, (LPARAM)text);
            SendMessageA(k->toolBand->toolbar, TB_GETRECT, id, (LPARAM)&button);
            bool enabled = SendMessageA(k->toolBand->toolbar, TB_ISBUTTONENABLED, id, 0);
            s += text + std::string(enabled ? "" : "~") + (button.right - button.left > 80 ? " too wide|" : "|");
        }
        NMTTDISPINFOA tip = {};
        tip.hdr.idFrom = CMD_TELEPORT;
        tip.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(k->mainWindow, WM_NOTIFY, CMD_TELEPORT, (LPARAM)&tip);
        // A sub-menu title gives its position, here one whose help number holds a text: none is shown.
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), 0);
        s += tip.szText + ("|" + Part(0));
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_TELEPORT, MF_HILITE), 0);
        s += "|" + Part(0);
        SendMessageA(k->mainWindow, WM_EXITMENULOOP, 0, 0);
        return s + "|" + Part(0);
    };
    auto welcome = [this]() {
        CGrab grab(k->mainWindow);
        size_t line = (size_t)(k->PixelOf(0, k->painter.welcomeLine).y + 6) * grab.width;
        return std::vector<COLORREF>(grab.pixels.begin() + line, grab.pixels.begin() + line + grab.width);
    };
    const char* const shown[] = {
        "&Fichier:&Initialisation|&Options|&Fin|&Action:&T\xe9l\xe9portation|&Sonic|&Reste|~|&Coucou|&Langage:Fran\xe7"
        "ais*|&English|&?:&Aide|~|A &propos ...|Krelmot|Tableau:1|Sonic:0|T\xe9l\xe9:0|6|0|Meilleur Score:40|"
        "Initialisation|Options|T\xe9l\xe9portation|Sonic|Reste|Coucou|Aide|Fin|&T\xe9l\xe9portation|Krelmot|"
        "Changement al\xe9" "atoire de position|Krelmot",
        "&File:&Initialization|&Options|&End|&Action:&Teleportation|&Sonic|&Remain|~|&Hello|&Language:Fran\xe7"
        "ais|&English*|&?:&Help|~|&About ...|Krelmot |Level:1|Sonic:0|Tele:0|6|0|Best Score:40|Initialization|Options|"
        "Teleportation|Sonic|Remain|Hello|Help|End|&Teleportation|Krelmot |New random position|Krelmot "};
    std::vector<COLORREF> welcomes[2];
    int levelWidth[2];
    for (int language : {LANG_FRENCH, LANG_ENGLISH}) {
        Restart(SavedIni(language, "2"));
        welcomes[language] = welcome();
        Key('I');
        RECT window, bar;
        GetWindowRect(k->mainWindow, &window);
        EXPECT_TRUE(window.left == 200 && window.top == 120 && k->Columns() == 40 && k->Lines() == 24);
        EXPECT_EQ(shown[language], texts());
        // The grip keeps its room; the level's part is measured in the language.
        int r[STATUS_PART_COUNT];
        SendMessageA(k->statusBar->GetHandle(), SB_GETPARTS, STATUS_PART_COUNT, (LPARAM)r);
        GetClientRect(k->statusBar->GetHandle(), &bar);
        EXPECT_EQ(bar.right - (k->statusBar->GetHeight() + k->statusBar->verticalBorder), r[7]);
        levelWidth[language] = r[2] - r[1];
        EXPECT_EQ(SavedIni(language, "2"), EndProgram());
    }
    EXPECT_GT(levelWidth[LANG_FRENCH], levelWidth[LANG_ENGLISH]) << "Tableau:XXX is wider than Level:XXX";
    EXPECT_NE(welcomes[LANG_FRENCH], welcomes[LANG_ENGLISH]);
    Restart(SavedIni(LANG_ENGLISH, "2"));
    Command(CMD_FRENCH);
    EXPECT_EQ(welcomes[LANG_FRENCH], welcome()) << "switched during the intro";
    EXPECT_TRUE(k->introActive && GetMenuState(GetMenu(k->mainWindow), CMD_TELEPORT, MF_BYCOMMAND) & MF_GRAYED);
    Key('I');
    Command(CMD_ENGLISH);
    EXPECT_EQ(shown[LANG_ENGLISH], texts()) << "switched in play";
    Command(CMD_FRENCH);
    EXPECT_EQ(shown[LANG_FRENCH], texts()) << "switched back";
    Key('T');
    Key('S');
    EXPECT_EQ("Sonic:1|T\xe9l\xe9:1", Part(3) + "|" + Part(4));
    Layout(10, 10);
    Robot(11, 11);
    k->score = 45;
    Key(VK_NUMPAD5);
    std::string ini = EndProgram();
    for (const char* line : {"meilleur_score=45\r\n", "langue=0\r\n", "col_fenetre=200\r\n"})
        EXPECT_NE(std::string::npos, ini.find(line)) << line << " in " << ini;
    EXPECT_EQ(std::string::npos, ini.find("nb_robot")) << ini;
}

// No intro: 0, an unknown one, or one too big for the board.
TEST_F(ShellTest, StartUpAndF9ShowTheChosenIntroWhenItFits)
{
    const struct {
        int intro, columns, lines, pieces;  // no pieces: not shown
    } cases[] = {{0, 47, 32, 0}, {2, 47, 32, 152}, {3, 47, 32, 223}, {1, 15, 15, 0}, {7, 47, 32, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "intro " << c.intro);
        Restart("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=0\r\nintro=" + std::to_string(c.intro) +
                "\r\nlargeur=" + std::to_string(c.columns) + "\r\nhauteur=" + std::to_string(c.lines) + "\r\n");
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(c.pieces > 0, k->introActive) << "round " << round;
            EXPECT_TRUE((c.pieces > 0) == k->hero.dead && (!c.pieces || c.pieces == k->robots.Count()));
            Key('I');
            EXPECT_FALSE(k->introActive);
            Key(VK_F9);
        }
        EXPECT_TRUE(g_recorded.boxes.empty());
    }
}
