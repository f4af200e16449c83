// The main window's keys, commands, pointer and frame on the real program.
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"

namespace {

const WPARAM CONTROL_SHIFT = 0x10000;  // the key pressed with Control and Shift held

struct CInput {
    UINT message;
    WPARAM wParam;
};
CInput Press(WPARAM key) { return CInput{WM_KEYDOWN, key}; }
CInput Menu(int command) { return CInput{WM_COMMAND, (WPARAM)command}; }
const CInput CLICK = {WM_LBUTTONDOWN, 0}, MIDDLE_CLICK = {WM_MBUTTONDOWN, 0}, LEAVE = {WM_MOUSELEAVE, 0};

// A menu opened by a message shows while the message is handled; a thread
// timer sees it and closes it, so the test never waits on it.
bool g_menuSeen;
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND menu = FindWindowA("#32768", NULL);
    if (menu && IsWindowVisible(menu)) {
        g_menuSeen = true;
        EndMenu();
    }
}

bool OpensAMenu(HWND window, POINT screen)
{
    g_menuSeen = false;
    UINT_PTR timer = SetTimer(NULL, 0, 50, CloseMenu);
    SendMessageA(window, WM_CONTEXTMENU, (WPARAM)window, MAKELPARAM(screen.x, screen.y));
    KillTimer(NULL, timer);
    return g_menuSeen;
}

RECT Sizing(CKrelmot* k, int edge, RECT r)
{
    SendMessageA(k->mainWindow, WM_SIZING, edge, (LPARAM)&r);
    return r;
}

}

// Each input on the same board: the hero on 10,10, a robot on 14,14, the
// pointer on 12,10 (so the marker on 11,10), a score of 40. The result lists
// what changed; "%d" stands for the hero's first pixel line. The dialogs' keys
// and commands would block here: their tests open them and close them.
TEST_F(ShellTest, EveryKeyCommandAndClickDoesItsOwnThing)
{
    const struct {
        std::vector<CInput> inputs;
        const char* after;
    } rows[] = {
        {{Press(VK_NUMPAD7)}, "-1-1, turn"}, {{Press(VK_NUMPAD8)}, "+0-1, turn"}, {{Press(VK_NUMPAD9)}, "+1-1, turn"},
        {{Press(VK_NUMPAD4)}, "-1+0, turn"}, {{Press(VK_NUMPAD5)}, "turn"}, {{Press(VK_NUMPAD6), CLICK}, "+1+0, turn"},
        {{Press(VK_NUMPAD1)}, "-1+1, turn"}, {{Press(VK_NUMPAD2)}, "+0+1, turn"}, {{Press(VK_NUMPAD3)}, "+1+1, turn"},
        {{Press(VK_NUMPAD0), Press(VK_LEFT), Press('P'), Press(VK_F5)}, ""},
        {{Press('T'), Menu(CMD_TELEPORT)}, "far, turn, 1 teleport, score 37, sound 196"},
        {{Press('S'), Menu(CMD_SONIC)}, "turn, 1 sonic, score 30, sound 200, greyed S"},
        {{Press('R'), Menu(CMD_REMAIN)}, "dead, no robot, no marker, sound 202, greyed TSHR"},
        {{Press(VK_SPACE), Press('C'), Press('H'), Menu(CMD_HELLO)}, "sound 201"},
        {{Press('I'), Press(VK_F9), Menu(CMD_NEW_GAME)}, "far, no robot, score 0"},
        {{LEAVE}, "no marker"},  // the dialogs' keys have their own test: they open modal windows
        {{Press(VK_F2)}, "Souris: 12/10 208/%d"}, {{Press(VK_F3)}, "Direction: 11/10"},
        {{Press(VK_F4)}, "Hero: 10/10 171/%d"}, {{Press(CONTROL_SHIFT | 'P')}, "+2+0"},
        {{Press(VK_ESCAPE), Press('F'), Press('Q'), Menu(CMD_END), MIDDLE_CLICK}, "closed"},
    };
    auto changes = [this]() {
        MSG quit;
        if (!IsWindow(k->mainWindow))
            return std::string(PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) ? "closed" : "no quit");
        std::string s;
        char text[64];
        auto add = [&s](const std::string& fact) { s += (s.empty() ? "" : ", ") + fact; };
        int dc = k->hero.column - 10, dl = k->hero.line - 10;
        snprintf(text, sizeof text, abs(dc) > 2 || abs(dl) > 2 ? "far" : "%+d%+d", dc, dl);
        if (k->hero.dead || dc || dl)
            add(k->hero.dead ? "dead" : text);
        if (k->robots.IsEmpty() || k->robots[k->robots.First()].Cell() != At(14, 14))
            add(k->robots.IsEmpty() ? "no robot" : "turn");
        if (k->teleportCount || k->sonicUsedCount)
            add(k->teleportCount ? "1 teleport" : "1 sonic");
        if (k->score != 40)
            add("score " + std::to_string(k->score));
        if (!k->IsDirectionMarkerActive())
            add("no marker");
        for (int sound : g_recorded.sounds)
            add("sound " + std::to_string(sound));
        // The menu item and the toolbar button grey together; the last four never.
        std::string greyed, disabled;
        const int commands[] = {CMD_TELEPORT, CMD_SONIC,   CMD_HELLO, CMD_REMAIN,
                                CMD_NEW_GAME, CMD_OPTIONS, CMD_HELP,  CMD_END};
        for (int i = 0; i < 8; ++i) {
            if (GetMenuState(GetMenu(k->mainWindow), commands[i], MF_BYCOMMAND) & MF_GRAYED)
                greyed += "TSHRNOhE"[i];
            if (!SendMessageA(k->toolBand->toolbar, TB_ISBUTTONENABLED, commands[i], 0))
                disabled += "TSHRNOhE"[i];
        }
        if (!greyed.empty() || !disabled.empty())
            add("greyed " + greyed + (disabled == greyed ? "" : ", toolbar " + disabled));
        if (Part(0) != "Krelmot ")
            add(Part(0));
        return s;
    };
    for (auto& row : rows)
        for (const CInput& input : row.inputs) {
            SCOPED_TRACE(testing::Message() << "message " << std::hex << input.message << ", " << input.wParam);
            if (!IsWindow(k->mainWindow)) {
                TearDown();
                SetUp();
            }
            Layout(10, 10);
            Robot(14, 14);
            k->score = 40;
            int x = k->hero.x + 37, y = k->hero.y;
            PointAt(x, y);
            MoveMouse(MAKELPARAM(x, y));
            Repaint();
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SHIFT] = keys[VK_CONTROL] = input.wParam & CONTROL_SHIFT ? 0x80 : 0;
            SetKeyboardState(keys);
            SendMessageA(k->mainWindow, input.message, input.wParam & 0xFFFF, 0);
            keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
            SetKeyboardState(keys);
            char expected[64];
            snprintf(expected, sizeof expected, row.after, y);
            EXPECT_EQ(expected, changes());
            if (IsWindow(k->mainWindow) && input.message == WM_KEYDOWN) {
                SendMessageA(k->mainWindow, WM_KEYUP, input.wParam & 0xFFFF, 0);
                EXPECT_EQ("Krelmot ", Part(0)) << "once the key is up";
            }
        }
}

