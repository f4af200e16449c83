// A long evening of play, options, help, about and language switches must
// leave as many drawing and window-system objects alive as it found.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "tests/shell/ShellFixture.h"

namespace {

// Visits and paints every page of the sheet a command opened, then cancels
// it; a dialog is painted and ended. Painted every time, the caches the
// system fills at a first painting are full before the count starts.
void CALLBACK VisitPagesAndEnd(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = GetLastActivePopup(g_krelmot->mainWindow);
    for (int page = 0; page < 4; ++page) {
        SendMessageA(d, PSM_SETCURSEL, page, 0);
        RedrawWindow(d, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    SendMessageA(d, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EndDialog(d, 0);
}

class LeakTest : public ShellTest {
protected:
    void OpenAndEnd(int command)
    {
        UINT_PTR timer = SetTimer(NULL, 0, 1, VisitPagesAndEnd);
        Command(command);
        KillTimer(NULL, timer);
    }
    // Every action and its animation, new games after each death, and stretches
    // of immortality in which the levels go by. A greeting waits a clock tick
    // for each of its twenty rings: one in fifty turns.
    void Play(int turns)
    {
        const WPARAM keys[] = {VK_NUMPAD6, 'T', VK_NUMPAD1, 'S', VK_NUMPAD8, VK_NUMPAD3, VK_NUMPAD5, 'R', VK_NUMPAD2,
                               VK_NUMPAD4, VK_NUMPAD7, VK_NUMPAD9, 'T', VK_NUMPAD6, VK_NUMPAD1, VK_NUMPAD8, 'S'};
        for (int turn = 0; turn < turns; ++turn) {
            k->settings.immortalite.value = turn / 50 % 2;
            deaths += k->hero.dead;
            if (k->hero.dead) Command(CMD_NEW_GAME);
            Key(turn % 50 == 49 ? 'C' : keys[turn % 17]);
            highestLevel = std::max(highestLevel, k->level);
        }
        PumpMessages();
    }
    void Session(int rounds)
    {
        Play(10 * rounds);
        for (int i = 0; i < rounds; ++i) {
            OpenAndEnd(CMD_OPTIONS);
            OpenAndEnd(CMD_HELP);
            OpenAndEnd(CMD_ABOUT);
            Command(i % 2 ? CMD_FRENCH : CMD_ENGLISH);
        }
        PumpMessages();
    }
    int deaths = 0, highestLevel = 0;
};

}

TEST_F(LeakTest, AThousandTurnsAndAHundredDialogsLeaveNoObjectBehind)
{
    CSettings& s = k->settings;
    s.son.value = false;
    s.temps_move.value = s.temps_tele.value = s.temps_sonic.value = s.temps_coucou.value = s.temps_rex.value = 1;
    s.nb_robot_base.value = s.nb_robot_incr.value = 3;  // levels that end, with deaths among them
    Command(CMD_NEW_GAME);
    Session(3);  // what is made once and kept, in both languages: fonts, image lists, class data
    int gdi = LiveGdiObjects(), user = LiveUserObjects();
    Session(100);
    EXPECT_EQ(gdi, LiveGdiObjects());
    EXPECT_EQ(user, LiveUserObjects());
    EXPECT_TRUE(deaths > 5 && highestLevel > 2) << deaths << " deaths, level " << highestLevel;
}
