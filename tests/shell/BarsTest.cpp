// The status bar and the score panel on the real window; the start-up tests read their texts.
#include <algorithm>

#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"

// The clock counts from the level's start and stops with the hero; the best score is on red
// once reached; the score panel shows six nines at most; the bar, too narrow, collapses from
// the left, and shows a message as it is.
TEST_F(ShellTest, TheClockTheBestScoreTheScorePanelAndTheBarAtAnyWidth)
{
    Layout(10, 10);
    Robot(30, 20);
    Robot(11, 11);
    // The last row is what a dead hero's clock keeps showing, whatever the time.
    const std::pair<uint32_t, const char*> cases[] = {
        {3725000, "01:02:05"}, {360000000, "100:00:00"}, {35999, "00:00:35"}, {7000, "00:00:35"}};
    for (const auto& c : cases) {
        if (c.first == 7000)
            Key(VK_NUMPAD5);
        k->levelStartTick = GetTickCount() - c.first;
        SendMessageA(k->mainWindow, WM_TIMER, TIMER_CLOCK, 0);
        EXPECT_EQ(c.second, Part(1)) << c.first;
    }
    k->StartLevel(1);
    EXPECT_EQ("00:00:00", Part(1)) << "a new level restarts it at once";
    HWND bar = k->statusBar->GetHandle();
    const int bests[][3] = {{0, 0, false}, {120, 120, true}, {125, 120, true}, {119, 120, false}};
    for (const auto& c : bests) {
        k->score = c[0];
        k->settings.meilleur_score.value = c[1];
        k->UpdateBestScore();
        RedrawWindow(bar, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT r;
        SendMessageA(bar, SB_GETRECT, 7, (LPARAM)&r);
        EXPECT_EQ(c[2] != 0, CGrab(bar).At(r.right - 4, r.bottom - 4) == RGB(255, 0, 0)) << c[0] << "/" << c[1];
        EXPECT_EQ("Best Score:" + std::to_string(std::max(c[0], c[1])), k->statusBar->bestScoreText);
    }
    auto panel = [this](int score) {
        k->score = score;
        k->toolBand->SetScore(score);
        return CGrab(k->toolBand->scorePanel).pixels;
    };
    std::vector<COLORREF> nines = panel(999999);
    EXPECT_TRUE(panel(1234567) == nines && panel(999998) != nines) << "six nines at most";
    int r[STATUS_PART_COUNT];
    for (int width : {300, 60, 0}) {
        k->statusBar->FitWidth(width);
        SendMessageA(k->statusBar->GetHandle(), SB_GETPARTS, STATUS_PART_COUNT, (LPARAM)r);
        EXPECT_TRUE(std::is_sorted(r, r + STATUS_PART_COUNT) && r[0] == 0) << width;
    }
    k->statusBar->SetMessage("100% %s %d");
    EXPECT_EQ("100% %s %d", Part(0));
}
