// The board on the real screen: every picture is drawn by exclusive-or, and
// after any turn or repaint the window shows exactly the pieces whose drawn
// flag is set.
#include <vector>

#include "tests/shell/ShellFixture.h"

namespace {

// The client area copied into memory, one COLORREF-ordered value per pixel.
class CGrab {
public:
    explicit CGrab(HWND window)
    {
        RECT client;
        GetClientRect(window, &client);
        width = client.right;
        height = client.bottom;
        pixels.resize((size_t)width * height);
        HDC dc = GetDC(window);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[(size_t)y * width + x] = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
    }
    COLORREF At(int x, int y) const { return pixels[(size_t)y * width + x]; }
    bool operator==(const CGrab& o) const { return pixels == o.pixels; }

    int width, height;
    std::vector<COLORREF> pixels;
};

class BoardPixelTest : public ShellTest {
protected:
    // Where the cell's picture differs from a plain cell of the background.
    void ExpectCellShows(int column, int line, HDC image, COLORREF background)
    {
        CPoint p = k->PixelOf(column, line);
        HDC dc = GetDC(k->mainWindow);
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                COLORREF expected = (image ? GetPixel(image, x, y) : 0) ^ background;
                wrong += GetPixel(dc, p.x + x, p.y + y) != expected;
            }
        ReleaseDC(k->mainWindow, dc);
        EXPECT_EQ(0, wrong) << "cell " << column << "," << line;
    }

    void ExpectRepaintChangesNothing()
    {
        CGrab before(k->mainWindow);
        Repaint();
        CGrab after(k->mainWindow);
        // Only the board: the score panel and the status bar follow the game on their own.
        size_t differing = 0, first = 0;
        size_t boardStart = (size_t)k->gridRect.top * before.width, boardEnd = (size_t)k->gridRect.bottom * before.width;
        for (size_t i = boardStart; i < boardEnd && i < before.pixels.size(); ++i)
            if (before.pixels[i] != after.pixels[i] && differing++ == 0)
                first = i;
        EXPECT_EQ(0u, differing) << "first at " << first % before.width << "," << first / before.width;
    }

    HDC Character(int n) { return k->images.GetCharacterImage(n); }

    void ShortAnimations(int ms)
    {
        k->settings.temps_move.value = ms;
        k->settings.temps_tele.value = ms;
        k->settings.temps_sonic.value = ms;
        k->settings.temps_coucou.value = ms;
        k->settings.temps_rex.value = ms;
    }
};

}

TEST_F(BoardPixelTest, PicturesAreLoaded)
{
    for (int i = 0; i < CHARACTER_IMAGES; ++i)
        EXPECT_TRUE(k->images.GetCharacterImage(i) != 0) << i;
    for (int i = 0; i < EXPLOSION_FRAMES; ++i)
        EXPECT_TRUE(k->images.GetExplosionImage(i) != 0) << i;
    for (int i = 0; i < ARROW_IMAGES; ++i)
        EXPECT_TRUE(k->images.GetArrowImage(i) != 0) << i;
    EXPECT_TRUE(g_recorded.boxes.empty());
    EXPECT_TRUE(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(177)) != 0) << "the class starts with the hero icon";
    HICON icon = (HICON)GetClassLongPtrA(k->mainWindow, GCLP_HICON);
    EXPECT_EQ(k->images.GetCharacterIcon(IMAGE_HERO), icon) << "the window carries the hero";
}

TEST_F(BoardPixelTest, AMissingPictureIsReportedAndStopsTheLoading)
{
    CImageSets sets;
    EXPECT_EQ(-1, sets.init_img(k->mainWindow, GetModuleHandleA("kernel32.dll")));
    ASSERT_EQ(1u, g_recorded.boxes.size());
    EXPECT_EQ("Pb chargement image pers 0", g_recorded.boxes[0]);
    EXPECT_TRUE(sets.GetArrowImage(0) == 0);
    CRobot robot(2, 2, k->gridOrigin);
    CDcCanvas canvas(GetDC(k->mainWindow), &sets);
    robot.Draw(&canvas);
    ExpectCellShows(2, 2, 0, 0);
    ReleaseDC(k->mainWindow, canvas.dc);
}

TEST_F(BoardPixelTest, ExclusiveOrLetsPiecesOverlap)
{
    Layout(10, 10);
    CRobot robot(3, 3, k->gridOrigin);
    CHeap heap(3, 3, k->gridOrigin);
    CDcCanvas canvas(GetDC(k->mainWindow), &k->images);
    robot.Draw(&canvas);
    ExpectCellShows(3, 3, Character(IMAGE_ROBOT), 0);
    heap.Draw(&canvas);
    robot.Erase(&canvas);
    ExpectCellShows(3, 3, Character(IMAGE_HEAP), 0);
    heap.Erase(&canvas);
    ExpectCellShows(3, 3, 0, 0);
    ReleaseDC(k->mainWindow, canvas.dc);
}

TEST_F(BoardPixelTest, AWhiteGroundInvertsPicturesAndBlackensTheGrid)
{
    k->settings.grille.value = true;
    k->painter.SetBackgroundColour(k->settings, RGB(255, 255, 255));
    Layout(10, 10);
    Robot(3, 3);
    Repaint();
    ExpectCellShows(3, 3, Character(IMAGE_ROBOT), RGB(255, 255, 255));
    ExpectCellShows(10, 10, Character(IMAGE_HERO), RGB(255, 255, 255));
    CGrab grab(k->mainWindow);
    EXPECT_EQ(RGB(0, 0, 0), grab.At(17, k->gridRect.top + 5));
    EXPECT_EQ(RGB(255, 255, 255), grab.At(18, k->gridRect.top + 5));
}

