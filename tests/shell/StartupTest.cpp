// Start-up and shutdown against the INI file, the language, the intro at start-up and on F9, the session's end.
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"
#include "Version.h"

TEST_F(ShellTest, OneWindowFitsTheGridAndAFirstRunWritesThePlaceAndIntroDuration)
{
    Restart("");
    EXPECT_EQ(k->mainWindow, FindWindowA("KrelmotClassWindow", KRELMOT_TITLE));
    EXPECT_TRUE(k->introActive) << "the first intro greets a first run";
    EXPECT_EQ(START_OTHER_COPY, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 1));
    RECT client, window;
    GetClientRect(k->mainWindow, &client);
    EXPECT_TRUE(client.right == 17 * k->Columns() + 1 && k->gridRect.top == k->bandHeight &&
                client.bottom == k->bandHeight + 17 * k->Lines() + 1 + k->statusBarHeight);
    GetWindowRect(k->mainWindow, &window);
    EXPECT_EQ("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=200\r\n[gen]\r\nlig_fenetre=" +
                  std::to_string(window.top) + "\r\ncol_fenetre=" + std::to_string(window.left) + "\r\n",
              EndProgram());
}

// Each saved language in every text but the clock (menus, bar, buttons, help line); an
// unchanged run writes nothing. A switch, in the intro or in play, equals a start in the new
// language and is written back with a new best score, the rest as it was.
TEST_F(ShellTest, TheLanguageIsTheSavedOneAndASwitchRetextsEverything)
{
    auto texts = [this]() {
        std::string s;
        char text[128];
        HMENU bar = GetMenu(k->mainWindow);
        for (int header = 0; header < GetMenuItemCount(bar); ++header) {
            GetMenuStringA(bar, header, text, sizeof text, MF_BYPOSITION);
            s += text + std::string(":");
        }
        for (int id : {CMD_NEW_GAME, CMD_OPTIONS, CMD_END, CMD_TELEPORT, CMD_SONIC, CMD_REMAIN, CMD_HELLO, CMD_FRENCH,
                       CMD_ENGLISH, CMD_HELP, CMD_ABOUT}) {
            UINT state = GetMenuState(bar, id, MF_BYCOMMAND);
            GetMenuStringA(bar, id, text, sizeof text, MF_BYCOMMAND);
            s += text + std::string(state & MF_CHECKED ? "*" : "") + (state & MF_GRAYED ? "~|" : "|");
            if (SendMessageA(k->toolBand->toolbar, TB_GETBUTTONTEXTA, id, (LPARAM)text) > 0)
                s += text + std::string(SendMessageA(k->toolBand->toolbar, TB_ISBUTTONENABLED, id, 0) ? "|" : "~|");
        }
        for (int part : {0, 2, 3, 4, 5, 6, 7})
            s += Part(part) + "|";
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_TELEPORT, MF_HILITE), 0);
        s += Part(0) + "|";
        SendMessageA(k->mainWindow, WM_EXITMENULOOP, 0, 0);
        return s + Part(0);
    };
    // What an earlier run kept, on a 40 x 24 board at 200, 120 with an intro.
    auto saved = [](int language) {
        return "[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=200\r\nlig_fenetre=120\r\nlangue=" + std::to_string(language) +
               "\r\nmeilleur_score=40\r\n[std]\r\nlargeur=40\r\nhauteur=24\r\ntemps_move=0\r\nintro=2\r\n";
    };
    const char* const shown[] = {
        "&Fichier:&Action:&Langage:&?:&Initialisation|Initialisation|&Options|Options|&Fin|Fin|&T\xe9l\xe9portation|"
        "T\xe9l\xe9portation|&Sonic|Sonic|&Reste|Reste|&Coucou|Coucou|Fran\xe7" "ais*|&English|&Aide|Aide|A &propos ...|Krelmot|"
        "Tableau:1|Sonic:0|T\xe9l\xe9:0|6|0|Meilleur Score:40|Changement al\xe9" "atoire de position|Krelmot",
        "&File:&Action:&Language:&?:&Initialization|Initialization|&Options|Options|&End|End|&Teleportation|Teleportation|"
        "&Sonic|Sonic|&Remain|Remain|&Hello|Hello|Fran\xe7" "ais|&English*|&Help|Help|&About ...|Krelmot |Level:1|Sonic:0|"
        "Tele:0|6|0|Best Score:40|New random position|Krelmot "};
    for (int language : {LANG_FRENCH, LANG_ENGLISH}) {
        Restart(saved(language));
        Key('I');
        EXPECT_EQ(shown[language], texts());
        EXPECT_EQ(saved(language), EndProgram()) << "an unchanged run writes nothing, so the place was kept";
    }
    Restart(saved(LANG_ENGLISH));
    Command(CMD_FRENCH);
    EXPECT_TRUE(k->introActive && GetMenuState(GetMenu(k->mainWindow), CMD_TELEPORT, MF_BYCOMMAND) & MF_GRAYED);
    Key('I');
    EXPECT_EQ("T\xe9l\xe9:0", Part(4)) << "the counters re-texted once the intro ends";
    Command(CMD_ENGLISH);
    Command(CMD_FRENCH);
    EXPECT_EQ(shown[LANG_FRENCH], texts()) << "switched in the intro, then twice in play";
    k->settings.meilleur_score.Set(45);
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
            EXPECT_TRUE((c.pieces > 0) == k->introActive && k->introActive == k->hero.dead &&
                        (!c.pieces || c.pieces == k->robots.Count())) << "round " << round;
            Key('I');
            EXPECT_FALSE(k->introActive);
            Key(VK_F9);
        }
    }
}

