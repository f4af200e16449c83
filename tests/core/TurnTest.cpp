#include "tests/core/GameFixture.h"

TEST_F(GameTest, RobotsStepTowardTheHeroWithoutMeeting)
{
    Layout(10, 10);
    Robot(12, 10);
    Robot(10, 12);
    Show();
    EXPECT_EQ(0, game.PlayTurn(ACTION_MOVE, 4));
    ASSERT_EQ(2u, RobotCells().size());
    EXPECT_EQ(At(11, 10), RobotCells()[0]);
    EXPECT_EQ(At(10, 11), RobotCells()[1]);
    EXPECT_EQ(0, view.Count("wave"));
    ExpectScreenTrue();

    Layout(10, 10);
    Robot(8, 10);
    Robot(12, 10);
    Show();
    game.PlayTurn(ACTION_MOVE, 1);
    EXPECT_EQ(At(10, 9), game.hero.Cell());
    EXPECT_EQ(At(9, 9), RobotCells()[0]);
    EXPECT_EQ(At(11, 9), RobotCells()[1]);
    ExpectScreenTrue();
}

TEST_F(GameTest, RobotsMeetingLeaveOneHeapAndOneExplosion)
{
    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(15, 15);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(10, game.score);
    ASSERT_EQ(1u, HeapCells().size());
    EXPECT_EQ(At(9, 10), HeapCells()[0]);
    EXPECT_EQ(1, game.robots.Count());
    std::vector<std::string> explosions = view.Events("explosions");
    ASSERT_EQ(1u, explosions.size());
    EXPECT_EQ("explosions 9,10", explosions[0]);
    EXPECT_EQ(1, view.Count("wave 207"));
    ExpectScreenTrue();

    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(8, 10);
    Robot(19, 19);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(1, game.robots.Count());
    EXPECT_EQ(1, game.heaps.Count());
    EXPECT_EQ(15, game.score) << "three robots on one cell";
}

TEST_F(GameTest, RobotsWalkingIntoAHeapAreDestroyedAndTheHeapStays)
{
    Layout(10, 10);
    Heap(9, 9);
    Robot(8, 8);
    Robot(3, 3);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(5, game.score);
    EXPECT_EQ(1, game.heaps.Count());
    EXPECT_EQ(1, game.robots.Count());
    EXPECT_EQ("explosions 9,9", view.Events("explosions")[0]);
    ExpectScreenTrue();
}

TEST_F(GameTest, HeroSteppingOntoAHeapDiesAfterTheHeapTakesItsRobots)
{
    Layout(10, 10);
    Heap(11, 10);
    Robot(12, 10);
    Robot(12, 11);
    Show();
    game.PlayTurn(ACTION_MOVE, 5);
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(10, game.score) << "both robots fell into the heap first";
    EXPECT_EQ(0, game.heaps.Count()) << "the heap on the hero's cell is removed";
    EXPECT_EQ(0, view.Count("wave 207"));
    EXPECT_EQ(1, view.Count("wave 202"));
    EXPECT_EQ(0, view.Count("wave 206")) << "a hit hero starts no new level";
    EXPECT_EQ(1, game.level);
    EXPECT_EQ(10, settings.meilleur_score.Get());
    EXPECT_TRUE(settings.meilleur_score.changed);
    ExpectScreenTrue();
}

TEST_F(GameTest, HeroSteppingOntoARobotRemovesItWithoutPoints)
{
    Layout(10, 10);
    Robot(11, 10);
    Robot(15, 15);
    Show();
    game.PlayTurn(ACTION_MOVE, 5);
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(0, game.score);
    EXPECT_EQ(1, game.robots.Count());
    EXPECT_EQ(At(14, 14), RobotCells()[0]);
    EXPECT_FALSE(view.actionsEnabled);
    EXPECT_EQ(IMAGE_DEAD_FIRST, game.hero.imageIndex);
    ExpectScreenTrue();
}

