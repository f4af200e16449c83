// The indexed game must play exactly like the plain list-walking one: the same
// random draws, list orders, removals, heaps, explosions, points, sounds and
// drawing, turn after turn.
#include <gtest/gtest.h>

#include "tests/core/FakeView.h"
#include "tests/core/ReferenceGame.h"

namespace {

template <class Game>
std::string Snapshot(Game& game)
{
    CIntSetting& best = game.settings.meilleur_score;
    std::string s = "level, score " + Pair(game.level, game.score) + " tele, sonic " +
                    Pair(game.teleportCount, game.sonicUsedCount) + " best " + Pair(best.Get(), best.changed) +
                    " dead, explosions " + Pair(game.hero.dead, game.explosions.Count()) + " rng " +
                    std::to_string(game.random.state) + " tick " + std::to_string(game.levelStartTick);
    for (CPiece* p : Pieces(game)) s += "\n" + PieceText(*p);
    return s;
}

// Moves (some off the board or with no direction), stays, teleports, Sonics,
// hellos, Remains and unknown actions; new games after a death; intros; a
// board that grows while the game goes on, or shrinks for a new game. A run
// is the board's columns and lines, the robots of level 0 and added a level,
// the religion and immortality.
void PlayBoth(const int* run, uint32_t seed, int turns)
{
    CSettings settingsA, settingsB;
    CFakeView viewA, viewB;
    viewA.tickStep = viewB.tickStep = 7;
    CGame game(settingsA, viewA);
    CReferenceGame reference(settingsB, viewB);
    auto resize = [&](int columns, int lines) {
        settingsA.largeur.value = settingsB.largeur.value = columns;
        settingsA.hauteur.value = settingsB.hauteur.value = lines;
    };
    resize(run[0], run[1]);
    settingsA.nb_robot_base.value = settingsB.nb_robot_base.value = run[2];
    settingsA.nb_robot_incr.value = settingsB.nb_robot_incr.value = run[3];
    settingsA.religion.value = settingsB.religion.value = run[4];
    settingsA.immortalite.value = settingsB.immortalite.value = run[5];
    game.random.Seed(seed);
    reference.random.Seed(seed);
    CRandom choices(seed ^ 0x5a5a5a5a);
    ASSERT_EQ(reference.StartLevel(1), game.StartLevel(1));
    for (int turn = 0;; ++turn) {
        std::string where = "seed " + std::to_string(seed) + " turn " + std::to_string(turn);
        ASSERT_EQ(Snapshot(reference), Snapshot(game)) << where;
        ASSERT_EQ(viewB.log, viewA.log) << where;
        ASSERT_EQ(viewB.canvas.transfers, viewA.canvas.transfers) << where;
        if (turn == turns) break;
        int pick = choices.Next() % 100, code = choices.Next() % 11 - 1;
        if (pick < 3 || (game.hero.dead && pick < 50)) {
            ASSERT_EQ(reference.StartLevel(1), game.StartLevel(1));
        } else if (pick < 5) {
            bool grow = settingsA.largeur.value == run[0];
            resize(run[0] + 2 * grow, run[1] + grow);
            if (!grow) {
                ASSERT_EQ(reference.StartLevel(1), game.StartLevel(1));
            }
        } else if (pick < 7) {
            game.introActive = reference.introActive = true;
            ASSERT_EQ(reference.PlayTurn(ACTION_MOVE, code), game.PlayTurn(ACTION_MOVE, code)) << where;
            ASSERT_EQ(reference.PlacePieces(pick), game.PlacePieces(pick));
            game.introActive = reference.introActive = false;
        } else {
            int action = pick < 11 ? ACTION_TELEPORT : pick < 14 ? ACTION_SONIC : pick < 16 ? ACTION_HELLO
                       : pick < 19 ? ACTION_REMAIN : pick == 19 ? ACTION_HELLO - 1 : pick == 20 ? ACTION_REMAIN + 1
                       : ACTION_MOVE;
            code = action == ACTION_MOVE ? code : DIRECTION_STAY;
            ASSERT_EQ(reference.PlayTurn(action, code), game.PlayTurn(action, code)) << where;
        }
    }
}

}

// Boards one cell wide or tall, or with no cell at all, among them.
TEST(Equivalence, SmallBoardsManySeeds)
{
    const int runs[][6] = {{15, 15, 1, 1, 0, 0}, {15, 15, 300, 100, 1, 0}, {20, 17, 5, 3, 2, 0}, {47, 32, 7, 3, 3, 0},
                           {16, 15, 20, 10, 4, 1}, {3, 3, 2, 2, 9, 0}, {1, 6, 1, 1, -1, 0}, {7, 1, 2, 1, 0, 0},
                           {2, 2, 1, 1, 0, 0}, {1, 1, 5, 5, 0, 0}, {0, 5, 5, 5, 0, 0}, {5, 0, 5, 5, 0, 0},
                           {-2, 3, 5, 5, 0, 0}};
    for (auto& run : runs)
        for (uint32_t seed = 1; seed <= 12; ++seed) PlayBoth(run, seed * 7919u, 60);
}

TEST(Equivalence, CrowdedLargeBoard)
{
    const int runs[][6] = {{110, 80, 1000, 0, 0, 0}, {110, 80, 44, 22, 0, 0}, {110, 80, 7920, 0, 0, 1}};
    for (auto& run : runs)
        for (uint32_t seed = 1; seed <= 2; ++seed) PlayBoth(run, seed, 12);
}
