// What the reference model shares with the game (pieces, the generator, the
// default robot numbers; the lists it shares are held to the game's index),
// and what it never does: pieces off the board and boards changing size
// under them.
#include <gtest/gtest.h>

#include "core/Game.h"
#include "settings/Settings.h"
#include "tests/core/FakeView.h"

// The classic generator; default robot numbers that grow with the board from
// one and one. A step moves the cell and the glide end, not the image; the
// direction code of a target on a 15 x 15 board; each piece's picture; a new
// hero is alive; drawing and erasing refuse to repeat themselves.
TEST(Core, TheGeneratorRobotNumbersAndPieces)
{
    CRandom random(0);
    std::string draws = std::to_string(random.Next());
    random.Seed(1);
    for (int i = 0; i < 6; ++i) draws += " " + std::to_string(random.Next());
    for (CCell size : std::vector<CCell>{{10, 10}, {15, 15}, {20, 20}, {110, 80}}) {
        CRobotCounts c = DefaultRobotCounts(size.column, size.line);
        draws += " " + Pair(c.base, c.added);
    }
    EXPECT_EQ("38 41 18467 6334 26500 19169 15724 1,1 1,1 2,1 44,22", draws);
    CPoint origin = {0, 30};
    const int steps[][4] = {{5, 9, 5, 6}, {2, 9, 4, 6}, {5, 5, 5, 5}, {9, 1, 6, 4}};  // target, cell after the step
    for (auto& s : steps) {
        CRobot robot(5, 5, origin);
        robot.StepToward(s[0], s[1], origin);
        EXPECT_EQ(Pair(s[2], s[3]) + " @86,116 86,116>" + Pair(17 * s[2] + 1, 31 + 17 * s[3]) + " -1,16",
                  PieceText(robot));
    }
    const int directions[][5] = {{0, 0, -1, 0, -1}, {0, 0, 0, -1, -1}, {0, 0, 0, 0, 4},   {0, 0, 1, 1, 8},
                                 {14, 14, 15, 14, -1}, {14, 14, 14, 15, -1}, {14, 14, 13, 13, 0}, {5, 5, 6, 4, 2},
                                 {5, 5, 4, 6, 6},   {5, 5, 6, 5, 5},   {5, 5, 5, 6, 7},   {5, 5, 7, 5, -1},
                                 {5, 5, 3, 5, -1},  {5, 5, 5, 7, -1},  {5, 5, 5, 3, -1}};
    for (auto& d : directions)
        EXPECT_EQ(d[4], CRobot(d[0], d[1], origin).DirectionTo(d[2], d[3], 15, 15)) << Pair(d[2], d[3]);
    auto image = [](const CPiece& p) { return " " + Pair(p.GetImage().set, p.GetImage().index); };
    EXPECT_EQ(" 0,0 0,1 0,2 1,0 2,4", image(CHero()) + image(CRobot()) + image(CHeap()) + image(CExplosion()) +
                                          image(CDirectionMarker()));
    EXPECT_EQ("-1,-1 @0,0 0,0>0,0 -4,16", PieceText(CDirectionMarker()));
    EXPECT_EQ("0,0 0,0", Pair(CHero().dead, CHero().glideDuration) + " " +
                             Pair(CHero(1, 1, origin).dead, CHero(1, 1, origin).glideDuration)) << "alive, at rest";
    CRobot robot;
    std::string results;
    CRecordingCanvas canvas;
    for (int (CPiece::*touch)(CCanvas*) : {&CPiece::Erase, &CPiece::Draw, &CPiece::Draw, &CPiece::Erase}) {
        int result = (robot.*touch)(&canvas);
        results += std::to_string(result) + "/" + Pair(robot.drawn, Odd(canvas.transfers).size()) + " ";
    }
    EXPECT_EQ("-1/0,0 0/1,1 -1/1,1 0/0,0 ", results);  // result, drawn flag, images shown
}

