#include "tests/core/GameFixture.h"

TEST(Score, DeadHeroPictureByReligion)
{
    int expected[] = {3, 4, 5, 6, 7};
    for (int religion = 0; religion <= 4; ++religion)
        EXPECT_EQ(expected[religion], DeadHeroImage(religion));
    EXPECT_EQ(7, DeadHeroImage(9));
    EXPECT_EQ(7, DeadHeroImage(-1));
}

TEST_F(GameTest, CostsNeverTakeTheScoreBelowZero)
{
    struct {
        int before;
        bool sonic;
        int after;
    } cases[] = {{2, false, 0}, {3, false, 0}, {4, false, 1}, {13, true, 3}, {10, true, 0}, {11, true, 1}, {0, true, 0}};
    for (auto& c : cases) {
        game.score = c.before;
        if (c.sonic)
            game.ChargeSonic();
        else
            game.ChargeTeleport();
        EXPECT_EQ(c.after, game.score) << c.before;
    }
}

TEST_F(GameTest, AGameOfMeetingsHeapsTeleportAndSonicAddsUp)
{
    game.score = 0;
    for (int i = 0; i < 12; ++i)
        game.AddScore();
    for (int i = 0; i < 3; ++i)
        game.AddScore();
    game.ChargeTeleport();
    game.ChargeSonic();
    EXPECT_EQ(62, game.score);
}

TEST_F(GameTest, DeathShowsTheReligionsPictureAndGreysTheActions)
{
    settings.religion.value = 2;
    Layout(10, 10);
    Robot(11, 11);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(5, game.hero.imageIndex);
    EXPECT_FALSE(view.actionsEnabled);
    EXPECT_TRUE(game.IsHeroBusy());
    game.StartLevel(1);
    EXPECT_TRUE(view.actionsEnabled);
    EXPECT_EQ(0, game.hero.imageIndex);
}

TEST_F(GameTest, ImmortalityHoldsTheScoreAtZeroAndKeepsTheHeroAlive)
{
    settings.immortalite.value = true;
    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(10, 13);
    Robot(19, 19);
    Show();
    game.score = 0;
    game.PlayTurn(ACTION_REMAIN, 4);
    EXPECT_EQ(0, game.score);
    EXPECT_FALSE(game.hero.dead);
    EXPECT_EQ(IMAGE_HERO, game.hero.imageIndex);
    EXPECT_EQ(0, view.Count("wave 202"));
    EXPECT_EQ(0, view.Count("actions off"));
    EXPECT_EQ(3, view.Count("glide")) << "Remain stops at the turn the robot reaches the hero";
    EXPECT_EQ(1, game.robots.Count());
    ExpectScreenTrue();
}

TEST_F(GameTest, ImmortalHeroHitByTheLastRobotGoesOnToTheNextLevel)
{
    settings.immortalite.value = true;
    Layout(10, 10);
    Robot(11, 11);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(2, game.level);
}

TEST_F(GameTest, BestScoreRisesOnlyWhenTheHeroDies)
{
    settings.meilleur_score.value = 12;
    Layout(10, 10);
    Robot(8, 9);
    Robot(8, 11);
    Robot(12, 12);
    Robot(19, 19);
    Show();
    game.score = 5;
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(15, game.score);
    EXPECT_EQ(12, settings.meilleur_score.Get()) << "not raised while the hero lives";
    EXPECT_FALSE(settings.meilleur_score.changed);
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_TRUE(game.hero.dead);
    EXPECT_EQ(15, settings.meilleur_score.Get());
    EXPECT_TRUE(settings.meilleur_score.changed);

    settings.meilleur_score.changed = false;
    game.StartLevel(1);
    Layout(10, 10);
    Robot(11, 11);
    Show();
    game.PlayTurn(ACTION_MOVE, 4);
    EXPECT_EQ(15, settings.meilleur_score.Get()) << "a lower score leaves the best alone";
    EXPECT_FALSE(settings.meilleur_score.changed);
}
