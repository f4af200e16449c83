// The language switched at run time, and the intro pictures at start-up and on F9.
#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
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
        HMENU sub = GetSubMenu(bar, header);
        for (int item = 0; item < GetMenuItemCount(sub); ++item)
            texts += MenuText(sub, item) + "|";
    }
    return texts;
}

class LanguageTest : public ShellTest {
protected:

    // Ends the running program and starts it again on this INI file.
    void Restart(const std::string& ini)
    {
        DestroyWindow(k->mainWindow);
        PumpMessages();
        ShutDown();
        UnregisterClassA(g_className, GetModuleHandleA(NULL));
        WriteTestIni(ini);
        g_recorded = CRecorded();
        ASSERT_EQ(START_OK, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 12345));
        k = g_krelmot;
        PumpMessages();
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
        CPoint line = k->PixelOf(0, k->painter.welcomeLine);
        std::vector<COLORREF> row;
        HDC dc = GetDC(k->mainWindow);
        for (int x = 0; x < k->gridRect.right; ++x)
            row.push_back(GetPixel(dc, x, line.y + 6));
        ReleaseDC(k->mainWindow, dc);
        return row;
    }
};

const char* const BOARD = "[std]\r\nlargeur=47\r\nhauteur=32\r\ntemps_move=0\r\n";

}

TEST_F(LanguageTest, TheMenuShowsTheSavedLanguageWithoutKeyHints)
{
    const struct {
        int language;
        const char* menu;
    } cases[] = {
        {LANG_ENGLISH,
         "&File:&Initialization|&Options|&End|&Action:&Teleportation|&Sonic|&Remain||&Hello|"
         "&Language:Fran\xe7" "ais|&English|&?:&Help||&About ...|"},
        {LANG_FRENCH,
         "&Fichier:&Initialisation|&Options|&Fin|&Action:&T\xe9l\xe9portation|&Sonic|&Reste||&Coucou|"
         "&Langage:Fran\xe7" "ais|&English|&?:&Aide||A &propos ...|"},
    };
    for (const auto& c : cases) {
        Restart(std::string("[profile]\r\nversion=1\r\n[gen]\r\nlangue=") + std::to_string(c.language) + "\r\n" +
                BOARD + "intro=0\r\n");
        EXPECT_EQ(c.menu, MenuTexts(k->mainWindow)) << c.language;
    }
}

TEST_F(LanguageTest, ASwitchDuringTheIntroRetextsEverythingAndMovesNoRobot)
{
    Restart(std::string("[profile]\r\nversion=1\r\n[gen]\r\nlangue=1\r\n") + BOARD + "intro=2\r\n");
    ASSERT_TRUE(k->introActive);
    std::vector<CCell> robots = RobotCells();
    std::vector<COLORREF> englishWelcome = WelcomeRow();
    Command(CMD_FRENCH);
    PumpMessages();
    EXPECT_EQ("&Fichier", MenuText(GetMenu(k->mainWindow), 0));
    EXPECT_EQ("Initialisation", ButtonLabel(CMD_NEW_GAME));
    EXPECT_EQ("Krelmot", Part(0));
    EXPECT_EQ("Meilleur Score:0", Part(7));
    EXPECT_NE(englishWelcome, WelcomeRow());
    EXPECT_TRUE(robots == RobotCells()) << "the picture stays as it is";
    EXPECT_TRUE(k->introActive);
    HMENU languages = GetSubMenu(GetMenu(k->mainWindow), 2);
    EXPECT_EQ((UINT)MF_CHECKED, GetMenuState(languages, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(languages, 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ((UINT)MF_GRAYED, GetMenuState(GetSubMenu(GetMenu(k->mainWindow), 1), CMD_TELEPORT, MF_BYCOMMAND) &
                                   MF_GRAYED)
        << "a re-texted item keeps its grey";
}

TEST_F(LanguageTest, TheCurrentLanguageChosenAgainChangesNothing)
{
    const std::string ini = std::string("[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=20\r\nlig_fenetre=20\r\n"
                                        "langue=1\r\n") +
                            BOARD + "intro=0\r\n";
    Restart(ini);
    std::string menu = MenuTexts(k->mainWindow);
    Command(CMD_ENGLISH);
    EXPECT_EQ(menu, MenuTexts(k->mainWindow));
    EXPECT_FALSE(k->settings.langue.changed);
    DestroyWindow(k->mainWindow);
    PumpMessages();
    ShutDown();
    EXPECT_EQ(ini, ReadTestIni());
}

TEST_F(LanguageTest, StartUpAndF9ShowTheChosenIntroWhenItFits)
{
    const struct {
        int intro, columns, lines;
        bool shown;
        int pieces;
    } cases[] = {{0, 47, 32, false, 0}, {2, 47, 32, true, 152}, {3, 47, 32, true, 223}, {1, 15, 15, false, 0},
                 {7, 47, 32, false, 0}};
    for (const auto& c : cases) {
        Restart("[profile]\r\nversion=1\r\n[std]\r\ntemps_move=0\r\nintro=" + std::to_string(c.intro) +
                "\r\nlargeur=" + std::to_string(c.columns) + "\r\nhauteur=" + std::to_string(c.lines) + "\r\n");
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(c.shown, k->introActive) << "intro " << c.intro << " round " << round;
            EXPECT_EQ(c.shown, k->hero.dead) << "intro " << c.intro;
            EXPECT_TRUE(!c.shown || c.pieces == k->robots.Count()) << "intro " << c.intro;
            Key('I');
            EXPECT_FALSE(k->introActive);
            Key(VK_F9);
        }
        EXPECT_TRUE(g_recorded.boxes.empty()) << "intro " << c.intro;
    }
}
