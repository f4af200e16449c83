// Read back from this program's own resources, built from the game's script; the generators are tested natively.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "dialogs/HelpAboutIds.h"
#include "resources/ResourceIds.h"

static const BYTE* Resource(LPCSTR type, int id, DWORD* size)
{
    HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(id), type);
    *size = found ? SizeofResource(NULL, found) : 0;
    return found ? (const BYTE*)LockResource(LoadResource(NULL, found)) : 0;
}

// Hero, robot, heap and the dead hero, arrows, explosion; digits 0 to 9; the toolbar strips; the about
// box's: none like another but the explosion's first, the robot. Each sound the whole file its header
// announces. The help texts and intro pictures: Windows-1252, every line ended by CR LF.
TEST(Resources, PicturesSoundsAndTextsReadBack)
{
    const struct { std::vector<int> ids; int width, height, bits; } pictures[] = {
        {{175, 176, 177, 178, 191, 192, 193, 223, 182, 183, 184, 185, 186, 187, 188, 189, 190, 224, 225, 226, 227,
          228, 229, 230, 231, 232, 233}, 16, 16, 4},
        {{244, 235, 245, 237, 238, 239, 240, 241, 242, 243}, 16, 31, 4},
        {{IDB_TOOLBAR_HOT, IDB_TOOLBAR_NORMAL}, 256, 32, 4}, {{IDB_ABOUT}, 50, 50, 8}};
    std::map<std::string, int> seen;
    DWORD size;
    for (auto& p : pictures)
        for (int id : p.ids) {
            const BITMAPINFOHEADER* h = (const BITMAPINFOHEADER*)Resource(RT_BITMAP, id, &size);
            ASSERT_TRUE(h != 0) << id;
            EXPECT_EQ((std::vector<LONG>{p.width, p.height, p.bits, BI_RGB, 0}),  // no palette size but a full one
                      (std::vector<LONG>{h->biWidth, h->biHeight, h->biBitCount, (LONG)h->biCompression,
                                         (LONG)(h->biClrUsed % (1u << p.bits))})) << id;
            EXPECT_EQ(id == 224 ? 176 : id, seen.emplace(std::string((const char*)h, size), id).first->second) << id;
        }
    for (int id : {IDW_TELEPORT, IDW_SONIC, IDW_HELLO, IDW_DEATH, IDW_REFUSAL, IDW_LEVEL_DONE, IDW_ROBOTS_DESTROYED,
                   IDW_THANK_YOU}) {
        const DWORD* head = (const DWORD*)Resource("WAVE", id, &size);
        EXPECT_TRUE(head && head[0] == mmioFOURCC('R', 'I', 'F', 'F') && head[1] == size - 8) << id;
    }
    for (int id : {IDT_HELP_FRENCH, IDT_HELP_ENGLISH, 257, 258, 259, 260, 261}) {
        const char* text = (const char*)Resource(MAKEINTRESOURCEA(23), id, &size);
        std::string s(text ? text : "", size);
        EXPECT_TRUE(size > 0 && s.find_first_of("\xc2\xc3") == std::string::npos &&
                    !std::regex_search(s, std::regex("[^\r]\n|\r[^\n]|\r$"))) << id;
    }
}
