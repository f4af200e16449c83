// The two debug pages of the options sheet, opened modeless on the running game.
#include <stdio.h>

#include "tests/dialogs/DialogFixture.h"

namespace {

std::string Items(HWND list)
{
    std::string all;
    char text[64];
    for (int i = 0; SendMessageA(list, LB_GETTEXT, i, (LPARAM)text) > 0; ++i)
        all += std::string(text) + "|";
    return all;
}

// Its image, then the texts of its six columns.
std::string Row(HWND list, int row)
{
    char text[64];
    LVITEMA item = {};
    item.mask = LVIF_IMAGE, item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
    std::string shown = std::to_string(item.iImage);
    for (item.iSubItem = 0; item.iSubItem < 6; ++item.iSubItem) {
        item.pszText = text, item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, row, (LPARAM)&item);
        shown += "|" + std::string(item.pszText);
    }
    return shown;
}

}

using DebugPagesTest = SheetTest;

// The bitmaps in the program's order, the waves sorted; the preview's bitmaps are deleted as they go.
TEST_F(DebugPagesTest, TheIniPathAndTheResourceListsToShowOrPlay)
{
    std::string bitmaps;
    for (int id : {175, 176, 177, 178, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 196, 223, 224,
                   225, 226, 227, 228, 229, 230, 231, 232, 233, 235, 237, 238, 239, 240, 241, 242, 243, 244, 245, 268})
        bitmaps += "Bitmap " + std::to_string(id) + "|";
    HWND page = Open(2), bitmapList = GetDlgItem(page, IDC_BITMAPS), waveList = GetDlgItem(page, IDC_WAVES);
    EXPECT_NE(std::string::npos, Item(page, IDC_INI_PATH).find("\\krelmot-shell-test\\Krelmot.ini"));
    EXPECT_EQ(bitmaps, Items(bitmapList));
    EXPECT_EQ("Wave 196|Wave 200|Wave 201|Wave 202|Wave 203|Wave 206|Wave 207|Wave 238|", Items(waveList));
    HWND preview = GetDlgItem(page, IDC_BITMAP_PREVIEW);
    HGDIOBJ shown[2];
    for (int item : {0, 1}) {  // the hero, then the toolbar strip 181, shown whole
        SendMessageA(bitmapList, LB_SETCURSEL, item * 4, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_BITMAPS, LBN_SELCHANGE), (LPARAM)bitmapList);
        shown[item] = (HGDIOBJ)SendMessageA(preview, STM_GETIMAGE, IMAGE_BITMAP, 0);
    }
    RECT size;
    GetClientRect(preview, &size);
    EXPECT_EQ(256, size.right);
    SendMessageA(waveList, LB_SETCURSEL, 7, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_WAVES, LBN_DBLCLK), (LPARAM)waveList);
    EXPECT_EQ(std::vector<int>(1, WAVE_THANKS), g_recorded.sounds);
    EXPECT_EQ(0u, GetObjectType(shown[0])) << "replaced";
    DestroyWindow(sheet);
    EXPECT_EQ(0u, GetObjectType(shown[1])) << "with the page";
}

TEST_F(DebugPagesTest, ApplyDrawsTheGridAndStartsANewGameOnlyWhenImmortalityChanged)
{
    const struct { int clicks[2]; bool grid, immortal; int level; } cases[] = {
        {{IDC_GRID, 0}, true, false, 4}, {{IDC_IMMORTAL, 0}, false, true, 1},
        {{IDC_IMMORTAL, IDC_IMMORTAL}, false, false, 4}};  // switched back: no new game
    for (auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        k->settings.grille.value = k->settings.immortalite.value = false;
        k->level = 4;
        HWND page = Open(2);
        for (int box : c.clicks)
            SendDlgItemMessageA(page, box, BM_CLICK, 0, 0);
        ValidateRect(k->mainWindow, NULL);
        Press(PSBTN_APPLYNOW);
        EXPECT_EQ((std::vector<int>{c.grid, c.immortal, c.level}),
                  (std::vector<int>{k->settings.grille.Get(), k->settings.immortalite.Get(), k->level}));
        EXPECT_TRUE(GetUpdateRect(k->mainWindow, NULL, FALSE)) << "the board drawn again";
    }
}

// In the board's colours; a Move Test on the "Avanced" page destroys two robots and leaves a heap.
TEST_F(DebugPagesTest, TheListShowsTheGameAsItIsAndNeverAnimatesAPieceThatIsGone)
{
    k->settings.coul_fond.value = RGB(0, 0, 160);
    HWND advanced = Open(1);
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
    Click(advanced, IDC_MOVE_TEST);
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
