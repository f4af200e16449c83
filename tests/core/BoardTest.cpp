#include "tests/core/GameFixture.h"

TEST(Random, FollowsTheLinearCongruentialSequence)
{
    CRandom random(0);
    EXPECT_EQ(38, random.Next());  // 2531011 >> 16
    uint32_t state = 2531011u;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        ASSERT_EQ((int)((state >> 16) & 0x7FFF), random.Next());
    }
}

TEST(Piece, DirectionToNeighbours)
{
    CRobot piece(0, 0, CPoint());
    EXPECT_EQ(DIRECTION_NONE, piece.DirectionTo(-1, 0, 15, 15));
    EXPECT_EQ(8, piece.DirectionTo(1, 1, 15, 15));
    EXPECT_EQ(4, piece.DirectionTo(0, 0, 15, 15));
    EXPECT_EQ(DIRECTION_NONE, piece.DirectionTo(2, 0, 15, 15));
    CRobot middle(5, 5, CPoint());
    EXPECT_EQ(0, middle.DirectionTo(4, 4, 15, 15));
    EXPECT_EQ(5, middle.DirectionTo(6, 5, 15, 15));
    EXPECT_EQ(7, middle.DirectionTo(5, 6, 15, 15));
}

TEST(Piece, StepTowardTakesOneKingStepAndSetsTheGlide)
{
    CPoint origin = {0, 30};
    struct {
        int targetColumn, targetLine, column, line;
    } cases[] = {{5, 9, 5, 6}, {2, 9, 4, 6}, {5, 5, 5, 5}, {9, 1, 6, 4}};
    for (auto& c : cases) {
        CRobot robot(5, 5, origin);
        robot.StepToward(c.targetColumn, c.targetLine, origin);
        EXPECT_EQ(At(c.column, c.line), robot.Cell());
        EXPECT_EQ(17 * 5 + 1, robot.startX);
        EXPECT_EQ(30 + 17 * 5 + 1, robot.startY);
        EXPECT_EQ(17 * c.column + 1, robot.targetX);
        EXPECT_EQ(30 + 17 * c.line + 1, robot.targetY);
        EXPECT_EQ(robot.startX, robot.x) << "the image moves only with the glide";
    }
}

TEST(Piece, DrawAndEraseKeepTheFlagTrueToTheScreen)
{
    CRecordingCanvas canvas;
    CRobot robot(1, 1, CPoint());
    EXPECT_EQ(-1, robot.Erase(&canvas));
    EXPECT_EQ(0, robot.Draw(&canvas));
    EXPECT_EQ(-1, robot.Draw(&canvas));
    EXPECT_EQ(1u, canvas.Shown().size());
    EXPECT_EQ(0, robot.Erase(&canvas));
    EXPECT_TRUE(canvas.Shown().empty());
}

// The options' explosion Test sets one off between turns.
TEST_F(GameTest, AnExplosionBetweenTurnsLeavesItsCellFreeToExplodeAgain)
{
    Layout(3, 3);
    EXPECT_EQ(0, game.ExplodeCell(0, 0));
    EXPECT_EQ(0, game.ExplodeCell(0, 0));
    EXPECT_EQ(std::vector<std::string>(2, "explosions 0,0"), view.Events("explosions"));
    EXPECT_TRUE(game.explosions.IsEmpty() && view.canvas.Shown().empty() && view.canvasesHeld == 0);
}

TEST_F(GameTest, CellsHeldByHeroRobotsAndHeapsButNotExplosions)
{
    Layout(3, 3);
    Robot(4, 4);
    Heap(5, 5);
    game.AddExplosion(6, 6);
    EXPECT_TRUE(game.IsCellOccupied(3, 3));
    EXPECT_TRUE(game.IsCellOccupied(4, 4));
    EXPECT_TRUE(game.IsCellOccupied(5, 5));
    EXPECT_FALSE(game.IsCellOccupied(6, 6));
    EXPECT_FALSE(game.AddExplosion(6, 6)) << "one explosion per cell";
    EXPECT_TRUE(game.AddExplosion(4, 4));
    EXPECT_EQ(2, game.explosions.Count());
    game.SetHeroCell(7, 7);
    EXPECT_FALSE(game.IsCellOccupied(3, 3));
    EXPECT_TRUE(game.IsCellOccupied(7, 7));
}

TEST_F(GameTest, RandomCellDrawsColumnThenLine)
{
    settings.largeur.value = 47;
    settings.hauteur.value = 32;
    game.random.Seed(1234);
    CRandom copy(1234);
    CCell cell = game.RandomCell();
    int column = copy.Next() % 47;
    int line = copy.Next() % 32;
    EXPECT_EQ(At(column, line), cell);
}

TEST_F(GameTest, RandomFreeCellEndsOnACrowdedBoard)
{
    settings.largeur.value = 15;
    settings.hauteur.value = 15;
    Layout(0, 0);
    for (int i = 1; i <= 202; ++i)
        Robot(i % 15, i / 15);
    for (int seed = 0; seed < 50; ++seed) {
        game.random.Seed(seed);
        CCell cell = game.RandomFreeCell();
        ASSERT_NE(NO_CELL, cell);
        EXPECT_FALSE(game.IsCellOccupied(cell.column, cell.line));
    }
}

TEST_F(GameTest, RandomFreeCellFailsCleanlyOnAFullOrEmptyBoard)
{
    settings.largeur.value = 1;
    settings.hauteur.value = 1;
    Layout(0, 0);
    EXPECT_EQ(NO_CELL, game.RandomFreeCell());
    settings.largeur.value = 0;
    EXPECT_EQ(NO_CELL, game.RandomCell());
    EXPECT_EQ(NO_CELL, game.RandomFreeCell());
    settings.largeur.value = 3;
    settings.hauteur.value = -2;
    EXPECT_EQ(NO_CELL, game.RandomFreeCell());
}

TEST_F(GameTest, TinyAndEmptyBoardsPlayWithoutHanging)
{
    int sizes[][2] = {{1, 1}, {0, 5}, {5, 0}, {1, 2}, {2, 2}, {3, 3}};
    for (auto& size : sizes) {
        settings.largeur.value = size[0];
        settings.hauteur.value = size[1];
        settings.nb_robot_base.value = 5;
        settings.nb_robot_incr.value = 5;
        game.StartLevel(1);
        for (int turn = 0; turn < 5; ++turn)
            game.PlayTurn(ACTION_REMAIN, 4);
        EXPECT_LE(game.robots.Count(), size[0] * size[1]);
    }
}

TEST_F(GameTest, LargeBoardAtTheRobotCapIsFilledWithoutOverlap)
{
    settings.largeur.value = 110;
    settings.hauteur.value = 80;
    settings.nb_robot_base.value = 10000;
    game.StartLevel(1);
    EXPECT_EQ(7920, game.robots.Count());
    std::vector<int> seen(110 * 80, 0);
    seen[game.hero.line * 110 + game.hero.column]++;
    for (auto& r : game.robots)
        seen[r.line * 110 + r.column]++;
    for (int n : seen)
        ASSERT_LE(n, 1);
}
