#include <algorithm>

#include "tests/shell/ShellFixture.h"

typedef ShellTest BoardPixelTest;

// The pixels of a cell that differ from the character picture (none when -1) exclusive-or'ed onto the ground.
static int WrongPixels(CKrelmot* k, const CGrab& screen, CCell cell, int image, COLORREF ground)
{
    HDC picture = image < 0 ? 0 : k->images.GetCharacterImage(image);
    CPoint p = k->PixelOf(cell.column, cell.line);
    int wrong = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            wrong += screen.At(p.x + x, p.y + y) != ((picture ? GetPixel(picture, x, y) : 0) ^ ground);
    return wrong;
}

// Every kind of turn leaves the board as a repaint would; the intro hides the hero under its welcome line.
TEST_F(BoardPixelTest, PiecesGridWelcomeLineAndEveryKindOfTurnOnABlackAndAWhiteGround)
{
    EXPECT_EQ(k->images.GetCharacterIcon(IMAGE_HERO), (HICON)GetClassLongPtrA(k->mainWindow, GCLP_HICON));
    CSettings& s = k->settings;
    s.largeur.value = s.hauteur.value = 15, s.grille.value = true;
    s.temps_move.value = s.temps_tele.value = s.temps_sonic.value = s.temps_coucou.value = s.temps_rex.value = 20;
    k->FitWindowToGrid();
    for (COLORREF ground : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        SCOPED_TRACE(ground);
        k->painter.SetBackgroundColour(s, ground);
        Layout(0, 0);
        for (CCell c : {At(2, 0), At(2, 2), At(0, 3), At(12, 12), At(7, 7), At(0, 5), At(1, 5)})
            Robot(c.column, c.line);
        k->AppendHeap(5, 5);
        Repaint();
        CGrab grab(k->mainWindow);
        EXPECT_EQ("0 0 0", std::to_string(WrongPixels(k, grab, At(0, 0), IMAGE_HERO, ground)) + " " +
                               std::to_string(WrongPixels(k, grab, At(12, 12), IMAGE_ROBOT, ground)) + " " +
                               std::to_string(WrongPixels(k, grab, At(5, 5), IMAGE_HEAP, ground))) << "hero, robot, heap";
        int top = k->gridRect.top, lines = 0;
        for (int i = 0; i <= 15; ++i)
            for (int j = 0; j < 15; ++j)  // every line across every cell
                lines += (grab.At(17 * i, top + 17 * j + 9) == (ground ^ 0xFFFFFF)) +
                         (grab.At(17 * j + 9, top + 17 * i) == (ground ^ 0xFFFFFF));
        EXPECT_EQ(2 * 16 * 15, lines);
        k->introActive = true;
        k->painter.welcomeLine = 10;
        Repaint();
        CGrab intro(k->mainWindow);
        auto line = intro.pixels.begin() + k->PixelOf(0, 10).y * intro.width;
        EXPECT_GT(std::count(line, line + 12 * intro.width, RGB(255, 255, 0)), 20);
        EXPECT_EQ(0, WrongPixels(k, intro, At(0, 0), -1, ground)) << "the hero hidden";
        k->introActive = false;
        Repaint();
        for (int action : {ACTION_HELLO, ACTION_MOVE, ACTION_SONIC, ACTION_TELEPORT, ACTION_MOVE, ACTION_REMAIN}) {
            k->PlayTurn(action, 4);
            CGrab was(k->mainWindow);  // only the board: the score panel and status bar follow on their own
            Repaint();
            CGrab now(k->mainWindow);
            size_t first = top * was.width, end = k->gridRect.bottom * was.width;
            EXPECT_TRUE(std::equal(&was.pixels[first], &was.pixels[end], &now.pixels[first])) << action;
        }
    }
}
