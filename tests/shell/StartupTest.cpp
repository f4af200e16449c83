// The settings read at start-up and written at shutdown: the whole life of
// the program against its INI file.
#include "tests/shell/ShellFixture.h"

namespace {

std::string EndProgram()
{
    DestroyWindow(g_krelmot->mainWindow);
    PumpMessages();
    ShutDown();
    return ReadTestIni();
}

class PreparedIniTest : public ShellTest {
protected:
    void WriteIni()
    {
        WriteTestIni("[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=200\r\nlig_fenetre=120\r\nlangue=0\r\n"
                     "meilleur_score=40\r\n[std]\r\nlargeur=20\r\nhauteur=16\r\nintro=0\r\n");
    }
};

}

// With no INI file: the defaults, intro 1 included.
class FirstRunTest : public ShellTest {
protected:
    void WriteIni() {}
};

TEST_F(FirstRunTest, AFirstRunWritesTheVersionTheWindowPositionAndTheIntrosMoveDuration)
{
    EXPECT_TRUE(k->introActive);
    RECT window;
    GetWindowRect(k->mainWindow, &window);
    std::string ini = EndProgram();
    char expected[200];
    // Written in reverse order of the settings: the move duration comes before the place.
    sprintf(expected, "[profile]\r\nversion=1\r\n[std]\r\ntemps_move=200\r\n[gen]\r\nlig_fenetre=%d\r\ncol_fenetre=%d\r\n",
            (int)window.top, (int)window.left);
    EXPECT_EQ(expected, ini);
}

TEST_F(PreparedIniTest, TheSavedPlaceSizeAndLanguageAreUsed)
{
    RECT window, client;
    GetWindowRect(k->mainWindow, &window);
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(200, window.left);
    EXPECT_EQ(120, window.top);
    EXPECT_EQ(17 * 20 + 1, client.right);
    EXPECT_EQ(20, k->Columns());
    EXPECT_EQ(16, k->Lines());
    EXPECT_EQ(LANG_FRENCH, k->texts.GetLanguage());
    HMENU languages = GetSubMenu(GetMenu(k->mainWindow), 2);
    EXPECT_EQ((UINT)MF_CHECKED, GetMenuState(languages, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(languages, 1, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(PreparedIniTest, ARunThatChangesNothingWritesNothing)
{
    std::string before = ReadTestIni();
    EXPECT_EQ(before, EndProgram());
}

TEST_F(PreparedIniTest, ChangedSettingsAreWrittenBackAtShutdown)
{
    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(12, 12);
    Robot(19, 15);
    k->score = 35;
    Key(VK_NUMPAD5);
    Key(VK_NUMPAD5);
    ASSERT_TRUE(k->hero.dead);
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_ENGLISH, 0);
    std::string ini = EndProgram();
    EXPECT_NE(std::string::npos, ini.find("meilleur_score=45\r\n"));
    EXPECT_NE(std::string::npos, ini.find("langue=1\r\n"));
    EXPECT_EQ(std::string::npos, ini.find("nb_robot")) << "settings that did not change are not written";
    EXPECT_NE(std::string::npos, ini.find("col_fenetre=200\r\n"));
}

TEST_F(ShellTest, TheLanguageMenuMovesItsCheckMark)
{
    HMENU languages = GetSubMenu(GetMenu(k->mainWindow), 2);
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_FRENCH, 0);
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_FRENCH, 0);
    EXPECT_EQ((UINT)MF_CHECKED, GetMenuState(languages, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(languages, 1, MF_BYPOSITION) & MF_CHECKED);
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_ENGLISH, 0);
    EXPECT_EQ(0u, GetMenuState(languages, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ((UINT)MF_CHECKED, GetMenuState(languages, 1, MF_BYPOSITION) & MF_CHECKED);
    SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_FRENCH, 0), 0);
    EXPECT_EQ("Krelmot in Valmaret's mother tongue", Part(0));
    SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(2, MF_POPUP), 0);
    EXPECT_EQ("Krelmot ", Part(0)) << "no help for a sub-menu title";
}

TEST_F(ShellTest, DeathAndTheSonicGreyTheActionItems)
{
    HMENU actions = GetSubMenu(GetMenu(k->mainWindow), 1);
    Layout(10, 10);
    Robot(30, 30);
    Key('S');
    EXPECT_EQ((UINT)MF_GRAYED, GetMenuState(actions, CMD_SONIC, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, GetMenuState(actions, CMD_TELEPORT, MF_BYCOMMAND) & MF_GRAYED);
    Layout(10, 10);
    EXPECT_EQ(0u, GetMenuState(actions, CMD_SONIC, MF_BYCOMMAND) & MF_GRAYED);
    Robot(11, 11);
    Key(VK_NUMPAD5);
    const int ids[] = {CMD_TELEPORT, CMD_SONIC, CMD_HELLO, CMD_REMAIN};
    for (int id : ids)
        EXPECT_EQ((UINT)MF_GRAYED, GetMenuState(actions, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    EXPECT_EQ(0u, GetMenuState(GetSubMenu(GetMenu(k->mainWindow), 0), CMD_NEW_GAME, MF_BYCOMMAND) & MF_GRAYED);
}
