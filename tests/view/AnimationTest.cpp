// The animations on a recording surface, with a clock that moves one
// millisecond at each reading: where the figures go, how long each phase
// lasts from its own start, and that nothing drawn is left behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/Settings.h"
#include "tests/core/FakeView.h"
#include "view/Animation.h"

// 20 x 15 cells under a 30-pixel band.
struct AnimationTest : public ::testing::Test {
    AnimationTest() : animator(view, settings, origin)
    {
        settings.largeur.value = 20;
        settings.hauteur.value = 15;
        view.tickStep = 1;
    }

    CSettings settings;
    CFakeView view;
    CRecordingCanvas canvas;
    CPoint origin = {0, 30};
    CAnimator animator;
};

// A glide of 200 pixels in 200 ms, on a clock that starts at 0 like the
// animator's; then all pieces glide from their start together, with time
// through the pixels between, without it at once.
TEST_F(AnimationTest, GlidesFollowTheClockAndDrawOnlyWhenAPieceMoves)
{
    view.tickStep = 0;
    CRobot robot(1, 0, origin);
    robot.StepToward(1, 0, origin);
    robot.targetX += 200;
    robot.Draw(&canvas);
    const int passes[][4] = {{50, 68, 1, 2}, {50, 68, 1, 0}, {150, 168, 1, 2}, {200, 218, 1, 2}, {300, 218, 0, 0}};
    for (auto& p : passes) {  // clock, x, result, transfers
        size_t before = canvas.transfers.size();
        view.tick = p[0];
        int result = animator.Glide(robot, &canvas, 200);
        EXPECT_EQ(Pair(p[2], p[1]) + " " + std::to_string(p[3]),
                  Pair(result, robot.x) + " " + std::to_string(canvas.transfers.size() - before)) << p[0];
    }
    canvas.transfers.clear();
    view.tickStep = 1;
    for (int duration : {0, 1, 200}) {
        CPieceList<CRobot> robots;
        CHero hero(5, 5, origin);
        for (int i = 0; i < 4; ++i) robots.Append(CRobot(i, i, origin));
        std::vector<CPiece*> all = {&hero};
        for (auto& r : robots) all.push_back(&r);
        for (CPiece* p : all) { p->StepToward(p == &hero ? 6 : 5, 5, origin); p->Draw(&canvas); }
        size_t before = canvas.transfers.size();
        animator.GlidePieces(&canvas, robots, &hero, duration);
        for (CPiece* p : all) EXPECT_EQ(Pair(p->targetX, p->targetY), Pair(p->x, p->y));
        EXPECT_EQ(duration == 200, canvas.transfers.size() - before > 2 * all.size()) << duration;
        EXPECT_TRUE(ShowsExactly(canvas, all));
        for (CPiece* p : all) p->Erase(&canvas);
    }
}

// The hero swells to 96 pixels, flies for 0.05 ms a pixel of glide time a
// cell, and shrinks back to 16, each phase timed from its own start.
TEST_F(AnimationTest, ATeleportSwellsFliesForItsDistanceAndShrinksBack)
{
    const int cases[][7] = {{10, 200, 100, 100, 96, 101, 80}, {1, 10, 100, 0, 96, 2, 80}, {2, 200, 0, 20, 0, 21, 1}};
    for (auto& c : cases) {  // cells away, glide and teleport durations, flight; sizes drawn up, at 96, down
        settings.temps_move.value = c[1];
        settings.temps_tele.value = c[2];
        CHero hero(2, 2, origin);
        hero.Draw(&canvas);
        hero.StepToward(2, 3, origin);
        hero.targetX += 17 * c[0];
        size_t first = canvas.transfers.size();
        view.log.clear();
        animator.AnimateTeleport(&canvas, hero);
        EXPECT_EQ(Pair(c[3], IMAGE_SIZE), Pair(hero.glideDuration, hero.size));
        EXPECT_EQ(Pair(hero.targetX, hero.targetY), Pair(hero.x, hero.y));
        EXPECT_EQ(std::vector<std::string>(1, "wave 196"), view.log);
        EXPECT_TRUE(ShowsExactly(canvas, {&hero}));
        std::vector<int> sizes;  // every other transfer is an erase
        for (size_t i = first + 1; i < canvas.transfers.size(); i += 2) sizes.push_back(canvas.transfers[i][2]);
        hero.Erase(&canvas);
        size_t peak = std::max_element(sizes.begin(), sizes.end()) - sizes.begin();
        size_t at96 = std::count(sizes.begin(), sizes.end(), 96);
        EXPECT_EQ(std::vector<size_t>({96, (size_t)c[4], (size_t)c[5], (size_t)c[6]}),
                  std::vector<size_t>({(size_t)sizes[peak], peak, at96, sizes.size() - peak - at96})) << c[0];
        EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.begin() + peak + 1));
        EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend() - peak));
    }
}

