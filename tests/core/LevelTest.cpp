#include "tests/core/GameFixture.h"

TEST(Level, DefaultRobotCountsForABoard)
{
    struct {
        int columns, lines, base, added;
    } cases[] = {{15, 15, 1, 1}, {47, 32, 7, 3}, {110, 80, 44, 22}, {10, 10, 1, 1}, {20, 20, 2, 1}};
    for (auto& c : cases) {
        CRobotCounts counts = DefaultRobotCounts(c.columns, c.lines);
        EXPECT_EQ(c.base, counts.base) << c.columns << "x" << c.lines;
        EXPECT_EQ(c.added, counts.added) << c.columns << "x" << c.lines;
    }
}

TEST(Level, RobotCountGrowsUpToNinetyPercentOfTheCells)
{
    EXPECT_EQ(10, RobotCountForLevel(1, 7, 3, 47, 32));
    EXPECT_EQ(22, RobotCountForLevel(5, 7, 3, 47, 32));
    EXPECT_EQ(1351, RobotCountForLevel(448, 7, 3, 47, 32));
    EXPECT_EQ(1353, RobotCountForLevel(449, 7, 3, 47, 32));
    EXPECT_EQ(101, RobotCountForLevel(1, 1, 100, 15, 15));
    EXPECT_EQ(201, RobotCountForLevel(2, 1, 100, 15, 15));
    EXPECT_EQ(202, RobotCountForLevel(3, 1, 100, 15, 15));
    EXPECT_EQ(202, RobotCountForLevel(1, 300, 100, 15, 15));
    EXPECT_EQ(7920, RobotCountForLevel(1000000, 300, 100, 110, 80));
    EXPECT_EQ(0, RobotCountForLevel(1, 0, 0, 47, 32));
}

TEST_F(GameTest, StartLevelOneStartsANewGame)
{
    settings.largeur.value = 47;
    settings.hauteur.value = 32;
    settings.nb_robot_base.value = 7;
    settings.nb_robot_incr.value = 3;
    game.StartLevel(1);
    EXPECT_EQ(10, game.robots.Count());
    game.score = 40;
    game.teleportCount = 2;
    game.SetSonicUsed(1);
    game.AppendHeap(0, 0);
    game.StartLevel(2);
    EXPECT_EQ(13, game.robots.Count());
    EXPECT_EQ(40, game.score) << "a new level keeps the score";
    EXPECT_EQ(0, game.teleportCount);
    EXPECT_EQ(0, game.sonicUsedCount);
    EXPECT_EQ(0, game.heaps.Count());
    game.score = 40;
    game.StartLevel(1);
    EXPECT_EQ(0, game.score);
    EXPECT_EQ(1, game.level);
    EXPECT_EQ(10, game.robots.Count());
}

TEST_F(GameTest, StartLevelAsksForARepaintAndDrawsNothing)
{
    view.logDrawing = true;
    view.tick = 5555;
    game.StartLevel(1);
    const char* expected[] = {"actions on", "sonic on", "refresh-marker", "status", "invalidate"};
    ASSERT_EQ(5u, view.log.size());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], view.log[i]);
    EXPECT_EQ(5555u, game.levelStartTick);
    EXPECT_FALSE(game.hero.drawn);
    for (auto& r : game.robots)
        EXPECT_FALSE(r.drawn);
}

TEST_F(GameTest, PlacementFillsFreeCellsAndRevivesTheHero)
{
    settings.largeur.value = 15;
    settings.hauteur.value = 15;
    settings.nb_robot_base.value = 300;
    settings.nb_robot_incr.value = 100;
    for (int level = 1; level <= 30; ++level) {
        CCell before = game.hero.Cell();
        game.hero.dead = true;
        game.StartLevel(level);
        EXPECT_FALSE(game.hero.dead);
        EXPECT_EQ(IMAGE_HERO, game.hero.imageIndex);
        EXPECT_EQ(202, game.robots.Count());
        EXPECT_NE(before, game.hero.Cell()) << "the hero never lands on the cell he leaves";
        int occupied = 0;
        for (int c = 0; c < 15; ++c)
            for (int l = 0; l < 15; ++l)
                occupied += game.IsCellOccupied(c, l);
        EXPECT_EQ(203, occupied) << "robots never share a cell with each other or the hero";
    }
}

TEST_F(GameTest, TheIntroKeepsTheHeroWhereItPutHim)
{
    Layout(4, 4);
    game.introActive = true;
    game.PlacePieces(30);
    EXPECT_EQ(At(4, 4), game.hero.Cell());
    EXPECT_EQ(30, game.robots.Count());
    for (auto& r : game.robots)
        EXPECT_NE(At(4, 4), r.Cell());
}