// The window outlives the session's end: the best score is written at once, a single time; an end called off writes nothing.
TEST_F(ShellTest, TheEndOfTheSessionWritesTheBestScoreOnce)
{
    k->settings.meilleur_score.Set(1234);
    EXPECT_TRUE(SendMessageA(k->mainWindow, WM_QUERYENDSESSION, 0, 0));
    SendMessageA(k->mainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(std::string::npos, ReadTestIni().find("meilleur_score"));
    SendMessageA(k->mainWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(std::string::npos, ReadTestIni().find("meilleur_score=1234\r\n")) << ReadTestIni();
    WriteTestIni("[profile]\r\nversion=1\r\n");
    SendMessageA(k->mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(std::string::npos, EndProgram().find("meilleur_score")) << "written twice";
}

// No saved position, or a title bar on no screen, opens centred on the work area; one partly off stays.
TEST_F(ShellTest, AWindowOffEveryScreenOpensCentred)
{
    auto startAt = [this](const std::string& place) {
        Restart("[profile]\r\nversion=1\r\n[gen]\r\n" + place + "[std]\r\nintro=0\r\n");
        RECT r, work;
        GetWindowRect(k->mainWindow, &r);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        if (r.left == (work.left + work.right - (r.right - r.left)) / 2 &&
            r.top == (work.top + work.bottom - (r.bottom - r.top)) / 2)
            return std::string("centred");
        return std::to_string(r.left) + "," + std::to_string(r.top);
    };
    EXPECT_EQ("centred", startAt(""));
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    const struct { const char* name; int left, top; bool kept; } rows[] = {
        {"partly off, left", -100, 50, true}, {"partly off, bottom", 200, cy - 10, true},
        {"hand-edited far away", -30000, -30000, false}, {"below the screen", 200, cy + 10, false},
        {"right of the screen", GetSystemMetrics(SM_CXSCREEN) + 5, 100, false}};
    for (auto& row : rows) {
        std::string left = std::to_string(row.left), top = std::to_string(row.top);
        EXPECT_EQ(row.kept ? left + "," + top : "centred",
                  startAt("col_fenetre=" + left + "\r\nlig_fenetre=" + top + "\r\n")) << row.name;
    }
}
