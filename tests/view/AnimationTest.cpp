#include <gtest/gtest.h>

#include "settings/Settings.h"
#include "tests/core/FakeView.h"
#include "view/Animation.h"

namespace {

class AnimationTest : public ::testing::Test {
protected:
    AnimationTest() : animator(view, settings)
    {
        CGridRect grid = {0, 30, 17 * 20 + 1, 30 + 17 * 15 + 1};
        animator.grid = grid;
        origin.x = 0;
        origin.y = 30;
        view.tickStep = 1;
    }

    // What the canvas shows equals exactly the pieces drawn now.
    void ExpectOnly(const std::vector<const CPiece*>& pieces)
    {
        CRecordingCanvas expected;
        for (const CPiece* p : pieces)
            if (p->drawn)
                expected.XorImage(*p);
        std::vector<CScreenImage> shown = canvas.Shown(), wanted = expected.Shown();
        ASSERT_EQ(wanted.size(), shown.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_FALSE(shown[i] < wanted[i] || wanted[i] < shown[i]);
        }
        for (auto& outline : canvas.outlines)
            EXPECT_EQ(0, outline.second) << "every outline drawn is removed";
        EXPECT_EQ(0, canvas.pensOpen);
        EXPECT_EQ(0, canvas.clips);
    }

    CSettings settings;
    CFakeView view;
    CRecordingCanvas canvas;
    CAnimator animator;
    CPoint origin;
};

}

TEST_F(AnimationTest, GlideFollowsTheClockAndDrawsOnlyOnChange)
{
    view.tickStep = 0;
    CRobot robot(1, 0, origin);
    robot.startX = 18;
    robot.targetX = 35;
    robot.x = 18;
    robot.startY = robot.targetY = robot.y;
    robot.Draw(&canvas);
    animator.animationTick = 1000;
    struct {
        uint32_t at;
        int x, result;
    } passes[] = {{1050, 22, 1}, {1055, 22, 1}, {1100, 26, 1}, {1200, 35, 1}, {1300, 35, 0}};
    size_t transfers = 0;
    for (auto& pass : passes) {
        view.tick = pass.at;
        canvas.log = &view.log;
        EXPECT_EQ(pass.result, animator.Glide(robot, &canvas, 200));
        EXPECT_EQ(pass.x, robot.x) << pass.at;
        transfers = view.log.size();
        if (pass.at == 1050) {
            EXPECT_EQ(2u, transfers) << "an erase and a draw";
        }
        if (pass.at == 1055) {
            EXPECT_EQ(2u, transfers) << "nothing changed, nothing drawn";
        }
    }
    EXPECT_TRUE(robot.drawn);
}

TEST_F(AnimationTest, AllPiecesArriveTogetherEvenWithNoTime)
{
    for (int duration : {0, 1, 200}) {
        CPieceList<CRobot> robots;
        CHero hero(5, 5, origin);
        for (int i = 0; i < 4; ++i) {
            int h = robots.Append(CRobot(i, i, origin));
            robots[h].StepToward(5, 5, origin);
            robots[h].Draw(&canvas);
        }
        hero.startX = hero.x;
        hero.startY = hero.y;
        CPoint to = PixelFromCell(6, 5, origin);
        hero.targetX = to.x;
        hero.targetY = to.y;
        hero.Draw(&canvas);
        animator.GlidePieces(&canvas, robots, &hero, duration);
        std::vector<const CPiece*> all = {&hero};
        for (auto& r : robots) {
            EXPECT_EQ(r.targetX, r.x);
            EXPECT_EQ(r.targetY, r.y);
            all.push_back(&r);
        }
        EXPECT_EQ(to.x, hero.x);
        ExpectOnly(all);
        for (auto& r : robots)
            r.Erase(&canvas);
        hero.Erase(&canvas);
    }
}

