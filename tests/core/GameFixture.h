// A game on a board laid out by hand, with a recording view.
#ifndef KRELMOT_TESTS_CORE_GAMEFIXTURE_H
#define KRELMOT_TESTS_CORE_GAMEFIXTURE_H

#include <gtest/gtest.h>

#include "core/Game.h"
#include "settings/Settings.h"
#include "tests/core/FakeView.h"

class GameTest : public ::testing::Test {
protected:
    GameTest() : game(settings, view)
    {
        settings.largeur.value = 20;
        settings.hauteur.value = 20;
    }

    // An empty board with the hero alive on the cell, all pieces drawn as after a repaint.
    void Layout(int heroColumn, int heroLine)
    {
        settings.nb_robot_base.value = 0;
        settings.nb_robot_incr.value = 0;
        game.StartLevel(1);
        game.SetHeroCell(heroColumn, heroLine);
        game.hero = CHero(heroColumn, heroLine, game.gridOrigin);
        view.Clear();
    }

    void Robot(int column, int line) { game.AppendRobot(column, line); }
    void Heap(int column, int line) { game.AppendHeap(column, line); }

    // Draws the board as a repaint would and forgets what was logged so far.
    void Show()
    {
        Repaint(game, view);
        view.Clear();
    }

    std::vector<CCell> RobotCells() const
    {
        std::vector<CCell> cells;
        for (CPieceList<CRobot>::ConstIterator r = game.robots.begin(); r != game.robots.end(); ++r)
            cells.push_back(r->Cell());
        return cells;
    }

    std::vector<CCell> HeapCells() const
    {
        std::vector<CCell> cells;
        for (CPieceList<CHeap>::ConstIterator h = game.heaps.begin(); h != game.heaps.end(); ++h)
            cells.push_back(h->Cell());
        return cells;
    }

    void ExpectScreenTrue()
    {
        if (view.repaintPending)
            Repaint(game, view);
        std::vector<CScreenImage> shown = view.canvas.Shown();
        std::vector<CScreenImage> expected = ExpectedScreen(game);
        ASSERT_EQ(expected.size(), shown.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), shown.begin(), SameImage));
        EXPECT_EQ(0, view.canvasesHeld);
    }

    static bool SameImage(const CScreenImage& a, const CScreenImage& b) { return !(a < b) && !(b < a); }

    CSettings settings;
    CFakeView view;
    CGame game;
};

inline CCell At(int column, int line)
{
    CCell c = {column, line};
    return c;
}

inline std::ostream& operator<<(std::ostream& out, const CCell& c)
{
    return out << "(" << c.column << "," << c.line << ")";
}

#endif
