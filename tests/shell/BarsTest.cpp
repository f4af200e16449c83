// The status bar and the score panel on the real window; the start-up tests read their texts.
#include <algorithm>

#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"

TEST_F(ShellTest, TheClockCountsFromTheLevelStartAndStopsWithTheHero)
{
    Layout(10, 10);
    Robot(30, 20);
    Robot(11, 11);
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "00:00:00"}, {3725000, "01:02:05"}, {360000000, "100:00:00"}, {35999, "00:00:35"}};
    for (const auto& c : cases) {
        k->levelStartTick = GetTickCount() - c.first;
        SendMessageA(k->mainWindow, WM_TIMER, TIMER_CLOCK, 0);
        EXPECT_EQ(c.second, Part(1)) << c.first;
    }
    Key(VK_NUMPAD5);
    k->levelStartTick = GetTickCount() - 7000;
    SendMessageA(k->mainWindow, WM_TIMER, TIMER_CLOCK, 0);
    EXPECT_EQ("00:00:35", Part(1)) << "a dead hero's clock stands still";
    k->StartLevel(1);
    EXPECT_EQ("00:00:00", Part(1)) << "a new level restarts it at once";
}

// White on red once the best score is reached; the score in digit pictures, right-aligned.
TEST_F(ShellTest, TheBestScoreAndTheScorePanel)
{
    HWND bar = k->statusBar->GetHandle();
    const int bests[][3] = {{0, 0, false}, {120, 120, true}, {125, 120, true}, {119, 120, false}};
    for (const auto& c : bests) {
        k->score = c[0];
        k->settings.meilleur_score.value = c[1];
        k->UpdateBestScore();
        RedrawWindow(bar, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CGrab grab(bar);
        RECT r;
        SendMessageA(bar, SB_GETRECT, 7, (LPARAM)&r);
        int red = 0, white = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                red += grab.At(x, y) == RGB(255, 0, 0);
                white += grab.At(x, y) == RGB(255, 255, 255);
            }
        EXPECT_EQ(c[2] != 0, red > 100 && white > 10) << c[0] << "/" << c[1];
        EXPECT_EQ("Best Score:" + std::to_string(std::max(c[0], c[1])), k->statusBar->bestScoreText);
    }
    const std::pair<int, const char*> scores[] = {
        {42, "    42"}, {0, "     0"}, {999999, "999999"}, {1234567, "999999"}};
    for (const auto& c : scores) {
        k->score = c.first;
        k->toolBand->SetScore(c.first);
        CGrab shown(k->toolBand->scorePanel);
        for (int place = 0; place < 6; ++place) {
            HDC digit = c.second[place] == ' ' ? 0 : k->images.GetDigitImage(c.second[place] - '0');
            int wrong = 0;
            for (int y = 0; y < DIGIT_HEIGHT; ++y)
                for (int x = 0; x < DIGIT_WIDTH; ++x)
                    wrong += shown.At(5 + 19 * place + x, 5 + y) != (digit ? GetPixel(digit, x, y) : 0);
            EXPECT_EQ(0, wrong) << c.first << " place " << place;
        }
    }
}

// Without their windows the bar and the band report once and do nothing else; with
// it the bar, too narrow, collapses from the left, and shows a message as it is.
TEST_F(ShellTest, TheBarsTakeNoWindowAnyWidthAndAnyMessage)
{
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
    ASSERT_EQ(2u, g_recorded.boxes.size());
    EXPECT_EQ("Pb CreateStatusWindow", g_recorded.boxes[0]);
    EXPECT_EQ(0u, g_recorded.boxes[1].find("Pb creation rebar "));
    EXPECT_TRUE(!band.GetHeight() && !band.rebar && !band.toolbar && !band.scorePanel && !band.normalImages);
    int r[STATUS_PART_COUNT];
    for (int width : {300, 60, 0}) {
        k->statusBar->FitWidth(width);
        SendMessageA(k->statusBar->GetHandle(), SB_GETPARTS, STATUS_PART_COUNT, (LPARAM)r);
        EXPECT_TRUE(std::is_sorted(r, r + STATUS_PART_COUNT) && r[0] == 0) << width;
    }
    k->statusBar->SetMessage("100% %s %d");
    EXPECT_EQ("100% %s %d", Part(0));
    EXPECT_EQ(k->toolBand->GetHeight(), k->gridRect.top) << "the board starts below the band";
}
