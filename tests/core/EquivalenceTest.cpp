// The indexed game must play exactly like the plain list-walking one: the same
// random draws, list orders, removals, heaps, explosions, points, sounds and
// drawing, turn after turn.
#include <sstream>

#include "tests/core/GameFixture.h"
#include "tests/core/ReferenceGame.h"

namespace {

template <class Game>
std::string Snapshot(const Game& game)
{
    std::ostringstream s;
    s << "level " << game.level << " score " << game.score << " tele " << game.teleportCount << " sonic "
      << game.sonicUsedCount << " best " << game.settings.meilleur_score.Get() << " rng " << game.random.state
      << " hero " << game.hero.column << "," << game.hero.line << " " << game.hero.x << "," << game.hero.y << " "
      << game.hero.dead << game.hero.drawn << game.hero.imageIndex << "\nrobots";
    for (auto& r : game.robots)
        s << " " << r.column << "," << r.line << "@" << r.x << "," << r.y << (r.drawn ? "d" : "");
    s << "\nheaps";
    for (auto& h : game.heaps)
        s << " " << h.column << "," << h.line << (h.drawn ? "d" : "");
    s << "\nexplosions " << game.explosions.Count();
    return s.str();
}

struct CRun {
    int columns, lines, base, added;
    bool immortal;
};

// A mix of actions that exercises every branch: mostly moves toward safety,
// some stays, teleports, Sonics, hellos, Remains and new games.
void PlayBoth(const CRun& run, uint32_t seed, int turns)
{
    CSettings settingsA, settingsB;
    for (CSettings* s : {&settingsA, &settingsB}) {
        s->largeur.value = run.columns;
        s->hauteur.value = run.lines;
        s->nb_robot_base.value = run.base;
        s->nb_robot_incr.value = run.added;
        s->immortalite.value = run.immortal;
    }
    CFakeView viewA, viewB;
    viewA.logDrawing = viewB.logDrawing = true;
    CGame game(settingsA, viewA);
    CReferenceGame reference(settingsB, viewB);
    game.random.Seed(seed);
    reference.random.Seed(seed);
    CRandom choices(seed ^ 0x5a5a5a5a);

    game.StartLevel(1);
    reference.StartLevel(1);
    for (int turn = 0; turn < turns; ++turn) {
        ASSERT_EQ(Snapshot(reference), Snapshot(game)) << "seed " << seed << " turn " << turn;
        ASSERT_EQ(viewB.log, viewA.log) << "seed " << seed << " turn " << turn;
        if (viewA.repaintPending) {
            Repaint(game, viewA);
            Repaint(reference, viewB);
        }
        int pick = choices.Next() % 100;
        int action = ACTION_MOVE;
        int code = choices.Next() % 9;
        if (pick < 4)
            action = ACTION_TELEPORT;
        else if (pick < 7)
            action = ACTION_SONIC;
        else if (pick < 9)
            action = ACTION_HELLO;
        else if (pick < 12)
            action = ACTION_REMAIN;
        if (action != ACTION_MOVE)
            code = 4;
        if (game.hero.dead && pick < 50) {
            game.StartLevel(1);
            reference.StartLevel(1);
            continue;
        }
        EXPECT_EQ(reference.PlayTurn(action, code), game.PlayTurn(action, code));
    }
    ASSERT_EQ(Snapshot(reference), Snapshot(game));
    ASSERT_EQ(viewB.log, viewA.log);
}

}

TEST(Equivalence, SmallBoardsManySeeds)
{
    CRun runs[] = {{15, 15, 1, 1, false}, {15, 15, 300, 100, false}, {20, 17, 5, 3, false},
                   {47, 32, 7, 3, false}, {16, 15, 20, 10, true},    {3, 3, 2, 2, false}};
    for (auto& run : runs)
        for (uint32_t seed = 1; seed <= 12; ++seed)
            PlayBoth(run, seed * 7919u, 60);
}

TEST(Equivalence, CrowdedLargeBoard)
{
    CRun runs[] = {{110, 80, 1000, 0, false}, {110, 80, 44, 22, false}, {110, 80, 7920, 0, true}};
    for (auto& run : runs)
        for (uint32_t seed = 1; seed <= 2; ++seed)
            PlayBoth(run, seed, 12);
}