TEST_F(BoardPixelTest, GridLinesOfASmallBoard)
{
    k->settings.largeur.value = 15;
    k->settings.hauteur.value = 15;
    k->settings.grille.value = true;
    k->FitWindowToGrid();
    Layout(14, 14);
    CGrab grab(k->mainWindow);
    int top = k->gridRect.top;
    EXPECT_EQ(256, k->gridRect.right);
    EXPECT_EQ(top + 256, k->gridRect.bottom);
    int lit = 0, dark = 0;
    for (int k17 = 0; k17 <= 15; ++k17)
        for (int along = 0; along < 255; along += 7) {
            lit += grab.At(17 * k17, top + along) == RGB(255, 255, 255);
            lit += grab.At(along, top + 17 * k17) == RGB(255, 255, 255);
        }
    EXPECT_EQ(2 * 16 * 37, lit);
    for (int c = 0; c < 14; ++c)
        dark += grab.At(17 * c + 9, top + 17 * 3 + 9) == RGB(0, 0, 0);
    EXPECT_EQ(14, dark) << "cells stay empty";
}

TEST_F(BoardPixelTest, AHalfCoveredRobotIsRepaintedWholeAndOnce)
{
    Layout(10, 10);
    Robot(4, 4);
    Repaint();
    CPoint p = k->PixelOf(4, 4);
    POINT corner = {p.x + 8, p.y - 20};
    ClientToScreen(k->mainWindow, &corner);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, corner.x, corner.y, 60, 60,
                                 NULL, NULL, GetModuleHandleA(NULL), NULL);
    PumpMessages();
    DestroyWindow(cover);
    // The uncovered part is reported by the X server a little later.
    for (int i = 0; i < 10; ++i) {
        Sleep(20);
        UpdateWindow(k->mainWindow);
        PumpMessages();
    }
    ExpectCellShows(4, 4, Character(IMAGE_ROBOT), 0);
    EXPECT_TRUE(k->robots[k->robots.First()].drawn);
    ExpectRepaintChangesNothing();
}

TEST_F(BoardPixelTest, EveryKindOfTurnLeavesTheBoardAsARepaintWould)
{
    k->settings.grille.value = true;
    ShortAnimations(20);
    Layout(0, 0);
    Robot(2, 0);
    Robot(2, 2);
    Robot(0, 3);
    Robot(12, 12);
    k->AppendHeap(5, 5);
    Robot(7, 7);
    Repaint();
    ExpectRepaintChangesNothing();
    const int turns[][2] = {{ACTION_HELLO, 4}, {ACTION_MOVE, 4}, {ACTION_SONIC, 4}, {ACTION_MOVE, 8},
                            {ACTION_TELEPORT, 4}, {ACTION_MOVE, 4}};
    for (auto& turn : turns) {
        k->PlayTurn(turn[0], turn[1]);
        ExpectRepaintChangesNothing();
    }
}

TEST_F(BoardPixelTest, TheIntroShowsTheWelcomeLineInPlaceOfTheHero)
{
    Layout(1, 1);
    k->introActive = true;
    k->painter.welcomeLine = 5;
    Repaint();
    CGrab grab(k->mainWindow);
    CPoint line = k->PixelOf(0, 5);
    int yellow = 0;
    for (int x = 0; x < grab.width; ++x)
        for (int y = line.y; y < line.y + 12; ++y)
            yellow += grab.At(x, y) == RGB(255, 255, 0);
    EXPECT_GT(yellow, 20);
    ExpectCellShows(1, 1, 0, 0);
}

namespace {

// The number of drawing objects alive, read off the system's object table:
// probes taken from the table fill its free slots, most recently freed first,
// then new slots in a consecutive run. The first slot of that run less the
// probes that came before it is the count of live objects.
int LiveGdiObjects()
{
    std::vector<HBRUSH> probes;
    int previous = -2, run = 0, runStart = 0, runFirstSlot = 0;
    while (run < 64 && probes.size() < 20000) {
        HBRUSH probe = CreateSolidBrush(0);
        if (!probe)
            break;
        int slot = (int)((ULONG_PTR)probe & 0xFFFF);
        if (slot != previous + 1) {
            run = 0;
            runStart = (int)probes.size();
            runFirstSlot = slot;
        }
        ++run;
        previous = slot;
        probes.push_back(probe);
    }
    // Freed in creation order, the probes come back in descending order next
    // time, never mistaken for new slots.
    for (HBRUSH probe : probes)
        DeleteObject(probe);
    return runFirstSlot - runStart;
}

}

TEST_F(BoardPixelTest, TurnsAndRepaintsKeepNoDrawingObject)
{
    k->settings.grille.value = true;
    ShortAnimations(5);
    auto playEverything = [this]() {
        Layout(10, 10);
        Robot(12, 10);
        Robot(8, 10);
        Robot(30, 20);
        Repaint();
        PointAt(k->hero.x + 20, k->hero.y + 3);
        const int turns[][2] = {{ACTION_HELLO, 4}, {ACTION_MOVE, 4}, {ACTION_SONIC, 4}, {ACTION_TELEPORT, 4}};
        for (auto& turn : turns)
            k->PlayTurn(turn[0], turn[1]);
        MoveMouse(FromHeroCentre(20, 3));
        MoveMouse(FromHeroCentre(-20, 3));
        k->painter.SetBackgroundColour(k->settings, RGB(0, 0, 80));
        Repaint();
    };
    // The first round lets the system fill its own caches.
    playEverything();
    int before = LiveGdiObjects();
    playEverything();
    EXPECT_EQ(before, LiveGdiObjects());
}