TEST_F(AnimationTest, TeleportFlightLastsByDistance)
{
    struct {
        int cells, move, flight;
    } cases[] = {{10, 200, 100}, {1, 10, 0}, {3, 200, 30}};
    for (auto& c : cases) {
        settings.temps_move.value = c.move;
        CHero hero(2, 2, origin);
        hero.Draw(&canvas);
        hero.startX = hero.x;
        hero.startY = hero.y;
        CPoint to = PixelFromCell(2 + c.cells, 3, origin);
        hero.targetX = to.x;
        hero.targetY = to.y;
        view.Clear();
        animator.AnimateTeleport(&canvas, hero);
        EXPECT_EQ(c.flight, hero.glideDuration);
        EXPECT_EQ(to.x, hero.x);
        EXPECT_EQ(to.y, hero.y);
        EXPECT_EQ(IMAGE_SIZE, hero.size);
        EXPECT_EQ(std::vector<std::string>(1, "wave 196"), view.Events("wave"));
        ExpectOnly({&hero});
        hero.Erase(&canvas);
    }
}

TEST_F(AnimationTest, TeleportSwellsToNinetySixAndBackEvenWithNoTime)
{
    for (int tele : {0, 100}) {
        settings.temps_tele.value = tele;
        CHero hero(4, 4, origin);
        hero.Draw(&canvas);
        hero.startX = hero.targetX = hero.x;
        hero.startY = hero.targetY = hero.y;
        canvas.log = &view.log;
        view.Clear();
        animator.AnimateTeleport(&canvas, hero);
        canvas.log = 0;
        bool reachedMax = false;
        for (auto& e : view.Events("xor"))
            reachedMax |= e.find(" 96") == e.size() - 3;
        EXPECT_TRUE(reachedMax) << tele;
        ExpectOnly({&hero});
        hero.Erase(&canvas);
    }
}

TEST_F(AnimationTest, SonicRingsStayInsideTheGridAndVanish)
{
    settings.temps_sonic.value = 32;
    CHero hero(0, 0, origin);
    hero.Draw(&canvas);
    animator.AnimateSonic(&canvas, hero);
    ASSERT_EQ(32u, canvas.outlineLog.size()) << "16 rings drawn and removed";
    for (auto& ring : canvas.outlineLog) {
        EXPECT_EQ(0, ring[0]) << "clamped to the grid's left edge";
        EXPECT_EQ(30, ring[1]) << "clamped to the grid's top edge";
        EXPECT_EQ(3, ring[4]);
    }
    std::vector<int> last = {0, 30, 1 + 16 + 17, 31 + 16 + 17, 3};
    EXPECT_EQ(last, canvas.outlineLog.back());
    EXPECT_EQ(std::vector<std::string>(1, "wave 200"), view.Events("wave"));
    ExpectOnly({&hero});
}

TEST_F(AnimationTest, HelloWidensAndNarrowsAroundThePiece)
{
    CRobot robot(10, 8, origin);
    animator.AnimateHello(&canvas, robot);
    ASSERT_EQ(40u, canvas.outlineLog.size());
    std::vector<int> widest = {robot.x - 43, robot.y - 43, robot.x + 57, robot.y + 57, 5};
    EXPECT_EQ(widest, canvas.outlineLog[18]);
    std::vector<int> dot = {robot.x + 7, robot.y + 7, robot.x + 7, robot.y + 7, 5};
    EXPECT_EQ(dot, canvas.outlineLog.back());
    ExpectOnly({});
}

TEST_F(AnimationTest, ExplosionsPlayTheirTenFramesAndEmptyTheList)
{
    CPieceList<CExplosion> explosions;
    EXPECT_EQ(-1, animator.PlayExplosions(&canvas, explosions));
    for (int rex : {5, 200}) {
        settings.temps_rex.value = rex;
        explosions.Append(CExplosion(3, 3, origin));
        explosions.Append(CExplosion(4, 3, origin));
        canvas.log = &view.log;
        view.Clear();
        EXPECT_EQ(0, animator.PlayExplosions(&canvas, explosions));
        canvas.log = 0;
        EXPECT_TRUE(explosions.IsEmpty());
        std::vector<std::string> transfers = view.Events("xor 1:");
        EXPECT_EQ(2u * 2 * 10, transfers.size()) << "each frame drawn and erased, for each explosion";
        EXPECT_EQ("xor 1:9 69,82 16", transfers.back());
        ExpectOnly({});
    }
}
