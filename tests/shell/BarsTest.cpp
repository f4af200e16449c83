// The status bar, the toolbar band with its score panel, and the menus' help
// lines, on the real window.
#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
#include "tests/shell/MessageRecorder.h"
#include "tests/shell/ShellFixture.h"

namespace {

const int BUTTONS[] = {CMD_NEW_GAME, CMD_OPTIONS, CMD_TELEPORT, CMD_SONIC, CMD_REMAIN, CMD_HELLO, CMD_HELP, CMD_END};

class BarsTest : public ShellTest {
protected:
    std::vector<int> RightEdges()
    {
        std::vector<int> rights(STATUS_PART_COUNT);
        SendMessageA(k->statusBar->GetHandle(), SB_GETPARTS, STATUS_PART_COUNT, (LPARAM)rights.data());
        return rights;
    }

    std::string Tooltip(int command)
    {
        NMTTDISPINFOA tip = {};
        tip.hdr.idFrom = command;
        tip.hdr.code = TTN_NEEDTEXTA;
        SendMessageA(k->mainWindow, WM_NOTIFY, command, (LPARAM)&tip);
        return tip.szText;
    }

    int CountPixels(HWND window, RECT r, COLORREF colour)
    {
        UpdateWindow(window);
        HDC dc = GetDC(window);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += GetPixel(dc, x, y) == colour;
        ReleaseDC(window, dc);
        return n;
    }
};

}

TEST_F(BarsTest, PartsLabelsTooltipsAndHelpLinesFollowTheLanguage)
{
    Layout(10, 10);
    Robot(12, 10);
    Robot(14, 10);
    Robot(30, 20);
    Key('T');
    Key('S');
    const struct {
        int command;
        const char* parts[STATUS_PART_COUNT];  // robots and heaps filled in, the clock tested below
        const char* labels[8];
        const char *teleportTip, *teleportHelp;
    } cases[] = {
        {CMD_ENGLISH,
         {"Krelmot ", 0, "Level:1", "Sonic:1", "Tele:1", "", "", "Best Score:0"},
         {"Initialization", "Options", "Teleportation", "Sonic", "Remain", "Hello", "Help", "End"},
         "&Teleportation",
         "New random position"},
        {CMD_FRENCH,
         {"Krelmot", 0, "Tableau:1", "Sonic:1", "T\xe9l\xe9:1", "", "", "Meilleur Score:0"},
         {"Initialisation", "Options", "T\xe9l\xe9portation", "Sonic", "Reste", "Coucou", "Aide", "Fin"},
         "&T\xe9l\xe9portation",
         "Changement al\xe9" "atoire de position"},
    };
    int levelWidth[2];
    for (const auto& c : cases) {
        Command(c.command);
        std::string robots = std::to_string(k->robots.Count()), heaps = std::to_string(k->heaps.Count());
        for (int p = 0; p < STATUS_PART_COUNT; ++p)
            EXPECT_EQ(p == 5 ? robots : p == 6 ? heaps : c.parts[p] ? c.parts[p] : Part(p), Part(p)) << p;
        for (int b = 0; b < 8; ++b)
            EXPECT_EQ(c.labels[b], ButtonLabel(BUTTONS[b])) << c.command;
        EXPECT_EQ(c.teleportTip, Tooltip(CMD_TELEPORT));
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_TELEPORT, MF_HILITE), 0);
        EXPECT_EQ(c.teleportHelp, Part(0));
        // A sub-menu title gives its position, here one whose help number holds a text.
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP), 0);
        EXPECT_EQ(c.parts[0], Part(0)) << "no help for a sub-menu title";
        SendMessageA(k->mainWindow, WM_MENUSELECT, MAKEWPARAM(CMD_TELEPORT, MF_HILITE), 0);
        SendMessageA(k->mainWindow, WM_EXITMENULOOP, 0, 0);
        EXPECT_EQ(c.parts[0], Part(0));
        // Every part holds its widest text, the grip keeps its room.
        std::vector<int> r = RightEdges();
        RECT bar;
        GetClientRect(k->statusBar->GetHandle(), &bar);
        EXPECT_EQ(bar.right - (k->statusBar->GetHeight() + k->statusBar->verticalBorder), r[7]);
        for (int p = 1; p < STATUS_PART_COUNT; ++p)
            EXPECT_GE(r[p] - r[p - 1], k->statusBar->parts[p].width + (p == 5 || p == 6 ? 16 : 0)) << p;
        levelWidth[c.command == CMD_FRENCH] = r[2] - r[1];
    }
    EXPECT_GT(levelWidth[1], levelWidth[0]) << "Tableau:XXX is wider than Level:XXX";
    for (int b : BUTTONS) {
        RECT button;
        SendMessageA(k->toolBand->toolbar, TB_GETRECT, b, (LPARAM)&button);
        EXPECT_LE(button.right - button.left, 80) << b;
    }
    k->statusBar->SetMessage("100% %s %d");
    EXPECT_EQ("100% %s %d", Part(0)) << "a message is no format";
    // Too narrow, the parts collapse from the left, never out of order.
    for (int width : {300, 60, 0}) {
        k->statusBar->FitWidth(width);
        std::vector<int> r = RightEdges();
        for (int p = 0; p < STATUS_PART_COUNT; ++p)
            EXPECT_GE(r[p], p ? r[p - 1] : 0) << "part " << p << " at width " << width;
        EXPECT_EQ(0, r[0]) << width;
    }
    EXPECT_EQ(k->toolBand->GetHeight(), k->gridRect.top);
}