TEST_F(GameTest, TheLastRobotKillingTheHeroStartsNoLevel)
{
    Layout(10, 10);
    Robot(12, 12);
    Show();
    game.PlayTurn(ACTION_MOVE, 8);
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(0, game.robots.Count());
    EXPECT_EQ(1, game.level);
    EXPECT_EQ(0, view.Count("wave 206"));
}

TEST_F(GameTest, ClearingTheBoardStartsTheNextLevel)
{
    Layout(10, 10);
    settings.nb_robot_incr.value = 2;
    Robot(8, 9);
    Robot(8, 11);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(2, game.level);
    EXPECT_EQ(4, game.robots.Count());
    EXPECT_EQ(0, game.heaps.Count());
    EXPECT_EQ(10, game.score);
    std::vector<std::string> waves = view.Events("wave");
    ASSERT_EQ(2u, waves.size());
    EXPECT_EQ("wave 207", waves[0]);
    EXPECT_EQ("wave 206", waves[1]);
    ExpectScreenTrue();
}

TEST_F(GameTest, ATurnFollowsItsOrder)
{
    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(2, 2);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    std::vector<std::string> expected = {"hide-marker", "glide 200",      "wave 207",      "explosions 9,10",
                                         "status",      "refresh-marker"};
    EXPECT_EQ(expected, view.log);
}

TEST_F(GameTest, RefusedMovesChangeNothing)
{
    Layout(0, 0);
    Robot(5, 5);
    Show();
    EXPECT_EQ(-1, game.PlayTurn(ACTION_MOVE, 0));
    EXPECT_EQ(-1, game.PlayTurn(ACTION_MOVE, 3));
    EXPECT_EQ(-1, game.PlayTurn(ACTION_MOVE, -1));
    EXPECT_EQ(-1, game.PlayTurn(ACTION_MOVE, 9));
    EXPECT_EQ(-1, game.PlayTurn(7, 4));
    std::vector<std::string> refused(5, "refused");
    EXPECT_EQ(refused, view.log);
    EXPECT_EQ(At(5, 5), RobotCells()[0]);
    EXPECT_EQ(At(0, 0), game.hero.Cell());

    game.hero.dead = true;
    view.Clear();
    EXPECT_EQ(-1, game.PlayTurn(ACTION_MOVE, 4));
    EXPECT_EQ(-1, game.PlayTurn(ACTION_HELLO, 4));
    game.hero.dead = false;
    game.introActive = true;
    EXPECT_EQ(-1, game.PlayTurn(ACTION_REMAIN, 4));
    EXPECT_EQ(3, view.Count("refused"));
    EXPECT_EQ(3u, view.log.size());
}

TEST_F(GameTest, HelloMovesNothing)
{
    Layout(6, 6);
    Robot(8, 8);
    Show();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(0, game.PlayTurn(ACTION_HELLO, 4));
    EXPECT_EQ(At(8, 8), RobotCells()[0]);
    EXPECT_EQ(3, view.Count("hello 103,103"));
    EXPECT_EQ(0, view.Count("glide"));
    EXPECT_EQ(0, view.Count("status"));
    ExpectScreenTrue();
}

TEST_F(GameTest, RemainPlaysTurnsUntilTheLevelIsDecided)
{
    Layout(10, 10);
    Robot(2, 10);
    Robot(18, 10);
    Robot(10, 3);
    Show();
    game.PlayTurn(ACTION_REMAIN, 4);
    EXPECT_EQ(7, view.Count("glide")) << "the robot 7 cells away reaches the hero at the 7th turn";
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(7, view.Count("status"));
    ExpectScreenTrue();
}

TEST_F(GameTest, EveryPieceIsOnTheScreenWhenTheTurnStarts)
{
    Layout(10, 10);
    Robot(3, 3);
    Heap(5, 5);
    view.Clear();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_TRUE(game.hero.drawn);
    EXPECT_TRUE(game.heaps[game.heaps.First()].drawn);
    EXPECT_TRUE(game.robots[game.robots.First()].drawn);
    ExpectScreenTrue();
}
