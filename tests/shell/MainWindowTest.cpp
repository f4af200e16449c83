#include "tests/shell/ShellFixture.h"

TEST_F(ShellTest, StartsOneWindowAndASecondStartFindsIt)
{
    char title[64];
    GetWindowTextA(k->mainWindow, title, sizeof title);
    EXPECT_STREQ("Krelmot 1.0", title);
    EXPECT_EQ(k->mainWindow, FindWindowA("KrelmotClassWindow", "Krelmot 1.0"));
    EXPECT_EQ(1, k->level) << "with no intro a game starts";
    CKrelmot* first = g_krelmot;
    EXPECT_EQ(START_OTHER_COPY, StartUp(GetModuleHandleA(NULL), SW_SHOWNORMAL, 1));
    EXPECT_EQ(first, g_krelmot) << "no second game is made";
}

TEST_F(ShellTest, TheClientAreaShowsExactlyTheGrid)
{
    RECT client;
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(17 * k->Columns() + 1, client.right);
    EXPECT_EQ(k->bandHeight + 17 * k->Lines() + 1 + k->statusBarHeight, client.bottom);
    EXPECT_EQ(0, k->gridRect.left);
    EXPECT_EQ(k->bandHeight, k->gridRect.top);
}

TEST_F(ShellTest, KeypadKeysStepTheHero)
{
    struct {
        WPARAM key;
        int dc, dl;
    } keys[] = {{VK_NUMPAD6, 1, 0}, {VK_NUMPAD2, 0, 1}, {VK_NUMPAD7, -1, -1}, {VK_NUMPAD5, 0, 0},
                {VK_NUMPAD3, 1, 1}, {VK_NUMPAD4, -1, 0}, {VK_NUMPAD9, 1, -1}, {VK_NUMPAD1, -1, 1},
                {VK_NUMPAD8, 0, -1}};
    for (auto& key : keys) {
        Layout(10, 10);
        Robot(40, 30);
        Key(key.key);
        EXPECT_EQ(10 + key.dc, k->hero.column) << key.key;
        EXPECT_EQ(10 + key.dl, k->hero.line) << key.key;
        EXPECT_EQ(At(39, 29), k->robots[k->robots.First()].Cell()) << "a turn was played";
    }
    Layout(0, 0);
    Key(VK_NUMPAD4);
    EXPECT_EQ(0, k->hero.column);
    EXPECT_EQ(std::vector<int>(1, WAVE_REFUSED), g_recorded.sounds) << "off the board: refused once";
    Key(VK_NUMPAD0);
    Key(VK_LEFT);
    EXPECT_EQ(1u, g_recorded.sounds.size()) << "keypad 0 and the cursor keys do nothing";
}

TEST_F(ShellTest, ActionKeysAndCommandsPlayTheirTurns)
{
    Layout(10, 10);
    Robot(40, 30);
    Key('T');
    EXPECT_EQ(1, k->teleportCount);
    Key('S');
    EXPECT_EQ(1, k->sonicUsedCount);
    g_recorded.sounds.clear();
    Key(VK_SPACE);
    Key('C');
    Key('H');
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_HELLO, 0);
    EXPECT_EQ(std::vector<int>(4, WAVE_HELLO), g_recorded.sounds);
    k->score = 40;
    Key('I');
    EXPECT_EQ(0, k->score) << "a new game";
    Layout(10, 10);
    Robot(10, 14);
    Key('R');
    EXPECT_TRUE(k->hero.dead) << "Remain plays until the robot arrives";
    g_recorded.sounds.clear();
    Key('T');
    SendMessageA(k->mainWindow, WM_COMMAND, CMD_SONIC, 0);
    EXPECT_EQ(std::vector<int>(2, WAVE_REFUSED), g_recorded.sounds);
}

TEST_F(ShellTest, EscapeClosesTheWindow)
{
    HWND window = k->mainWindow;
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(window));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop is told to end";
}

TEST_F(ShellTest, TheMarkerFollowsThePointerAroundTheHero)
{
    Layout(10, 10);
    struct {
        int dx, dy, code;
    } cases[] = {{9, 3, 5}, {20, 10, 8}, {5, 30, 7}, {-20, -3, 3}, {-9, -9, 0}, {3, -30, 1}, {2, 2, 4}};
    for (auto& c : cases) {
        MoveMouse(FromHeroCentre(c.dx, c.dy));
        int dc = c.code % 3 - 1, dl = c.code / 3 - 1;
        EXPECT_EQ(At(10 + dc, 10 + dl), k->marker.Cell()) << c.dx << "," << c.dy;
        EXPECT_TRUE(k->IsDirectionMarkerActive());
        EXPECT_EQ(c.code != 4, k->marker.drawn) << "on the hero's own cell the marker is active but not drawn";
        if (c.code != 4) {
            EXPECT_EQ(c.code, k->marker.imageIndex);
        }
    }
}

