#include "tests/core/GameFixture.h"

TEST_F(GameTest, TeleportationJumpsToAFreeCellAndCostsThreePoints)
{
    Layout(10, 10);
    Robot(1, 1);
    Show();
    game.score = 13;
    CRandom copy = game.random;
    game.PlayTurn(ACTION_TELEPORT, 4);
    // The new cell is the first free cell drawn from the generator.
    int column, line;
    do {
        column = copy.Next() % 20;
        line = copy.Next() % 20;
    } while ((column == 10 && line == 10) || (column == 1 && line == 1));
    EXPECT_EQ(At(column, line), game.hero.Cell());
    EXPECT_EQ(10, game.score);
    EXPECT_EQ(1, game.teleportCount);
    EXPECT_EQ(1, view.Count("teleport-animation"));
    EXPECT_EQ(1, view.Count("glide")) << "the robots answer with one turn";
    ExpectScreenTrue();

    game.score = 2;
    game.PlayTurn(ACTION_TELEPORT, 4);
    EXPECT_EQ(0, game.score) << "the score never goes below 0";
    EXPECT_EQ(2, game.teleportCount);
}

TEST_F(GameTest, TeleportationCanLandNextToARobotThatKillsTheHero)
{
    settings.largeur.value = 2;
    settings.hauteur.value = 2;
    Layout(0, 0);
    Robot(1, 0);
    Robot(0, 1);
    Show();
    game.PlayTurn(ACTION_TELEPORT, 4);
    EXPECT_EQ(At(1, 1), game.hero.Cell()) << "the only free cell";
    EXPECT_TRUE(game.hero.dead);
}

TEST_F(GameTest, SonicDestroysTheNeighboursWithoutPoints)
{
    Layout(10, 10);
    Robot(9, 9);
    Robot(11, 11);
    Robot(12, 10);
    Heap(10, 9);
    Show();
    game.score = 13;
    game.PlayTurn(ACTION_SONIC, 4);
    EXPECT_EQ(3, game.score);
    ASSERT_EQ(1, game.robots.Count());
    EXPECT_EQ(At(11, 10), RobotCells()[0]) << "the far robot stays, then steps";
    EXPECT_EQ(1, game.heaps.Count());
    std::vector<std::string> explosions = view.Events("explosions");
    ASSERT_EQ(1u, explosions.size());
    EXPECT_EQ("explosions 9,9 11,11", explosions[0]);
    EXPECT_EQ(0, view.Count("wave 207")) << "no robot died in the robot turn";
    EXPECT_EQ(1, game.sonicUsedCount);
    EXPECT_FALSE(view.sonicEnabled);
    ExpectScreenTrue();
}

TEST_F(GameTest, OneSonicPerLevel)
{
    Layout(10, 10);
    Robot(1, 1);
    Robot(19, 19);
    Show();
    EXPECT_EQ(0, game.PlayTurn(ACTION_SONIC, 4));
    EXPECT_EQ(0, game.PlayTurn(ACTION_TELEPORT, 4));
    view.Clear();
    EXPECT_EQ(-1, game.PlayTurn(ACTION_SONIC, 4));
    EXPECT_EQ(std::vector<std::string>(1, "refused"), view.log);
    game.StartLevel(2);
    EXPECT_EQ(0, game.sonicUsedCount);
    EXPECT_TRUE(view.sonicEnabled);
}

TEST_F(GameTest, SonicThatClearsTheBoardStartsTheNextLevelSilently)
{
    Layout(10, 10);
    Robot(9, 10);
    Show();
    game.PlayTurn(ACTION_SONIC, 4);
    EXPECT_EQ(2, game.level);
    EXPECT_EQ(0, view.Count("wave 207"));
    EXPECT_EQ(1, view.Count("wave 206"));
    EXPECT_EQ(0, game.sonicUsedCount);
}

TEST_F(GameTest, SonicOnTheTopLeftCell)
{
    Layout(0, 0);
    Robot(1, 1);
    Robot(0, 1);
    Robot(2, 0);
    Show();
    game.PlayTurn(ACTION_SONIC, 4);
    EXPECT_EQ("explosions 1,1 0,1", view.Events("explosions")[0]);
    EXPECT_EQ(1, game.robots.Count());
}
