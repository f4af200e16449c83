// What the program keeps when the session ends under it, and where it opens
// when the saved position lies off every screen.
#include "tests/shell/ShellFixture.h"

namespace {

class SessionTest : public ShellTest {
protected:
    void StartAt(const std::string& savedPosition)
    {
        Restart("[profile]\r\nversion=1\r\n[gen]\r\n" + savedPosition + "[std]\r\nintro=0\r\n");
    }
    POINT TopLeft()
    {
        RECT r;
        GetWindowRect(k->mainWindow, &r);
        return POINT{r.left, r.top};
    }
};

}

// The session ends without the window being destroyed: the best score reached
// must be in the file at once, written a single time; an end called off writes nothing.
TEST_F(SessionTest, TheEndOfTheSessionWritesTheBestScoreOnce)
{
    k->settings.meilleur_score.Set(1234);
    EXPECT_TRUE(SendMessageA(k->mainWindow, WM_QUERYENDSESSION, 0, 0));
    SendMessageA(k->mainWindow, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(std::string::npos, ReadTestIni().find("meilleur_score"));
    SendMessageA(k->mainWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    std::string written = ReadTestIni();
    EXPECT_NE(std::string::npos, written.find("meilleur_score=1234\r\n")) << written;
    WriteTestIni("[profile]\r\nversion=1\r\n");
    SendMessageA(k->mainWindow, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(std::string::npos, EndProgram().find("meilleur_score")) << "written twice";
}

// A title bar on no screen opens centred, as with no saved position;
// a window partly off the screen stays where the player left it.
TEST_F(SessionTest, AWindowOffEveryScreenOpensCentred)
{
    StartAt("");
    POINT centred = TopLeft();
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct { const char* name; int left, top; bool kept; } rows[] = {
        {"partly off, left", -100, 50, true},
        {"partly off, bottom", 200, screenHeight - 10, true},
        {"hand-edited far away", -30000, -30000, false},
        {"below the screen", 200, screenHeight + 10, false},
        {"right of the screen", GetSystemMetrics(SM_CXSCREEN) + 5, 100, false},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        StartAt("col_fenetre=" + std::to_string(row.left) + "\r\nlig_fenetre=" + std::to_string(row.top) + "\r\n");
        POINT at = TopLeft();
        POINT expected = row.kept ? POINT{row.left, row.top} : centred;
        EXPECT_TRUE(at.x == expected.x && at.y == expected.y) << at.x << "," << at.y;
    }
}
