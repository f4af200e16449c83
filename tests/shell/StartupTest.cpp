// Start-up and shutdown against the INI file, the language switched at run
// time, and the intro at start-up and on F9.
#include "tests/shell/ShellFixture.h"

namespace {

std::string MenuText(HMENU menu, int position)
{
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Every text of the menu bar, sub-menu by sub-menu, separators empty.
std::string MenuTexts(HWND window)
{
    HMENU bar = GetMenu(window);
    std::string texts;
    for (int header = 0; header < GetMenuItemCount(bar); ++header) {
        texts += MenuText(bar, header) + ":";
        for (int item = 0; item < GetMenuItemCount(GetSubMenu(bar, header)); ++item)
            texts += MenuText(GetSubMenu(bar, header), item) + "|";
    }
    return texts;
}

bool Checked(HWND window, int command) { return GetMenuState(GetMenu(window), command, MF_BYCOMMAND) & MF_CHECKED; }

// What an earlier run kept; the board is not the default 47 x 32.
std::string SavedIni(int language, const std::string& intro = "0")
{
    return "[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=200\r\nlig_fenetre=120\r\nlangue=" +
           std::to_string(language) + "\r\nmeilleur_score=40\r\n[std]\r\nlargeur=40\r\nhauteur=24\r\ntemps_move=0\r\n" +
           "intro=" + intro + "\r\n";
}

class StartupTest : public ShellTest {
protected:
    void WriteIni() { if (!ini.empty()) WriteTestIni(ini); }
    // Ends the running program and starts it again on this INI file, none if empty.
    void Restart(const std::string& text)
    {
        TearDown();
        ini = text;
        SetUp();
    }
    std::string EndProgram()
    {
        DestroyWindow(k->mainWindow);
        PumpMessages();
        ShutDown();
        return ReadTestIni();
    }
    std::vector<CCell> RobotCells()
    {
        std::vector<CCell> cells;
        for (CPieceList<CRobot>::Iterator r = k->robots.begin(); r != k->robots.end(); ++r)
            cells.push_back(r->Cell());
        return cells;
    }
    // The welcome line's pixels: they change with its text.
    std::vector<COLORREF> WelcomeRow()
    {
        std::vector<COLORREF> row;
        HDC dc = GetDC(k->mainWindow);
        for (int x = 0; x < k->gridRect.right; ++x)
            row.push_back(GetPixel(dc, x, k->PixelOf(0, k->painter.welcomeLine).y + 6));
        ReleaseDC(k->mainWindow, dc);
        return row;
    }

    std::string ini = "[std]\r\nintro=0\r\n";
};

}

TEST_F(StartupTest, OneWindowFitsTheGridAndAFirstRunWritesTheVersionPlaceAndIntroDuration)
{
    Restart("");
    EXPECT_EQ(k->mainWindow, FindWindowA("KrelmotClassWindow", "Krelmot 1.0"));
    EXPECT_TRUE(k->introActive) << "the first intro greets a first run";
    EXPECT_EQ(START_OTHER_COPY, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 1));
    EXPECT_EQ(k, g_krelmot) << "no second game is made";
    RECT client, window;
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(17 * k->Columns() + 1, client.right);
    EXPECT_EQ(k->bandHeight + 17 * k->Lines() + 1 + k->statusBarHeight, client.bottom);
    GetWindowRect(k->mainWindow, &window);
    // Written in reverse order of the settings: the intro's move duration before the place.
    EXPECT_EQ("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=200\r\n[gen]\r\nlig_fenetre=" +
                  std::to_string(window.top) + "\r\ncol_fenetre=" + std::to_string(window.left) + "\r\n",
              EndProgram());
}