TEST_F(BarsTest, TheClockCountsFromTheLevelStartAndStopsWithTheHero)
{
    Layout(10, 10);
    Robot(30, 20);
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "00:00:00"}, {3725000, "01:02:05"}, {360000000, "100:00:00"}, {35999, "00:00:35"}};
    for (const auto& c : cases) {
        k->levelStartTick = GetTickCount() - c.first;
        SendMessageA(k->mainWindow, WM_TIMER, TIMER_CLOCK, 0);
        EXPECT_EQ(c.second, Part(1)) << c.first;
    }
    Robot(11, 11);
    Key(VK_NUMPAD5);
    ASSERT_TRUE(k->hero.dead);
    k->levelStartTick = GetTickCount() - 7000;
    SendMessageA(k->mainWindow, WM_TIMER, TIMER_CLOCK, 0);
    k->UpdateClock(false);
    EXPECT_EQ("00:00:35", Part(1)) << "a dead hero's clock stands still";
    k->StartLevel(1);
    EXPECT_EQ("00:00:00", Part(1)) << "a new level restarts it at once";
}

// The best score turns white on red when reached or beaten; the panel shows
// the score in digit pictures, right-aligned, and only repaints on a change.
TEST_F(BarsTest, TheBestScoreAndTheScorePanel)
{
    const int bests[][3] = {{0, 0, false}, {120, 120, true}, {125, 120, true}, {119, 120, false}};
    HWND bar = k->statusBar->GetHandle();
    for (const auto& c : bests) {
        k->score = c[0];
        k->settings.meilleur_score.value = c[1];
        k->UpdateBestScore();
        InvalidateRect(bar, NULL, TRUE);
        RECT part;
        SendMessageA(bar, SB_GETRECT, 7, (LPARAM)&part);
        int red = CountPixels(bar, part, RGB(255, 0, 0)), white = CountPixels(bar, part, RGB(255, 255, 255));
        EXPECT_EQ(c[2] != 0, red > 100 && white > 10) << c[0] << "/" << c[1];
        EXPECT_EQ("Best Score:" + std::to_string(std::max(c[0], c[1])), k->statusBar->bestScoreText);
    }
    HWND panel = k->toolBand->scorePanel;
    RECT size;
    GetClientRect(panel, &size);
    EXPECT_TRUE(size.right == SCORE_PANEL_WIDTH && size.bottom == SCORE_PANEL_HEIGHT);
    const std::pair<int, const char*> scores[] = {
        {42, "    42"}, {0, "     0"}, {999999, "999999"}, {1234567, "999999"}};
    for (const auto& c : scores) {
        k->score = c.first;
        k->toolBand->SetScore(c.first);
        HDC dc = GetDC(panel);
        for (int place = 0; place < 6; ++place) {
            HDC digit = c.second[place] == ' ' ? 0 : k->images.GetDigitImage(c.second[place] - '0');
            int wrong = 0;
            for (int y = 0; y < DIGIT_HEIGHT; ++y)
                for (int x = 0; x < DIGIT_WIDTH; ++x)
                    wrong += GetPixel(dc, 5 + 19 * place + x, 5 + y) != (digit ? GetPixel(digit, x, y) : 0);
            EXPECT_EQ(0, wrong) << c.first << " place " << place;
        }
        ReleaseDC(panel, dc);
    }
    // A repaint shows as the loss of a mark made on the panel.
    HDC dc = GetDC(panel);
    SetPixel(dc, 1, 1, RGB(255, 255, 255));
    ReleaseDC(panel, dc);
    k->toolBand->SetScore(1234567);
    EXPECT_EQ(1, CountPixels(panel, {0, 0, 3, 3}, RGB(255, 255, 255))) << "an unchanged score is not repainted";
    k->toolBand->SetScore(7);
    EXPECT_EQ(0, CountPixels(panel, {0, 0, 3, 3}, RGB(255, 255, 255)));
}

TEST_F(BarsTest, MissingControlsAreReportedOnceAndNothingElseHappens)
{
    CMessageRecorder recorder;
    CStatusBar bar(k->texts, k->images);
    EXPECT_EQ(-1, bar.Create(NULL));
    bar.InitParts();
    bar.FitWidth(500);
    bar.SetMessage(NULL);
    bar.ShowLevel(3, true);
    bar.ShowClock(0, 5000, false, true);
    bar.ShowBestScore(10, 5);
    CToolBand band(NULL, GetModuleHandleA(NULL), k->texts);
    band.EnableButton(CMD_SONIC, false);
    band.SetScore(12);
    ASSERT_EQ(2u, recorder.boxes.size());
    EXPECT_EQ("Pb CreateStatusWindow", recorder.boxes[0].text);
    EXPECT_EQ(0u, recorder.boxes[1].text.find("Pb creation rebar "));
    EXPECT_TRUE(!band.GetHeight() && !band.rebar && !band.toolbar && !band.scorePanel && !band.normalImages);
}
