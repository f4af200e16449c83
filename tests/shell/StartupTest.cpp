// Start-up and shutdown against the INI file, and the language menu.
#include "tests/shell/ShellFixture.h"

namespace {

std::string EndProgram()
{
    DestroyWindow(g_krelmot->mainWindow);
    PumpMessages();
    ShutDown();
    return ReadTestIni();
}

bool Checked(HWND window, int command) { return GetMenuState(GetMenu(window), command, MF_BYCOMMAND) & MF_CHECKED; }

class PreparedIniTest : public ShellTest {
protected:
    void WriteIni()
    {
        WriteTestIni("[profile]\r\nversion=1\r\n[gen]\r\ncol_fenetre=200\r\nlig_fenetre=120\r\nlangue=0\r\n"
                     "meilleur_score=40\r\n[std]\r\nlargeur=20\r\nhauteur=16\r\nintro=0\r\n");
    }
};

}

// With no INI file: the defaults, the first intro included.
class FirstRunTest : public ShellTest {
protected:
    void WriteIni() {}
};

TEST_F(FirstRunTest, OneWindowFitsTheGridAndAFirstRunWritesTheVersionPlaceAndIntroDuration)
{
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

// The saved settings are used, and written back only once changed; the
// language items carry the check mark and a help line in their language.
TEST_F(PreparedIniTest, TheSavedSettingsAreUsedAndOnlyChangedOnesWrittenBack)
{
    RECT window;
    GetWindowRect(k->mainWindow, &window);
    EXPECT_EQ(200, window.left);
    EXPECT_EQ(120, window.top);
    EXPECT_EQ(20, k->Columns());
    EXPECT_EQ(16, k->Lines());
    EXPECT_EQ(LANG_FRENCH, k->texts.GetLanguage());
    EXPECT_TRUE(Checked(k->mainWindow, CMD_FRENCH) && !Checked(k->mainWindow, CMD_ENGLISH));
    std::string before = ReadTestIni();
    EXPECT_EQ(before, EndProgram());
    SetUp();
    for (int command : {CMD_FRENCH, CMD_ENGLISH}) {
        SendMessageA(k->mainWindow, WM_COMMAND, command, 0);
        EXPECT_TRUE(Checked(k->mainWindow, command) && !Checked(k->mainWindow, CMD_FRENCH + CMD_ENGLISH - command))
            << command;
    }
    SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_FRENCH, 0), 0);
    EXPECT_EQ("Krelmot in Valmaret's mother tongue", Part(0));
    SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(2, MF_POPUP), 0);
    EXPECT_EQ("Krelmot ", Part(0)) << "no help for a sub-menu title";
    Layout(10, 10);
    Robot(11, 11);
    k->score = 45;
    Key(VK_NUMPAD5);
    ASSERT_TRUE(k->hero.dead);
    std::string ini = EndProgram();
    EXPECT_NE(std::string::npos, ini.find("meilleur_score=45\r\n")) << ini;
    EXPECT_NE(std::string::npos, ini.find("langue=1\r\n")) << ini;
    EXPECT_EQ(std::string::npos, ini.find("nb_robot")) << ini;
    EXPECT_NE(std::string::npos, ini.find("col_fenetre=200\r\n")) << ini;
}
