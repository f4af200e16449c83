// Many thousand turns of every kind over many boards, with the whole state
// checked against the rules after each one: what a long evening of play asks.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/Game.h"
#include "settings/Settings.h"
#include "tests/core/FakeView.h"

namespace {

// The index must agree with a fresh count from the lists, cell by cell.
void ExpectIndexMatchesLists(const CGame& game, const std::string& where)
{
    int columns = game.Columns(), lines = game.Lines(), cells = columns * lines;
    std::vector<int> pieces(cells, 0), robots(cells, 0), firstHeap(cells, NO_HANDLE);
    auto cellOf = [&](const CPiece& p) {
        EXPECT_TRUE(game.IsOnBoard(p.column, p.line)) << where << " piece off the board at " << Pair(p.column, p.line);
        return p.line * columns + p.column;
    };
    ++pieces[cellOf(game.hero)];
    for (const CRobot& r : game.robots) {
        int cell = cellOf(r);
        ++pieces[cell];
        ++robots[cell];
    }
    for (int h = game.heaps.First(); h != NO_HANDLE; h = game.heaps.Next(h)) {
        int cell = cellOf(game.heaps[h]);
        ++pieces[cell];
        if (firstHeap[cell] == NO_HANDLE) firstHeap[cell] = h;
        EXPECT_EQ(0, robots[cell]) << where << " a robot outlived the heap at " << Pair(game.heaps[h].column, game.heaps[h].line);
    }
    int occupied = 0;
    for (int c = 0; c < columns; ++c)
        for (int l = 0; l < lines; ++l) {
            int cell = l * columns + c;
            occupied += pieces[cell] > 0;
            ASSERT_EQ(pieces[cell] > 0, game.Index().IsOccupied(c, l)) << where << " cell " << Pair(c, l);
            ASSERT_EQ(robots[cell], game.Index().RobotsOn(c, l)) << where << " cell " << Pair(c, l);
            ASSERT_GE(1, robots[cell]) << where << " two robots share " << Pair(c, l);
            ASSERT_EQ(firstHeap[cell], game.Index().HeapOn(c, l)) << where << " cell " << Pair(c, l);
        }
    ASSERT_EQ(cells - occupied, game.Index().FreeCells()) << where;
}

int RobotsAround(const CGame& game)
{
    int count = 0;
    for (const CRobot& r : game.robots)
        count += std::abs(r.column - game.hero.column) <= 1 && std::abs(r.line - game.hero.line) <= 1;
    return count;
}

// The score a turn must leave: its action's cost, five points a robot
// destroyed, none for the Sonic's victims nor for the robot that kills.
void ExpectScoreFollowsRules(const CGame& game, int action, int scoreBefore, int robotsBefore, int levelBefore,
                             int sonicVictims, const std::string& where)
{
    if (game.settings.immortalite.Get()) {
        ASSERT_EQ(0, game.score) << where;
        return;
    }
    int charged = scoreBefore;
    if (action == ACTION_TELEPORT) charged = scoreBefore - TELEPORT_COST < 1 ? 0 : scoreBefore - TELEPORT_COST;
    if (action == ACTION_SONIC) charged = scoreBefore - SONIC_COST < 1 ? 0 : scoreBefore - SONIC_COST;
    if (game.level == levelBefore + 1) {
        ASSERT_EQ(charged + POINTS_PER_ROBOT * (robotsBefore - sonicVictims), game.score) << where;
        return;
    }
    ASSERT_EQ(levelBefore, game.level) << where;
    int destroyed = robotsBefore - sonicVictims - game.robots.Count();
    if (game.hero.dead) {
        ASSERT_LE(game.score, charged + POINTS_PER_ROBOT * destroyed) << where;
        ASSERT_GE(game.settings.meilleur_score.Get(), game.score) << where;
    } else {
        ASSERT_EQ(charged + POINTS_PER_ROBOT * destroyed, game.score) << where;
    }
}

}

// Board sizes (a single line or column among them), robot numbers and
// immortality; every run plays its share of the ten thousand turns.
TEST(Soak, TenThousandTurnsKeepTheRules)
{
    const int runs[][5] = {{15, 15, 10, 5, 0}, {47, 32, 30, 10, 0}, {110, 80, 400, 50, 0}, {1, 20, 2, 1, 0},
                           {20, 1, 2, 1, 0},   {16, 15, 60, 20, 1}, {3, 3, 3, 1, 0},      {30, 20, 200, 100, 0}};
    const int turnsPerRun = 1250;
    for (int r = 0; r < 8; ++r) {
        const int* run = runs[r];
        CSettings settings;
        CFakeView view;
        CGame game(settings, view);
        settings.largeur.value = run[0];
        settings.hauteur.value = run[1];
        settings.nb_robot_base.value = run[2];
        settings.nb_robot_incr.value = run[3];
        settings.immortalite.value = run[4];
        game.random.Seed(1000u + r);
        CRandom choices(77u * r + 5);
        game.StartLevel(1);
        for (int turn = 0; turn < turnsPerRun; ++turn) {
            std::string where = "run " + std::to_string(r) + " turn " + std::to_string(turn);
            view.log.clear();
            view.canvas.transfers.clear();
            if (game.hero.dead || choices.Next() % 200 == 0) {
                game.StartLevel(1);
                ExpectIndexMatchesLists(game, where + " new game");
                continue;
            }
            int pick = choices.Next() % 100;
            int action = pick < 8 ? ACTION_TELEPORT : pick < 11 ? ACTION_SONIC : pick < 13 ? ACTION_REMAIN
                       : pick < 16 ? ACTION_HELLO : ACTION_MOVE;
            int code = action == ACTION_MOVE ? (int)(choices.Next() % 9) : DIRECTION_STAY;
            int scoreBefore = game.score, robotsBefore = game.robots.Count(), levelBefore = game.level;
            int teleportsBefore = game.teleportCount, sonicBefore = game.sonicUsedCount;
            int sonicVictims = action == ACTION_SONIC && sonicBefore == 0 ? RobotsAround(game) : 0;
            if (game.PlayTurn(action, code) != 0) {
                ASSERT_EQ(scoreBefore, game.score) << where << " a refused turn changed the score";
                continue;
            }
            ExpectIndexMatchesLists(game, where);
            if (action != ACTION_HELLO)
                ExpectScoreFollowsRules(game, action, scoreBefore, robotsBefore, levelBefore, sonicVictims, where);
            bool newLevel = game.level != levelBefore;
            ASSERT_EQ(newLevel ? 0 : teleportsBefore + (action == ACTION_TELEPORT), game.teleportCount) << where;
            ASSERT_EQ(newLevel ? 0 : sonicBefore + (action == ACTION_SONIC), game.sonicUsedCount) << where;
            ASSERT_EQ(newLevel, robotsBefore > 0 && game.level == levelBefore + 1 && !game.hero.dead) << where;
        }
    }
}