// Sonic: 16 rings, each replacing the one before just over 10 ms later, the
// widest clamped to the grid, the hero snapped back to his cell and drawn at
// rest. Hello: ten squares out and ten back in, 10 ms apart, each half timed
// from its start. A case: Sonic or hello, cell, clock readings, one ring.
TEST_F(AnimationTest, RingsGrowStepByStepInsideTheGridAndLeaveNothing)
{
    settings.temps_sonic.value = 160;
    settings.temps_coucou.value = 100;
    const struct { bool sonic; int column, line; uint32_t readings; size_t ring; std::vector<int> ringAt; } cases[] = {
        {true, 0, 0, 1 + 16 * 12, 30, {0, 30, 34, 64, 3}}, {true, 19, 14, 1 + 16 * 12, 30, {307, 252, 341, 286, 3}},
        {true, 10, 7, 1 + 16 * 12, 30, {154, 133, 204, 183, 3}},
        {false, 10, 8, 2 * (1 + 10 * 12), 18, {128, 124, 228, 224, 5}},
        {false, 10, 8, 2 * (1 + 10 * 12), 39, {178, 174, 178, 174, 5}}};
    for (auto& c : cases) {
        CHero hero(c.column, c.line, origin);
        hero.StepToward(c.column, c.line, origin);
        std::string rest = PieceText(hero);
        hero.x += c.sonic ? 5 : 0;
        hero.Draw(&canvas);
        canvas.outlines.clear();
        view.log.clear();
        uint32_t start = view.tick;
        if (c.sonic) animator.AnimateSonic(&canvas, hero);
        else animator.AnimateHello(&canvas, hero);
        EXPECT_EQ(c.readings, view.tick - start);
        EXPECT_EQ(rest.replace(rest.find(" -"), 2, " d"), PieceText(hero));
        ASSERT_EQ(c.sonic ? 32u : 40u, canvas.outlines.size());
        EXPECT_EQ(c.ringAt, canvas.outlines[c.ring]);
        for (auto& r : canvas.outlines)
            EXPECT_TRUE(r[0] >= 0 && r[1] >= 30 && r[2] <= 341 && r[3] <= 286 && r[4] == c.ringAt[4]);
        EXPECT_EQ(std::vector<std::string>(1, c.sonic ? "wave 200" : "wave 201"), view.log);
        EXPECT_TRUE(ShowsExactly(canvas, {&hero}));
        hero.Erase(&canvas);
    }
}

// Ten frames, at least 10 ms apart, of every explosion at once.
TEST_F(AnimationTest, ExplosionsPlayTheirTenFramesAndEmptyTheList)
{
    CPieceList<CExplosion> explosions;
    EXPECT_EQ(-1, animator.PlayExplosions(&canvas, explosions));
    settings.temps_rex.value = 100;
    explosions.Append(CExplosion(3, 3, origin));
    explosions.Append(CExplosion(4, 3, origin));
    uint32_t start = view.tick;
    EXPECT_EQ(0, animator.PlayExplosions(&canvas, explosions));
    EXPECT_EQ(1u + 9 * 11, view.tick - start);
    EXPECT_TRUE(explosions.IsEmpty());
    ASSERT_EQ(40u, canvas.transfers.size());
    EXPECT_EQ((std::vector<CScreenImage>{{{52, 82, 16, 1, 0}}, {{52, 82, 16, 1, 9}}, {{69, 82, 16, 1, 9}}}),
              (std::vector<CScreenImage>{canvas.transfers[0], canvas.transfers[35], canvas.transfers.back()}));
    EXPECT_TRUE(ShowsExactly(canvas, {}));
}
