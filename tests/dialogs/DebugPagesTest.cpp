// The two debug pages of the options sheet, opened modeless on the running game.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "tests/shell/ShellFixture.h"

namespace {

std::string Items(HWND list)
{
    std::string all;
    char text[64];
    for (int i = 0; SendMessageA(list, LB_GETTEXT, i, (LPARAM)text) > 0; ++i)
        all += std::string(text) + "|";
    return all;
}

// What the list gets for a cell into a buffer of this size, and one more character.
std::string Text(HWND list, int row, int column, int size = 64)
{
    char text[66];
    memset(text, '#', sizeof text);
    LVITEMA item = {};
    item.iSubItem = column, item.pszText = text, item.cchTextMax = size;
    SendMessageA(list, LVM_GETITEMTEXTA, row, (LPARAM)&item);
    return std::string(text, strnlen(text, size + 1));
}

// Its image, then the texts of its six columns.
std::string Row(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE, item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
    std::string shown = std::to_string(item.iImage);
    for (int column = 0; column < 6; ++column)
        shown += "|" + Text(list, row, column);
    return shown;
}

}

// The sheet dies with the main window, its owner.
class DebugPagesTest : public ShellTest {
protected:
    HWND Page(int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return PropSheet_GetCurrentPageHwnd(sheet);
    }
    void Open() { sheet = OpenOptionsSheetModeless(k->mainWindow); }

    HWND sheet = 0;
};

TEST_F(DebugPagesTest, TheResourceListsHoldEveryBitmapInOrderAndEveryWaveSortedToShowOrPlay)
{
    std::string bitmaps;
    for (int id : {175, 176, 177, 178, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 196, 223, 224,
                   225, 226, 227, 228, 229, 230, 231, 232, 233, 235, 237, 238, 239, 240, 241, 242, 243, 244, 245, 268})
        bitmaps += "Bitmap " + std::to_string(id) + "|";
    Open();
    HWND page = Page(2), bitmapList = GetDlgItem(page, IDC_BITMAPS), waveList = GetDlgItem(page, IDC_WAVES);
    EXPECT_EQ(bitmaps, Items(bitmapList));
    EXPECT_EQ("Wave 196|Wave 200|Wave 201|Wave 202|Wave 203|Wave 206|Wave 207|Wave 238|", Items(waveList));

    HWND preview = GetDlgItem(page, IDC_BITMAP_PREVIEW);
    std::vector<HGDIOBJ> shown;
    for (int item : {0, 4}) {  // the hero, then the toolbar strip 181
        SendMessageA(bitmapList, LB_SETCURSEL, item, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BITMAPS, LBN_SELCHANGE), (LPARAM)bitmapList);
        shown.push_back((HGDIOBJ)SendMessageA(preview, STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
    EXPECT_EQ(0u, GetObjectType(shown[0])) << "replaced, then deleted";
    RECT size;
    GetClientRect(preview, &size);
    EXPECT_EQ(256, size.right);
    SendMessageA(waveList, LB_SETCURSEL, 7, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_WAVES, LBN_DBLCLK), (LPARAM)waveList);
    EXPECT_EQ(std::vector<int>(1, WAVE_THANKS), g_recorded.sounds);
    DestroyWindow(sheet);
    EXPECT_EQ(0u, GetObjectType(shown[1])) << "deleted with the page";
}

TEST_F(DebugPagesTest, ApplyDrawsTheGridAndStartsANewGameOnlyWhenImmortalityChanged)
{
    struct {
        int clicks[2];
        bool grid, immortal;
        int level;
    } cases[] = {
        {{IDC_GRID, 0}, true, false, 4},
        {{IDC_IMMORTAL, 0}, false, true, 1},
        {{IDC_IMMORTAL, IDC_IMMORTAL}, false, false, 4},  // switched back: no new game
    };
    for (auto& c : cases) {
        k->settings.grille.value = k->settings.immortalite.value = false;
        k->level = 4;
        Open();
        for (int box : c.clicks)
            SendDlgItemMessageA(Page(2), box, BM_CLICK, 0, 0);
        ValidateRect(k->mainWindow, NULL);
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
        EXPECT_EQ(c.grid, k->settings.grille.Get());
        EXPECT_EQ(c.immortal, k->settings.immortalite.Get());
        EXPECT_EQ(c.level, k->level);
        EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board drawn again";
        DestroyWindow(sheet);
    }
}

// A Move Test on the "Avanced" page destroys two robots and leaves a heap.
TEST_F(DebugPagesTest, TheListShowsTheGameAsItIsAndNeverAnimatesAPieceThatIsGone)
{
    k->settings.coul_fond.value = RGB(0, 0, 160);
    Open();
    HWND advanced = Page(1);
    Layout(10, 10);
    for (CCell c : {At(12, 9), At(12, 11), At(20, 20)})
        Robot(c.column, c.line);
    HWND list = GetDlgItem(Page(3), IDC_PIECES);
    EXPECT_EQ(4, ListView_GetItemCount(list));
    EXPECT_EQ(RGB(0, 0, 160), ListView_GetTextBkColor(list));
    EXPECT_EQ(RGB(255, 255, 95), ListView_GetTextColor(list));
    Page(1);
    SetDlgItemTextA(advanced, IDC_MOVE, "0");
    k->settings.temps_rex.value = 0;
    SendMessageA(advanced, WM_COMMAND, MAKEWPARAM(IDC_MOVE_TEST, BN_CLICKED), 0);
    Page(3);
    ASSERT_EQ(3, ListView_GetItemCount(list));
    CCell cells[3] = {At(10, 10), At(19, 19), At(11, 10)};  // the hero, the robot, the heap: images 0, 1, 2
    for (int row = 0; row < 3; ++row) {
        CPoint p = k->PixelOf(cells[row].column, cells[row].line);
        char expected[64];
        snprintf(expected, sizeof expected, "%d| %d|%d|%d|%d|%d|", row, row, cells[row].column, cells[row].line, p.x,
                 p.y);
        EXPECT_EQ(expected, Row(list, row));
    }
    EXPECT_EQ(std::to_string(k->hero.x).substr(0, 2), Text(list, 0, 3, 3)) << "cut to the list's buffer";

    // The game changing under the open page: its rows stay until the next rebuild.
    k->settings.temps_coucou.value = 0;
    k->StartLevel(1);
    g_recorded.sounds.clear();
    for (int row : {2, 3, 0}) {  // 3: below the last row
        RECT r;
        ListView_GetItemRect(list, row, &r, LVIR_BOUNDS);
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, row < 3 ? (r.top + r.bottom) / 2 : 1000));
    }
    EXPECT_EQ(std::vector<int>(1, WAVE_HELLO), g_recorded.sounds) << "the hero's row only";
    EXPECT_EQ("-2||||||", Row(list, 2));
}
