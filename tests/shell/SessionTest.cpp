// The end of the session, and a saved position off every screen.
#include "tests/shell/ShellFixture.h"

typedef ShellTest SessionTest;

// The window outlives the session's end: the best score is written at once, a single time; an end called off writes nothing.
TEST_F(SessionTest, TheEndOfTheSessionWritesTheBestScoreOnce)
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

// A title bar on no screen opens centred, as with no saved position; one partly off stays.
TEST_F(SessionTest, AWindowOffEveryScreenOpensCentred)
{
    auto startAt = [this](const std::string& place) {
        Restart("[profile]\r\nversion=1\r\n[gen]\r\n" + place + "[std]\r\nintro=0\r\n");
        RECT r;
        GetWindowRect(k->mainWindow, &r);
        return std::to_string(r.left) + "," + std::to_string(r.top);
    };
    const std::string centred = startAt("");
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    const struct { const char* name; int left, top; bool kept; } rows[] = {
        {"partly off, left", -100, 50, true}, {"partly off, bottom", 200, cy - 10, true},
        {"hand-edited far away", -30000, -30000, false}, {"below the screen", 200, cy + 10, false},
        {"right of the screen", GetSystemMetrics(SM_CXSCREEN) + 5, 100, false}};
    for (auto& row : rows) {
        std::string left = std::to_string(row.left), top = std::to_string(row.top);
        EXPECT_EQ(row.kept ? left + "," + top : centred, startAt("col_fenetre=" + left + "\r\nlig_fenetre=" + top + "\r\n"))
            << row.name;
    }
}