// The marker shows the step toward the pointer, never onto a robot, a heap or
// off the board; on the hero's own cell it is active but not drawn.
TEST_F(ShellTest, TheMarkerPreviewsTheStepTowardThePointer)
{
    Layout(10, 10);
    Robot(11, 9);
    k->AppendHeap(9, 11);
    Repaint();
    const int cases[][3] = {{9, 3, 5},  {20, 10, 8}, {5, 30, 7},     {-20, -3, 3},  {-9, -9, 0},
                            {3, -30, 1}, {8, 8, 4},  {20, -10, -1}, {-20, 10, -1}};
    for (auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pointer " << c[0] << "," << c[1]);
        MoveMouse(FromHeroCentre(c[0], c[1]));
        EXPECT_EQ(c[2] >= 0, k->IsDirectionMarkerActive());
        EXPECT_EQ(c[2] >= 0 && c[2] != 4, k->marker.drawn);
        EXPECT_EQ(c[2] < 0 ? At(-1, -1) : At(9 + c[2] % 3, 9 + c[2] / 3), k->marker.Cell());
        EXPECT_TRUE(!k->marker.drawn || k->marker.imageIndex == c[2]) << "arrow " << k->marker.imageIndex;
    }
    MoveMouse(FromHeroCentre(1, 1));
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(k->hero.dead) << "a click on the hero stays for a turn: the robot steps onto him";
    Layout(0, 0);
    MoveMouse(FromHeroCentre(-20, 0));
    EXPECT_FALSE(k->IsDirectionMarkerActive()) << "off the board";
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(std::vector<int>(), g_recorded.sounds) << "no marker: no turn, which would win this empty level";
    k->hero.dead = true;
    MoveMouse(FromHeroCentre(20, 3));
    EXPECT_FALSE(k->IsDirectionMarkerActive()) << "no marker while the hero is dead";
}

