// The main window's keys, commands, pointer and frame on the real program.
#include "shell/ToolBand.h"
#include "tests/shell/ShellFixture.h"

namespace {

struct CInput { UINT message; WPARAM wParam; };
CInput Press(WPARAM key) { return CInput{WM_KEYDOWN, key}; }
CInput Menu(int command) { return CInput{WM_COMMAND, (WPARAM)command}; }
const CInput CLICK = {WM_LBUTTONDOWN, 0}, MIDDLE_CLICK = {WM_MBUTTONDOWN, 0}, LEAVE = {WM_MOUSELEAVE, 0};
const int ACTIONS[] = {CMD_TELEPORT, CMD_SONIC, CMD_HELLO, CMD_REMAIN, CMD_NEW_GAME, CMD_OPTIONS, CMD_HELP, CMD_END};

// What an input changed on the board of the table below, in the table's words.
std::string Changes(CKrelmot* k)
{
    MSG quit;
    if (!IsWindow(k->mainWindow))
        return PeekMessageA(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE) ? "closed" : "no quit";
    std::string s;
    auto add = [&s](bool when, const std::string& fact) { s += when ? (s.empty() ? "" : ", ") + fact : ""; };
    int dc = k->hero.column - 10, dl = k->hero.line - 10;
    char step[16];
    snprintf(step, sizeof step, abs(dc) > 2 || abs(dl) > 2 ? "far" : "%+d%+d", dc, dl);
    add(k->hero.dead || dc || dl, k->hero.dead ? "dead" : step);
    bool moved = k->robots.IsEmpty() || k->robots[k->robots.First()].Cell() != At(14, 14);
    add(moved, k->robots.IsEmpty() ? "no robot" : "turn");
    add(k->score != 40, "score " + std::to_string(k->score));
    add(!k->IsDirectionMarkerActive(), "no marker");
    for (int sound : g_recorded.sounds)
        add(true, "sound " + std::to_string(sound));
    // The menu item and the toolbar button grey together; the last four never.
    std::string greyed;
    for (int i = 0; i < 8; ++i) {
        bool item = GetMenuState(GetMenu(k->mainWindow), ACTIONS[i], MF_BYCOMMAND) & MF_GRAYED;
        bool button = !SendMessageA(k->toolBand->toolbar, TB_ISBUTTONENABLED, ACTIONS[i], 0);
        if (item || button)
            greyed += std::string(item == button ? "" : item ? "item " : "button ") + "TSHRNOhE"[i];
    }
    add(!greyed.empty(), "greyed " + greyed);
    return s;
}

}

// Each input on one board: the hero on 10,10, a robot on 14,14, the marker on 11,10, a score
// of 40, what the row before greyed ungreyed. The dialogs' keys, which block, have their tests.
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
        {{Press('T'), Menu(CMD_TELEPORT)}, "far, turn, score 37, sound 196"},
        {{Press('S'), Menu(CMD_SONIC)}, "turn, score 30, sound 200, greyed S"},
        {{Press('R'), Menu(CMD_REMAIN)}, "dead, no robot, no marker, sound 202, greyed TSHR"},
        {{Press(VK_SPACE), Press('C'), Press('H'), Menu(CMD_HELLO)}, "sound 201"},
        {{Press('I'), Press(VK_F9), Menu(CMD_NEW_GAME)}, "far, no robot, score 0"}, {{LEAVE}, "no marker"},
        {{Press(VK_ESCAPE), Press('F'), Press('Q'), Menu(CMD_END), MIDDLE_CLICK}, "closed"},
    };
    for (auto& row : rows)
        for (const CInput& input : row.inputs) {
            SCOPED_TRACE(testing::Message() << "message " << std::hex << input.message << ", " << input.wParam);
            if (!IsWindow(k->mainWindow))
                Restart(ini);
            Layout(10, 10);
            Robot(14, 14);
            k->score = 40;
            PointAt(k->hero.x + 37, k->hero.y);
            MoveMouse(FromHeroCentre(29, -8));
            Repaint();
            SendMessageA(k->mainWindow, input.message, input.wParam, 0);
            EXPECT_EQ(row.after, Changes(k));
        }
}