// The menu shows the saved language without key hints; choosing it again, like
// the rest of such a run, changes nothing and writes nothing.
TEST_F(StartupTest, TheSavedSettingsAreUsedAndAnUnchangedRunWritesNothing)
{
    const char* const menus[] = {"&Fichier:&Initialisation|&Options|&Fin|&Action:&T\xe9l\xe9portation|&Sonic|&Reste||"
                                 "&Coucou|&Langage:Fran\xe7" "ais|&English|&?:&Aide||A &propos ...|",
                                 "&File:&Initialization|&Options|&End|&Action:&Teleportation|&Sonic|&Remain||&Hello|"
                                 "&Language:Fran\xe7" "ais|&English|&?:&Help||&About ...|"};
    for (int language : {LANG_FRENCH, LANG_ENGLISH}) {
        Restart(SavedIni(language));
        RECT window;
        GetWindowRect(k->mainWindow, &window);
        EXPECT_TRUE(window.left == 200 && window.top == 120 && k->Columns() == 40 && k->Lines() == 24);
        EXPECT_EQ(menus[language], MenuTexts(k->mainWindow));
        Command(CMD_FRENCH + language);
        EXPECT_EQ(menus[language], MenuTexts(k->mainWindow));
        EXPECT_TRUE(Checked(k->mainWindow, CMD_FRENCH + language) && !Checked(k->mainWindow, CMD_ENGLISH - language));
        EXPECT_EQ(SavedIni(language), EndProgram());
    }
}

// A switch during the intro re-texts it all but leaves the picture; the switch
// and a new best score are then written back, the rest as it was.
TEST_F(StartupTest, ASwitchDuringTheIntroRetextsEverythingAndChangesAreWrittenBack)
{
    Restart(SavedIni(LANG_ENGLISH, "2"));
    ASSERT_TRUE(k->introActive);
    std::vector<CCell> robots = RobotCells();
    std::vector<COLORREF> englishWelcome = WelcomeRow();
    Command(CMD_FRENCH);
    PumpMessages();
    EXPECT_EQ("&Fichier", MenuText(GetMenu(k->mainWindow), 0));
    EXPECT_EQ("Meilleur Score:40", Part(7));
    EXPECT_NE(englishWelcome, WelcomeRow());
    EXPECT_TRUE(robots == RobotCells() && k->introActive) << "the picture stays as it is";
    EXPECT_TRUE(Checked(k->mainWindow, CMD_FRENCH) && !Checked(k->mainWindow, CMD_ENGLISH));
    EXPECT_TRUE(GetMenuState(GetMenu(k->mainWindow), CMD_TELEPORT, MF_BYCOMMAND) & MF_GRAYED) << "still greyed";
    Layout(10, 10);
    Robot(11, 11);
    k->score = 45;
    Key(VK_NUMPAD5);
    ASSERT_TRUE(k->hero.dead);
    std::string ini = EndProgram();
    EXPECT_NE(std::string::npos, ini.find("meilleur_score=45\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("langue=0\r\n")) << ini;
    EXPECT_EQ(std::string::npos, ini.find("nb_robot")) << ini;
    EXPECT_NE(std::string::npos, ini.find("col_fenetre=200\r\n")) << ini;
}

TEST_F(StartupTest, StartUpAndF9ShowTheChosenIntroWhenItFits)
{
    const struct {
        int intro, columns, lines, pieces;  // no pieces: not shown
    } cases[] = {{0, 47, 32, 0}, {2, 47, 32, 152}, {3, 47, 32, 223}, {1, 15, 15, 0}, {7, 47, 32, 0}};
    for (const auto& c : cases) {
        Restart("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=0\r\nintro=" + std::to_string(c.intro) +
                "\r\nlargeur=" + std::to_string(c.columns) + "\r\nhauteur=" + std::to_string(c.lines) + "\r\n");
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(c.pieces > 0, k->introActive) << "intro " << c.intro << " round " << round;
            EXPECT_EQ(c.pieces > 0, k->hero.dead) << "intro " << c.intro;
            EXPECT_TRUE(!c.pieces || c.pieces == k->robots.Count()) << "intro " << c.intro;
            Key('I');
            EXPECT_FALSE(k->introActive);
            Key(VK_F9);
        }
        EXPECT_TRUE(g_recorded.boxes.empty()) << "intro " << c.intro;
    }
}
