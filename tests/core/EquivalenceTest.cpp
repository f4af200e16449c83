// The indexed game must play exactly like the plain list-walking one: the same
// random draws, list orders, removals, heaps, explosions, points, sounds and
// drawing, turn after turn, and its cell index must agree with its lists.
#include <gtest/gtest.h>

#include "tests/core/FakeView.h"
#include "tests/core/ReferenceGame.h"

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

template <class Game>
std::string Snapshot(Game& game)
{
    std::string s = Pair(game.level, game.score) + " " + Pair(game.teleportCount, game.sonicUsedCount) + " " +
                    Pair(game.settings.meilleur_score.Get(), game.settings.meilleur_score.changed) + " " +
                    Pair(game.hero.dead, game.explosions.Count()) + " " + Pair(game.random.state, game.levelStartTick);
    for (CPiece* p : Pieces(game)) s += "\n" + PieceText(*p);
    return s;
}

// One step of the script and its results: a new game, often after a death;
// the board growing under the game, or back to its size for a new game; an
// intro; a turn of any action, unknown ones too, with any direction code.
template <class Game>
std::string Play(Game& game, const int* run, int pick, int code)
{
    if (pick < 3 || (game.hero.dead && pick < 50)) return std::to_string(game.StartLevel(1));
    if (pick < 5) {
        bool grow = game.settings.largeur.value == run[0];
        game.settings.largeur.value = run[0] + 2 * grow;
        game.settings.hauteur.value = run[1] + grow;
        return grow ? "grown" : std::to_string(game.StartLevel(1));
    }
    if (pick < 7) {
        game.introActive = true;
        int moved = game.PlayTurn(ACTION_MOVE, code);
        game.introActive = false;
        return Pair(moved, game.PlacePieces(pick));
    }
    int action = pick < 11 ? ACTION_TELEPORT : pick < 14 ? ACTION_SONIC : pick < 16 ? ACTION_HELLO
               : pick < 19 ? ACTION_REMAIN : pick == 19 ? ACTION_HELLO - 1 : pick == 20 ? ACTION_REMAIN + 1
               : ACTION_MOVE;
    return std::to_string(game.PlayTurn(action, action == ACTION_MOVE ? code : DIRECTION_STAY));
}

// A run: the board's columns and lines, the robots of level 0 and added a
// level, the religion, immortality, the seeds and the turns of each.
void PlayBoth(const int* run, uint32_t seed)
{
    CSettings settings[2];
    CIntSetting* numbers[] = {&settings[0].largeur, &settings[0].hauteur, &settings[0].nb_robot_base,
                              &settings[0].nb_robot_incr, &settings[0].religion};
    for (int i = 0; i < 5; ++i) numbers[i]->value = run[i];
    settings[0].immortalite.value = run[5];
    settings[1] = settings[0];
    CFakeView views[2];
    views[0].tickStep = views[1].tickStep = 7;
    CGame game(settings[0], views[0]);
    CReferenceGame reference(settings[1], views[1]);
    game.random.Seed(seed);
    reference.random.Seed(seed);
    CRandom choices(seed ^ 0x5a5a5a5a);
    for (int turn = 0; turn <= run[7]; ++turn) {
        std::string where = "seed " + std::to_string(seed) + " turn " + std::to_string(turn);
        int pick = turn ? choices.Next() % 100 : 0, code = choices.Next() % 11 - 1;
        std::string played = Play(game, run, pick, code);
        ASSERT_EQ(Play(reference, run, pick, code), played) << where;
        ASSERT_EQ(Snapshot(reference), Snapshot(game)) << where;
        ASSERT_EQ(views[1].log, views[0].log) << where;
        ASSERT_EQ(views[1].canvas.transfers, views[0].canvas.transfers) << where;
        // A board that grew is indexed again at the next turn played; a board with no cell has nothing to index.
        if (game.Index().Columns() == game.Columns() && game.Index().Lines() == game.Lines() && game.Columns() > 0 &&
            game.Lines() > 0)
            CheckBoard(game, where);
    }
}

}

// Boards one cell wide or tall, or with no cell at all, among them, and crowded
// ones: some 12 700 turns, over 10 000 of them checked cell by cell.
TEST(Equivalence, TheIndexedGamePlaysLikeTheReference)
{
    const int runs[][8] = {{15, 15, 1, 1, 0, 0, 16, 60}, {15, 15, 300, 100, 1, 0, 16, 60}, {20, 17, 5, 3, 2, 0, 16, 60},
                           {47, 32, 7, 3, 3, 0, 16, 60}, {16, 15, 20, 10, 4, 1, 16, 60}, {3, 3, 2, 2, 9, 0, 16, 60},
                           {1, 6, 1, 1, -1, 0, 16, 60}, {7, 1, 2, 1, 0, 0, 16, 60}, {2, 2, 1, 1, 0, 0, 16, 60},
                           {1, 1, 5, 5, 0, 0, 16, 60}, {0, 5, 5, 5, 0, 0, 16, 60}, {5, 0, 5, 5, 0, 0, 16, 60},
                           {-2, 3, 5, 5, 0, 0, 16, 60}, {110, 80, 1000, 0, 0, 0, 2, 12},
                           {110, 80, 44, 22, 0, 0, 2, 12}, {110, 80, 7920, 0, 0, 1, 2, 12}};
    for (auto& run : runs)
        for (int seed = 1; seed <= run[6]; ++seed) PlayBoth(run, seed * 7919u);
}
