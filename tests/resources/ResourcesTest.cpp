// The pictures, sounds and texts, read back from this program's own resources, which come from the
// same resource script as the game's; what the generators make of their sources is tested natively.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "dialogs/HelpAboutIds.h"
#include "resources/ResourceIds.h"

namespace {

const BYTE* Resource(LPCSTR type, int id, DWORD* size)
{
    HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(id), type);
    *size = found ? SizeofResource(NULL, found) : 0;
    return found ? (const BYTE*)LockResource(LoadResource(NULL, found)) : 0;
}

// Top-down coordinates; the rows are stored bottom-up after a full palette.
COLORREF Colour(const BITMAPINFOHEADER* h, int x, int y)
{
    const RGBQUAD* palette = (const RGBQUAD*)((const BYTE*)h + h->biSize);
    const BYTE* row = (const BYTE*)(palette + (1 << h->biBitCount)) +
                      (h->biHeight - 1 - y) * ((h->biWidth * h->biBitCount + 31) / 32 * 4);
    const RGBQUAD& q = palette[h->biBitCount == 8 ? row[x] : x % 2 ? row[x / 2] & 15 : row[x / 2] >> 4];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

}

// Hero, robot, heap and the dead hero, arrows, explosion; digits 0 to 9; the toolbar strips on their green
// ground; the about box's. Each is drawn on its ground at the corners, and none is like another but the
// first picture of the explosion, which is the robot.
TEST(Bitmaps, EveryPictureHasItsSizeDepthAndGroundAndIsUnlikeTheOthers)
{
    const struct { std::vector<int> ids; int width, height, bits; COLORREF ground; } pictures[] = {
        {{175, 176, 177, 178, 191, 192, 193, 223, 182, 183, 184, 185, 186, 187, 188, 189, 190, 224, 225, 226, 227,
          228, 229, 230, 231, 232, 233}, 16, 16, 4, RGB(0, 0, 0)},
        {{244, 235, 245, 237, 238, 239, 240, 241, 242, 243}, 16, 31, 4, RGB(0, 0, 0)},
        {{IDB_TOOLBAR_HOT, IDB_TOOLBAR_NORMAL}, 256, 32, 4, RGB(0, 255, 0)}, {{IDB_ABOUT}, 50, 50, 8, RGB(0, 0, 0)}};
    std::map<std::vector<COLORREF>, int> seen;
    for (auto& p : pictures)
        for (int id : p.ids) {
            SCOPED_TRACE(id);
            DWORD size;
            const BITMAPINFOHEADER* h = (const BITMAPINFOHEADER*)Resource(RT_BITMAP, id, &size);
            ASSERT_TRUE(h != 0);
            EXPECT_EQ((std::vector<LONG>{p.width, p.height, p.bits, BI_RGB, 0}),  // no palette size but a full one
                      (std::vector<LONG>{h->biWidth, h->biHeight, h->biBitCount, (LONG)h->biCompression,
                                         (LONG)(h->biClrUsed % (1u << p.bits))}));
            std::vector<COLORREF> pixels;
            for (int i = 0; i < p.width * p.height; ++i)
                pixels.push_back(Colour(h, i % p.width, i / p.width));
            EXPECT_EQ(std::vector<COLORREF>(4, p.ground), (std::vector<COLORREF>{pixels[0], pixels[p.width - 1],
                                                          pixels[pixels.size() - p.width], pixels.back()}));
            EXPECT_GE(pixels.size() - std::count(pixels.begin(), pixels.end(), p.ground), 8u) << "drawn";
            EXPECT_EQ(id == 224 ? 176 : id, seen.insert(std::make_pair(pixels, id)).first->second) << "alike";
        }
}

// Each sound is 8-bit mono PCM at 22050 Hz in the plain 44-byte layout and lasts about its length.
TEST(Waves, EverySoundIsPcmOfItsLength)
{
    const struct { int id; double seconds; } waves[] = {
        {IDW_TELEPORT, 0.65}, {IDW_SONIC, 1.03},      {IDW_HELLO, 0.54},            {IDW_DEATH, 2.51},
        {IDW_REFUSAL, 0.18},  {IDW_LEVEL_DONE, 3.17}, {IDW_ROBOTS_DESTROYED, 0.51}, {IDW_THANK_YOU, 1.19}};
    for (auto& w : waves) {
        DWORD size;
        const DWORD* head = (const DWORD*)Resource("WAVE", w.id, &size);
        ASSERT_GE(size, 46u) << w.id;
        DWORD count = head[10];  // tag 1 and one channel; align 1 and 8 bits; the samples padded to an even size
        EXPECT_EQ((std::vector<DWORD>{mmioFOURCC('R', 'I', 'F', 'F'), size - 8, mmioFOURCC('W', 'A', 'V', 'E'),
                                      mmioFOURCC('f', 'm', 't', ' '), 16, 0x10001, 22050, 22050, 0x80001,
                                      mmioFOURCC('d', 'a', 't', 'a'), size - 44 - count % 2}),
                  std::vector<DWORD>(head, head + 11)) << w.id;
        EXPECT_NEAR(w.seconds, count / 22050.0, w.seconds * 0.1) << w.id;
    }
}

// The help texts and intro pictures: Windows-1252, no UTF-8 left, every line ended by CR LF.
TEST(Texts, EveryTextIsWindows1252WithCrLfLineEnds)
{
    for (int id : {IDT_HELP_FRENCH, IDT_HELP_ENGLISH, 257, 258, 259, 260, 261}) {
        DWORD size;
        const char* text = (const char*)Resource(MAKEINTRESOURCEA(23), id, &size);
        std::string s(text ? text : "", size);
        EXPECT_TRUE(size > 0 && s.find_first_of("\xc2\xc3") == std::string::npos &&
                    !std::regex_search(s, std::regex("[^\r]\n|\r[^\n]|\r$"))) << id;
    }
}