// The context menu opens over the board only.
TEST_F(ShellTest, ARefusalSoundsOrBeepsADeathWithSoundOffIsSilentAndTheContextMenuIsTheBoards)
{
    Layout(0, 0);
    Robot(1, 1);
    Key(VK_NUMPAD7);
    EXPECT_EQ(std::vector<int>(1, WAVE_REFUSED), g_recorded.sounds) << "off the board";
    k->settings.son.value = false;
    Key(VK_NUMPAD7);
    Key(VK_NUMPAD5);
    EXPECT_TRUE(k->hero.dead);
    Key('T');
    EXPECT_EQ(2, g_recorded.beeps) << "off the board, then dead";
    EXPECT_EQ(1u, g_recorded.sounds.size()) << "a death with sound off is silent";
    POINT inside = {k->hero.x, k->hero.y};
    ClientToScreen(k->mainWindow, &inside);
    EXPECT_TRUE(OpensAMenu(k->mainWindow, inside)) << "the Action menu over the board";
    RECT window;
    GetWindowRect(k->mainWindow, &window);
    EXPECT_FALSE(OpensAMenu(k->mainWindow, {window.right + 20, window.top + 5})) << "outside: the system's turn";
}

// Only the dragged sides move, and they snap to whole cells within 15 x 15 and 110 x 80.
TEST_F(ShellTest, DraggingSnapsTheDraggedEdgesToWholeCells)
{
    int fw = k->frameWidth, fh = k->frameHeight + k->bandHeight + k->statusBarHeight;
    const int sizes[][4] = {{500, 400, 29, 23}, {40, 40, 15, 15}, {5000, 5000, 110, 80}};
    const struct {
        int edge;
        const char* dragged;
    } edges[] = {{WMSZ_LEFT, "L"},     {WMSZ_RIGHT, "R"},    {WMSZ_TOP, "T"},        {WMSZ_TOPLEFT, "TL"},
                 {WMSZ_TOPRIGHT, "TR"}, {WMSZ_BOTTOM, "B"}, {WMSZ_BOTTOMLEFT, "BL"}, {WMSZ_BOTTOMRIGHT, "BR"}};
    for (auto& s : sizes)
        for (auto& e : edges) {
            SCOPED_TRACE(testing::Message() << s[0] << "x" << s[1] << ", edge " << e.dragged);
            RECT start = {100, 100, 100 + s[0] + fw, 100 + s[1] + fh}, r = Sizing(k, e.edge, start);
            EXPECT_EQ(s[2], k->pendingColumns);
            EXPECT_EQ(s[3], k->pendingLines);
            int width = 17 * s[2] + 1 + fw, height = 17 * s[3] + 1 + fh;
            EXPECT_EQ(strchr(e.dragged, 'L') ? start.right - width : start.left, r.left);
            EXPECT_EQ(strchr(e.dragged, 'R') ? start.left + width : start.right, r.right);
            EXPECT_EQ(strchr(e.dragged, 'T') ? start.bottom - height : start.top, r.top);
            EXPECT_EQ(strchr(e.dragged, 'B') ? start.top + height : start.bottom, r.bottom);
        }
}

TEST_F(ShellTest, AMoveKeepsThePlaceAndANewCellCountStartsANewGame)
{
    k->score = 33;
    SetWindowPos(k->mainWindow, NULL, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT window, client;
    GetWindowRect(k->mainWindow, &window);
    Sizing(k, WMSZ_RIGHT, window);
    SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(123, k->settings.col_fenetre.Get());
    EXPECT_EQ(45, k->settings.lig_fenetre.Get());
    EXPECT_EQ(33, k->score) << "the same counts start no game";
    window.right = window.left + 500 + k->frameWidth;
    Sizing(k, WMSZ_RIGHT, window);
    SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(29, k->settings.largeur.Get());
    EXPECT_TRUE(k->settings.largeur.changed);
    CRobotCounts counts = DefaultRobotCounts(29, k->Lines());
    EXPECT_EQ(counts.base, k->settings.nb_robot_base.Get());
    EXPECT_EQ(counts.added, k->settings.nb_robot_incr.Get());
    EXPECT_EQ(0, k->score);
    EXPECT_EQ(counts.base + counts.added, k->robots.Count());
    GetClientRect(k->mainWindow, &client);
    EXPECT_EQ(17 * 29 + 1, client.right);
}