// Cells just off the board hold nothing, even where the index would wrap onto
// a piece; a change of size re-indexes whatever stands on the new board,
// explosions too. The script: board size, query (o: occupied, x: a new
// explosion taken, f: a free cell found), cell, answer. A step the hero
// cannot take answers -1, which the window side tells from a turn played; a
// move is a single step, never a teleportation.
TEST(Core, BoardEdgesSizeChangesAndTheHerosStep)
{
    CSettings settings;
    CFakeView view;
    CGame game(settings, view);
    settings.largeur.value = 3;
    settings.hauteur.value = 2;
    settings.nb_robot_base.value = settings.nb_robot_incr.value = 0;
    game.StartLevel(1);
    game.SetHeroCell(0, 0);
    game.hero = CHero(0, 0, game.gridOrigin);
    game.AppendRobot(2, 0);
    game.AppendHeap(0, 1);
    const struct { int columns, lines; char query; int column, line; bool answer; } script[] = {
        {3, 2, 'o', -1, 0, 0}, {3, 2, 'o', 3, 0, 0}, {3, 2, 'o', -1, 1, 0}, {3, 2, 'o', 0, -1, 0},
        {3, 2, 'o', 2, -1, 0}, {3, 2, 'o', 0, 2, 0}, {3, 2, 'o', 1, 1, 0}, {3, 2, 'o', 2, 0, 1}, {3, 2, 'o', 0, 1, 1},
        {3, 2, 'x', 1, 1, 1}, {3, 2, 'x', -1, 0, 1}, {3, 2, 'x', 3, 0, 1}, {3, 2, 'x', -1, 0, 0}, {3, 2, 'o', 1, 1, 0},
        {1, 2, 'o', 2, 0, 0}, {1, 2, 'f', 0, 0, 0}, {1, 2, 'x', 1, 1, 0}, {4, 3, 'x', 1, 1, 0}};
    for (auto& s : script) {
        settings.largeur.value = s.columns;
        settings.hauteur.value = s.lines;
        bool answer = s.query == 'o'   ? game.IsCellOccupied(s.column, s.line)
                      : s.query == 'x' ? game.AddExplosion(s.column, s.line)
                                       : game.RandomFreeCell() != NO_CELL;
        EXPECT_EQ(s.answer, answer) << s.query << Pair(s.column, s.line) << " on " << Pair(s.columns, s.lines);
    }
    for (int free = 9; free > 0; --free) {
        CCell cell = game.RandomFreeCell();
        ASSERT_FALSE(cell == NO_CELL || game.IsCellOccupied(cell.column, cell.line)) << free;
        game.AppendRobot(cell.column, cell.line);
    }
    EXPECT_EQ(NO_CELL, game.RandomFreeCell());
    EXPECT_TRUE(game.robots.Contains(0) && game.robots.Contains(game.robots.HandleLimit() - 1) &&
                !game.robots.Contains(game.robots.HandleLimit()) && !game.robots.Contains(-1)) << "every handle taken";
    settings.largeur.value = 0;
    EXPECT_EQ(NO_CELL, game.RandomCell());
    // Set off between turns, as the options' Test does, an explosion leaves its cell free to explode again.
    settings.largeur.value = 4;
    view.log.clear();
    EXPECT_TRUE(game.ExplodeCell(0, 0) == 0 && game.ExplodeCell(0, 0) == 0 && game.explosions.IsEmpty());
    EXPECT_EQ(std::vector<std::string>(
                  {"acquire", "explosions 1,1 -1,0 3,0 0,0", "release", "acquire", "explosions 0,0", "release"}),
              view.log);
    settings.largeur.value = settings.hauteur.value = 15;
    game.StartLevel(1);
    game.SetHeroCell(5, 5);
    game.AppendRobot(14, 14);
    const struct { bool dead, intro; int code; } refused[] = {{false, false, 9}, {false, false, DIRECTION_NONE},
                                                              {true, false, 5}, {false, true, 5}};
    for (auto& r : refused) {
        game.hero.dead = r.dead;
        game.introActive = r.intro;
        EXPECT_EQ(-1, game.MoveHero(ACTION_MOVE, r.code)) << r.code << r.dead << r.intro;
    }
    game.hero.dead = game.introActive = false;
    ASSERT_EQ(0, game.PlayTurn(ACTION_MOVE, 5));
    EXPECT_TRUE(game.hero.column == 6 && game.hero.line == 5 && game.teleportCount == 0) << Pair(game.hero.column, game.hero.line);
}
