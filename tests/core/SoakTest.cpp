// Many thousand turns of every kind over many boards, the whole state checked
// against the rules after each one: what a long evening of play asks.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/Game.h"
#include "settings/Settings.h"
#include "tests/core/FakeView.h"

namespace {

// The index agrees with a fresh count from the lists, no piece is off the
// board, no two robots share a cell and none stands on a heap.
void CheckBoard(const CGame& game, const std::string& where)
{
    int columns = game.Columns(), cells = columns * game.Lines();
    std::vector<int> pieces(cells), robots(cells), firstHeap(cells, NO_HANDLE);
    auto cellOf = [&](const CPiece& p) {
        EXPECT_TRUE(game.IsOnBoard(p.column, p.line)) << where << " off the board: " << Pair(p.column, p.line);
        return p.line * columns + p.column;
    };
    ++pieces[cellOf(game.hero)];
    for (const CRobot& r : game.robots) ++pieces[cellOf(r)], ++robots[cellOf(r)];
    for (int h = game.heaps.First(); h != NO_HANDLE; h = game.heaps.Next(h)) {
        int cell = cellOf(game.heaps[h]);
        ++pieces[cell];
        if (firstHeap[cell] == NO_HANDLE) firstHeap[cell] = h;
    }
    int occupied = 0;
    for (int cell = 0; cell < cells; ++cell) {
        int c = cell % columns, l = cell / columns;
        occupied += pieces[cell] > 0;
        ASSERT_TRUE(robots[cell] <= 1 && (robots[cell] == 0 || firstHeap[cell] == NO_HANDLE)) << where << Pair(c, l);
        ASSERT_EQ(pieces[cell] > 0, game.Index().IsOccupied(c, l)) << where << " cell " << Pair(c, l);
        ASSERT_EQ(robots[cell], game.Index().RobotsOn(c, l)) << where << " cell " << Pair(c, l);
        ASSERT_EQ(firstHeap[cell], game.Index().HeapOn(c, l)) << where << " cell " << Pair(c, l);
    }
    ASSERT_EQ(cells - occupied, game.Index().FreeCells()) << where;
}

int Charged(int score, int cost) { return score - cost < 1 ? 0 : score - cost; }

}

// Board sizes (a single line or column among them), robot numbers and
// immortality; each run plays its share of the ten thousand turns. A turn's
// score is its action's cost and five points a robot destroyed, none for
// the Sonic's victims nor for the robot that kills.
TEST(Soak, TenThousandTurnsKeepTheRules)
{
    const int runs[][5] = {{15, 15, 10, 5, 0}, {47, 32, 30, 10, 0}, {110, 80, 400, 50, 0}, {1, 20, 2, 1, 0},
                           {20, 1, 2, 1, 0},   {16, 15, 60, 20, 1}, {3, 3, 3, 1, 0},      {30, 20, 200, 100, 0}};
    for (int r = 0; r < 8; ++r) {
        CSettings settings;
        CFakeView view;
        CGame game(settings, view);
        CIntSetting* numbers[] = {&settings.largeur, &settings.hauteur, &settings.nb_robot_base, &settings.nb_robot_incr};
        for (int i = 0; i < 4; ++i) numbers[i]->value = runs[r][i];
        settings.immortalite.value = runs[r][4];
        game.random.Seed(1000u + r);
        CRandom choices(77u * r + 5);
        game.StartLevel(1);
        for (int turn = 0; turn < 1250; ++turn) {
            std::string where = "run " + std::to_string(r) + " turn " + std::to_string(turn);
            view.log.clear();
            view.canvas.transfers.clear();
            if (game.hero.dead || choices.Next() % 200 == 0) {
                game.StartLevel(1);
                CheckBoard(game, where + " new game");
                continue;
            }
            int pick = choices.Next() % 100;
            int action = pick < 8 ? ACTION_TELEPORT : pick < 11 ? ACTION_SONIC : pick < 13 ? ACTION_REMAIN
                       : pick < 16 ? ACTION_HELLO : ACTION_MOVE;
            int code = action == ACTION_MOVE ? (int)(choices.Next() % 9) : DIRECTION_STAY;
            int score = game.score, robots = game.robots.Count(), level = game.level;
            int teleports = game.teleportCount, sonics = game.sonicUsedCount, victims = 0;
            for (const CRobot& b : game.robots)
                victims += action == ACTION_SONIC && sonics == 0 && std::abs(b.column - game.hero.column) <= 1 &&
                           std::abs(b.line - game.hero.line) <= 1;
            if (game.PlayTurn(action, code) != 0) {
                ASSERT_EQ(score, game.score) << where << " a refused turn changed the score";
                continue;
            }
            CheckBoard(game, where);
            int charged = action == ACTION_TELEPORT ? Charged(score, TELEPORT_COST)
                        : action == ACTION_SONIC    ? Charged(score, SONIC_COST) : score;
            bool newLevel = game.level == level + 1;
            int earned = POINTS_PER_ROBOT * (robots - victims - (newLevel ? 0 : game.robots.Count()));
            if (settings.immortalite.Get())
                ASSERT_EQ(0, game.score) << where;
            else if (game.hero.dead)
                ASSERT_TRUE(game.score <= charged + earned && settings.meilleur_score.Get() >= game.score) << where;
            else
                ASSERT_EQ(charged + earned, game.score) << where;
            ASSERT_TRUE(newLevel || game.level == level) << where;
            ASSERT_EQ(newLevel ? 0 : teleports + (action == ACTION_TELEPORT), game.teleportCount) << where;
            ASSERT_EQ(newLevel ? 0 : sonics + (action == ACTION_SONIC), game.sonicUsedCount) << where;
        }
    }
}