// The marker never points onto a robot, a heap or off the board; on the hero it shows
// nothing, and a click there stays for a turn. A key off the board is refused with a sound,
// or a beep with the sound off, as is one while dead; with the sound off a death is silent.
TEST_F(ShellTest, TheMarkerTheRefusalsAndTheContextMenu)
{
    Layout(10, 10);
    Robot(11, 9);
    k->AppendHeap(9, 11);
    Repaint();
    // The pointer from the hero's centre, then the arrow on cell 9 + arrow % 3, 9 + arrow / 3; -1 for none.
    const int cases[][3] = {{9, 3, 5},  {20, 10, 8}, {5, 30, 7},     {-20, -3, 3},  {-9, -9, 0},
                            {3, -30, 1}, {8, 8, 4},  {20, -10, -1}, {-20, 10, -1}};
    for (auto& c : cases) {
        MoveMouse(FromHeroCentre(c[0], c[1]));
        CCell cell = c[2] < 0 ? At(-1, -1) : At(9 + c[2] % 3, 9 + c[2] / 3);
        bool drawn = c[2] >= 0 && c[2] != 4;
        EXPECT_TRUE(k->marker.Cell() == cell && k->marker.drawn == drawn && (!drawn || k->marker.imageIndex == c[2]))
            << "pointer " << c[0] << "," << c[1] << ": arrow " << k->marker.imageIndex;
    }
    Layout(0, 0);
    Robot(1, 1);
    MoveMouse(FromHeroCentre(-20, 0));
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);  // a turn would be a death, and its sound
    Key(VK_NUMPAD7);
    EXPECT_EQ(std::vector<int>(1, WAVE_REFUSED), g_recorded.sounds) << "off the board";
    k->settings.son.value = false;
    Key(VK_NUMPAD7);
    MoveMouse(FromHeroCentre(1, 1));
    SendMessageA(k->mainWindow, WM_LBUTTONDOWN, 0, 0);
    Key('T');
    EXPECT_EQ(2, g_recorded.beeps) << "off the board, then dead";
    EXPECT_EQ(1u, g_recorded.sounds.size()) << "a death with sound off is silent";
    POINT outside = {-50, k->hero.y};
    ClientToScreen(k->mainWindow, &outside);
    EXPECT_FALSE(k->OnContextMenu(outside.x, outside.y)) << "outside the client area the menu is the system's";
}

// Only the dragged sides move, snapped to whole cells, 15 at least. A move
// keeps the place; new counts start a new game, written back.
TEST_F(ShellTest, DraggingSnapsToWholeCellsAndNewCountsStartANewGame)
{
    int fw = k->frameWidth, fh = k->frameHeight + k->bandHeight + k->statusBarHeight;
    const char* const dragged[] = {"", "L", "R", "T", "TL", "TR", "B", "BL", "BR"};  // by WMSZ_ edge
    for (int edge = WMSZ_LEFT; edge <= WMSZ_BOTTOMRIGHT; ++edge) {
        SCOPED_TRACE(dragged[edge]);
        RECT r = {100, 100, 140 + fw, 500 + fh};  // 40 x 400 pixels: 15 columns at least, 23 lines
        int width = 17 * 15 + 1 + fw, height = 17 * 23 + 1 + fh;
        const char* d = dragged[edge];
        RECT want = {strchr(d, 'L') ? r.right - width : r.left, strchr(d, 'T') ? r.bottom - height : r.top,
                     strchr(d, 'R') ? r.left + width : r.right, strchr(d, 'B') ? r.top + height : r.bottom};
        SendMessageA(k->mainWindow, WM_SIZING, edge, (LPARAM)&r);
        EXPECT_TRUE(EqualRect(&want, &r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    k->score = 33;
    SetWindowPos(k->mainWindow, NULL, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (int columns : {k->Columns(), 29}) {
        RECT window = {123, 45, 123 + 17 * columns + 1 + fw, 45 + 17 * k->Lines() + 1 + fh};
        SendMessageA(k->mainWindow, WM_SIZING, WMSZ_RIGHT, (LPARAM)&window);
        SendMessageA(k->mainWindow, WM_EXITSIZEMOVE, 0, 0);
        EXPECT_EQ(columns == 29 ? 0 : 33, k->score) << columns << " columns";
    }
    std::string ini = EndProgram();
    for (const char* line : {"col_fenetre=123\r\n", "lig_fenetre=45\r\n", "largeur=29\r\n", "nb_robot_base=4\r\n",
                             "nb_robot_incr=2\r\n"})
        EXPECT_NE(std::string::npos, ini.find(line)) << line << " in " << ini;
}
