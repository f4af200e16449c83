// The frame snaps to whole cells while it is dragged, and a new cell count
// starts a new game.
#include "tests/shell/ShellFixture.h"

namespace {

RECT Sizing(CKrelmot* k, int edge, RECT r)
{
    SendMessageA(k->mainWindow, WM_SIZING, edge, (LPARAM)&r);
    return r;
}

}

TEST_F(ShellTest, DraggingSnapsEveryEdgeToWholeCells)
{
    int fw = k->frameWidth, fh = k->frameHeight + k->bandHeight + k->statusBarHeight;
    RECT start = {100, 100, 100 + 500 + fw, 100 + 400 + fh};
    // Only the dragged sides move, and only they snap.
    struct {
        int edge;
        bool left, top, right, bottom;
    } edges[] = {{WMSZ_LEFT, true, false, false, false},    {WMSZ_RIGHT, false, false, true, false},
                 {WMSZ_TOP, false, true, false, false},     {WMSZ_TOPLEFT, true, true, false, false},
                 {WMSZ_TOPRIGHT, false, true, true, false}, {WMSZ_BOTTOM, false, false, false, true},
                 {WMSZ_BOTTOMLEFT, true, false, false, true}, {WMSZ_BOTTOMRIGHT, false, false, true, true}};
    for (auto& e : edges) {
        RECT r = Sizing(k, e.edge, start);
        EXPECT_EQ(29, k->pendingColumns);  // (500 - 1) / 17
        EXPECT_EQ(23, k->pendingLines);    // (400 - 1) / 17
        int snappedWidth = 17 * 29 + 1 + fw, snappedHeight = 17 * 23 + 1 + fh;
        EXPECT_EQ(e.left ? start.right - snappedWidth : start.left, r.left) << e.edge;
        EXPECT_EQ(e.right ? start.left + snappedWidth : start.right, r.right) << e.edge;
        EXPECT_EQ(e.top ? start.bottom - snappedHeight : start.top, r.top) << e.edge;
        EXPECT_EQ(e.bottom ? start.top + snappedHeight : start.bottom, r.bottom) << e.edge;
    }
}

TEST_F(ShellTest, DraggingStaysWithinTheSizeLimits)
{
    RECT tiny = {0, 0, 40, 40};
    RECT r = Sizing(k, WMSZ_BOTTOMRIGHT, tiny);
    EXPECT_EQ(15, k->pendingColumns);
    EXPECT_EQ(15, k->pendingLines);
    EXPECT_EQ(17 * 15 + 1 + k->frameWidth, r.right);
    RECT huge = {0, 0, 5000, 5000};
    Sizing(k, WMSZ_BOTTOMRIGHT, huge);
    EXPECT_EQ(110, k->pendingColumns);
    EXPECT_EQ(80, k->pendingLines);
}

TEST_F(ShellTest, ANewCellCountStartsANewGameWithDefaultRobots)
{
    k->score = 33;
    RECT window;
    GetWindowRect(k->mainWindow, &window);
    RECT same = window;
    Sizing(k, WMSZ_RIGHT, same);
    SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(33, k->score) << "the same counts start no game";
    EXPECT_FALSE(k->resizePending);

    RECT wider = window;
    wider.right = wider.left + 500 + k->frameWidth;
    Sizing(k, WMSZ_RIGHT, wider);
    SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(29, k->settings.largeur.Get());
    EXPECT_TRUE(k->settings.largeur.changed);
    CRobotCounts counts = DefaultRobotCounts(29, k->Lines());
    EXPECT_EQ(counts.base, k->settings.nb_robot_base.Get());
    EXPECT_EQ(counts.added, k->settings.nb_robot_incr.Get());
    EXPECT_EQ(0, k->score);
    EXPECT_EQ(counts.base + counts.added, k->robots.Count());
    RECT client;
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(17 * 29 + 1, client.right);
}

TEST_F(ShellTest, TheEndOfAMoveStoresTheWindowPosition)
{
    SetWindowPos(k->mainWindow, NULL, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(123, k->settings.col_fenetre.Get());
    EXPECT_EQ(45, k->settings.lig_fenetre.Get());
}