TEST_F(ShellTest, NoMarkerOverRobotsHeapsOrOffTheBoard)
{
    Layout(10, 0);
    Robot(11, 0);
    k->AppendHeap(9, 1);
    Repaint();
    MoveMouse(FromHeroCentre(9, 3));
    EXPECT_FALSE(k->IsDirectionMarkerActive());
    MoveMouse(FromHeroCentre(-20, 20));
    EXPECT_FALSE(k->IsDirectionMarkerActive());
    MoveMouse(FromHeroCentre(0, -20));
    EXPECT_FALSE(k->IsDirectionMarkerActive());
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(At(10, 0), k->hero.Cell()) << "a click without a marker does nothing";
    EXPECT_TRUE(g_recorded.sounds.empty());
}

TEST_F(ShellTest, AClickPlaysTheMarkedStep)
{
    Layout(10, 10);
    Robot(40, 30);
    MoveMouse(FromHeroCentre(20, 10));
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(At(11, 11), k->hero.Cell());
    EXPECT_FALSE(k->IsDirectionMarkerActive()) << "the turn hid the marker; the pointer is elsewhere";
    MoveMouse(FromHeroCentre(1, 1));
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(At(11, 11), k->hero.Cell());
    EXPECT_EQ(At(38, 28), k->robots[k->robots.First()].Cell()) << "a click on the hero stays for a turn";
}

TEST_F(ShellTest, MouseLeaveAndDeathHideTheMarker)
{
    Layout(10, 10);
    MoveMouse(FromHeroCentre(9, 3));
    ASSERT_TRUE(k->marker.drawn);
    SendMessageA(k->mainWindow, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(k->IsDirectionMarkerActive());
    EXPECT_FALSE(k->pointerTracking);
    k->hero.dead = true;
    MoveMouse(FromHeroCentre(9, 3));
    EXPECT_FALSE(k->IsDirectionMarkerActive()) << "no marker while the hero is dead";
}

TEST_F(ShellTest, ControlShiftPPutsTheHeroUnderThePointer)
{
    Layout(10, 10);
    Robot(20, 20);
    Repaint();
    CPoint robot = k->PixelOf(20, 20);
    PointAt(robot.x + 3, robot.y + 3);
    Key('P');
    EXPECT_EQ(At(10, 10), k->hero.Cell()) << "P alone does nothing";
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Key('P');
    keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(At(20, 20), k->hero.Cell());
    EXPECT_EQ(At(20, 20), k->robots[k->robots.First()].Cell()) << "no turn is played";
    EXPECT_FALSE(k->hero.dead);
}

TEST_F(ShellTest, DebugReadOutsInTheStatusMessage)
{
    Layout(3, 4);
    Key(VK_F3);
    EXPECT_EQ("Direction: -1/-1", Part(0));
    SendMessageA(k->mainWindow, WM_KEYUP, VK_F3, 0);
    EXPECT_EQ("Krelmot ", Part(0));
    Key(VK_F4);
    CPoint p = k->PixelOf(3, 4);
    char expected[64];
    sprintf(expected, "Hero: 3/4 %d/%d", p.x, p.y);
    EXPECT_EQ(expected, Part(0));
    PointAt(p.x + 20, p.y + 5);
    Key(VK_F2);
    sprintf(expected, "Souris: 4/4 %d/%d", p.x + 20, p.y + 5);
    EXPECT_EQ(expected, Part(0));
}

TEST_F(ShellTest, WithSoundOffARefusalBeepsAndNothingPlays)
{
    k->settings.son.value = false;
    Layout(0, 0);
    Robot(1, 1);
    Key(VK_NUMPAD7);
    EXPECT_EQ(1, g_recorded.beeps);
    Key(VK_NUMPAD5);
    EXPECT_TRUE(k->hero.dead);
    EXPECT_TRUE(g_recorded.sounds.empty()) << "a death with sound off is silent";
    EXPECT_TRUE(k->PlayWave(WAVE_LEVEL, true));
    EXPECT_TRUE(g_recorded.sounds.empty());
}
