// The board on the real screen: every picture is drawn by exclusive-or, and
// after any turn or repaint the window shows exactly the pieces whose drawn
// flag is set.
#include "tests/shell/ShellFixture.h"

namespace {

class BoardPixelTest : public ShellTest {
protected:
    // The cell shows the character picture (none when -1) exclusive-or'ed onto the ground.
    void ExpectCellShows(int column, int line, int image, COLORREF ground)
    {
        HDC picture = image < 0 ? 0 : k->images.GetCharacterImage(image);
        CPoint p = k->PixelOf(column, line);
        HDC dc = GetDC(k->mainWindow);
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                wrong += GetPixel(dc, p.x + x, p.y + y) != ((picture ? GetPixel(picture, x, y) : 0) ^ ground);
        ReleaseDC(k->mainWindow, dc);
        EXPECT_EQ(0, wrong) << "cell " << column << "," << line;
    }

    // Only the board: the score panel and the status bar follow the game on their own.
    void ExpectRepaintChangesNothing()
    {
        CGrab before(k->mainWindow);
        Repaint();
        CGrab after(k->mainWindow);
        size_t differing = 0, first = 0;
        for (size_t i = (size_t)k->gridRect.top * before.width; i < (size_t)k->gridRect.bottom * before.width; ++i)
            if (before.pixels[i] != after.pixels[i] && differing++ == 0)
                first = i;
        EXPECT_EQ(0u, differing) << "first at " << first % before.width << "," << first / before.width;
    }
};

}

// Drawn by hand: pieces overlap, and an absent picture draws nothing; a module without the
// pictures has the first reported and the loading stopped.
TEST_F(BoardPixelTest, PiecesAreExclusiveOredOntoTheBoardAndAMissingPictureIsReported)
{
    EXPECT_EQ(std::vector<std::string>(), g_recorded.boxes) << "every picture loaded";
    EXPECT_EQ(k->images.GetCharacterIcon(IMAGE_HERO), (HICON)GetClassLongPtrA(k->mainWindow, GCLP_HICON));
    Layout(10, 10);
    CRobot robot(3, 3, k->gridOrigin);
    CHeap heap(3, 3, k->gridOrigin);
    CDcCanvas canvas(GetDC(k->mainWindow), &k->images);
    robot.Draw(&canvas);
    ExpectCellShows(3, 3, IMAGE_ROBOT, 0);
    heap.Draw(&canvas);
    robot.Erase(&canvas);
    ExpectCellShows(3, 3, IMAGE_HEAP, 0);
    heap.Erase(&canvas);
    ExpectCellShows(3, 3, -1, 0);
    CImageSets missing;
    EXPECT_EQ(-1, missing.init_img(k->mainWindow, GetModuleHandleA("kernel32.dll")));
    EXPECT_EQ(std::vector<std::string>(1, "Pb chargement image pers 0"), g_recorded.boxes);
    canvas.images = &missing;
    robot.Draw(&canvas);
    ExpectCellShows(3, 3, -1, 0);
    ReleaseDC(k->mainWindow, canvas.dc);
}

// The grid lines take the colour opposite the ground, cells stay the ground; the intro's welcome
// line is yellow, in place of the hero.
TEST_F(BoardPixelTest, GridLinesPicturesAndTheWelcomeLineOnABlackAndAWhiteGround)
{
    k->settings.largeur.value = k->settings.hauteur.value = 15;
    k->settings.grille.value = true;
    k->FitWindowToGrid();
    for (COLORREF ground : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        SCOPED_TRACE(ground);
        k->painter.SetBackgroundColour(k->settings, ground);
        Layout(14, 14);
        Robot(3, 3);
        Repaint();
        ExpectCellShows(3, 3, IMAGE_ROBOT, ground);
        ExpectCellShows(14, 14, IMAGE_HERO, ground);
        CGrab grab(k->mainWindow);
        int top = k->gridRect.top, lines = 0, cells = 0, yellow = 0;
        EXPECT_TRUE(k->gridRect.right == 256 && k->gridRect.bottom == top + 256);
        for (int i = 0; i <= 15; ++i)
            for (int along = 0; along < 255; along += 7) {
                lines += grab.At(17 * i, top + along) == (ground ^ 0xFFFFFF);
                lines += grab.At(along, top + 17 * i) == (ground ^ 0xFFFFFF);
            }
        EXPECT_EQ(2 * 16 * 37, lines);
        for (int c = 0; c < 14; ++c)
            cells += grab.At(17 * c + 9, top + 17 * 5 + 9) == ground;
        EXPECT_EQ(14, cells);
        k->introActive = true;
        k->painter.welcomeLine = 5;
        Repaint();
        CGrab intro(k->mainWindow);
        for (int i = 0; i < 256 * 12; ++i)
            yellow += intro.At(i % 256, k->PixelOf(0, 5).y + i / 256) == RGB(255, 255, 0);
        EXPECT_GT(yellow, 20);
        ExpectCellShows(14, 14, -1, ground);
        k->introActive = false;
    }
}

// Hello, steps, the Sonic, a teleportation, robots meeting and walking into a
// heap, then Remain to the end, each equal to a fresh repaint, as is a partial
// one. The first round lets the system fill its own caches; the second must
// keep no more drawing objects than it did.
TEST_F(BoardPixelTest, EveryKindOfTurnLeavesTheBoardAsARepaintWouldAndKeepsNoDrawingObject)
{
    k->settings.grille.value = true;
    for (CIntSetting* time : {&k->settings.temps_move, &k->settings.temps_tele, &k->settings.temps_sonic,
                              &k->settings.temps_coucou, &k->settings.temps_rex})
        time->value = 20;
    const int robots[][2] = {{2, 0}, {2, 2}, {0, 3}, {12, 12}, {7, 7}, {0, 5}, {1, 5}};
    const int turns[] = {ACTION_HELLO, ACTION_MOVE, ACTION_SONIC, ACTION_TELEPORT, ACTION_MOVE, ACTION_REMAIN};
    int live = 0;
    for (int round = 0; round < 2; ++round) {
        Layout(0, 0);
        for (auto& r : robots)
            Robot(r[0], r[1]);
        k->AppendHeap(5, 5);
        Repaint();
        PointAt(k->hero.x + 20, k->hero.y + 3);
        MoveMouse(MAKELPARAM(k->hero.x + 20, k->hero.y + 3));
        ExpectRepaintChangesNothing();
        // The area the system asks to repaint cuts through a robot's cell: it is drawn whole, once.
        CPoint p = k->PixelOf(12, 12);
        RECT uncovered = {p.x + 8, p.y - 20, p.x + 68, p.y + 40};
        InvalidateRect(k->mainWindow, &uncovered, TRUE);
        UpdateWindow(k->mainWindow);
        ExpectCellShows(12, 12, IMAGE_ROBOT, (COLORREF)k->settings.coul_fond.Get());
        ExpectRepaintChangesNothing();
        for (int action : turns) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", action " << action);
            k->PlayTurn(action, 4);
            ExpectRepaintChangesNothing();
        }
        MoveMouse(FromHeroCentre(20, 3));
        MoveMouse(FromHeroCentre(-20, 3));
        k->painter.SetBackgroundColour(k->settings, RGB(0, 0, 80 + round));
        Repaint();
        if (round == 0)
            live = LiveGdiObjects();
    }
    EXPECT_EQ(live, LiveGdiObjects());
}
