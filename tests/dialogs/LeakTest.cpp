// A long evening of play, options, help, about and language switches must
// leave as many drawing and window-system objects alive as it found.
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "tests/shell/ShellFixture.h"

namespace {

// The system's count when it keeps one. Wine's count is 0: there the table
// of window-system handles is read instead. A handle carries its slot (two
// values apart, from 0x20) and how many times the slot was used; probes take
// the freed slots first, so the first probe in a slot never used before
// stands above every live object and every free slot.
int UserObjects()
{
    int counted = (int)GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted > 0)
        return counted;
    std::vector<HMENU> probes;
    int live = -1;
    while (live < 0 && probes.size() < 60000) {
        HMENU probe = CreateMenu();
        if (!probe)
            break;
        ULONG_PTR handle = (ULONG_PTR)probe & 0xFFFFFFFF;
        if ((handle >> 16) == 1)
            live = (int)(((handle & 0xFFFF) - 0x20) >> 1) - (int)probes.size();
        probes.push_back(probe);
    }
    for (HMENU probe : probes)
        DestroyMenu(probe);
    return live;
}

// Visits every page of a sheet, then cancels it; ends any other dialog.
BOOL CALLBACK EndVisitingPages(HWND d, LPARAM)
{
    char name[16];
    if (!IsWindowVisible(d) || !GetClassNameA(d, name, sizeof name) || strcmp(name, "#32770") != 0)
        return TRUE;
    if (FindWindowExA(d, NULL, "SysTabControl32", NULL)) {
        for (int page = 1; page < 4; ++page)
            SendMessageA(d, PSM_SETCURSEL, page, 0);
        SendMessageA(d, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    } else {
        EndDialog(d, 0);
    }
    return FALSE;
}
void CALLBACK EndDialogSoon(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), EndVisitingPages, 0); }

class LeakTest : public ShellTest {
protected:
    void OpenAndEnd(int command)
    {
        UINT_PTR timer = SetTimer(NULL, 0, 1, EndDialogSoon);
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
    Session(2);  // what is made once and kept: fonts, image lists, class data
    int gdi = LiveGdiObjects(), user = UserObjects();
    Session(100);
    EXPECT_EQ(gdi, LiveGdiObjects());
    EXPECT_EQ(user, UserObjects());
    EXPECT_TRUE(deaths > 5 && highestLevel > 2) << deaths << " deaths, level " << highestLevel;
}
