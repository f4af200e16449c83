// The pictures and sounds, read back from this program's own resources, which
// come from the same resource script as the game's.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"

namespace {

const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF GREEN = RGB(0, 255, 0);
const int RIFF_HEADER = 12;
const int CHUNK_HEADER = 8;

struct BitmapCase {
    int id;
    int width;
    int height;
    int bits;
    COLORREF ground;
};

std::vector<BitmapCase> AllBitmaps()
{
    std::vector<BitmapCase> all;
    const int pieces[] = {175, 176, 177, 178, 191, 192, 193, 223};
    for (int id : pieces)
        all.push_back({id, 16, 16, 4, BLACK});
    for (int id = 224; id <= 233; id++)
        all.push_back({id, 16, 16, 4, BLACK});
    for (int id = 182; id <= 190; id++)
        all.push_back({id, 16, 16, 4, BLACK});
    const int digits[] = {244, 235, 245, 237, 238, 239, 240, 241, 242, 243};
    for (int id : digits)
        all.push_back({id, 16, 31, 4, BLACK});
    all.push_back({IDB_TOOLBAR_HOT, 256, 32, 4, GREEN});
    all.push_back({IDB_TOOLBAR_NORMAL, 256, 32, 4, GREEN});
    all.push_back({IDB_ABOUT, 50, 50, 8, BLACK});
    return all;
}

// A bitmap resource as stored: the info header, its palette and its rows.
class RawBitmap {
public:
    explicit RawBitmap(int id) : header(0)
    {
        HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(id), RT_BITMAP);
        if (found)
            header = (const BITMAPINFOHEADER*)LockResource(LoadResource(NULL, found));
    }

    bool Exists() const { return header != 0; }
    int Width() const { return header->biWidth; }
    int Height() const { return header->biHeight; }

    int PaletteSize() const
    {
        return header->biClrUsed ? (int)header->biClrUsed : 1 << header->biBitCount;
    }

    // Top-down coordinates; the rows are stored bottom-up.
    int Index(int x, int y) const
    {
        const RGBQUAD* palette = (const RGBQUAD*)((const BYTE*)header + header->biSize);
        const BYTE* bits = (const BYTE*)(palette + PaletteSize());
        int stride = (Width() * header->biBitCount + 31) / 32 * 4;
        const BYTE* row = bits + (Height() - 1 - y) * stride;
        if (header->biBitCount == 8)
            return row[x];
        return x % 2 ? row[x / 2] & 15 : row[x / 2] >> 4;
    }

    COLORREF Colour(int x, int y) const
    {
        const RGBQUAD& q = ((const RGBQUAD*)((const BYTE*)header + header->biSize))[Index(x, y)];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }

    std::vector<COLORREF> Pixels() const
    {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < Height(); y++)
            for (int x = 0; x < Width(); x++)
                pixels.push_back(Colour(x, y));
        return pixels;
    }

    int CountOtherThan(COLORREF ground, int left, int width) const
    {
        int count = 0;
        for (int y = 0; y < Height(); y++)
            for (int x = left; x < left + width; x++)
                count += Colour(x, y) != ground;
        return count;
    }

    const BITMAPINFOHEADER* header;
};

// Names the test cases by resource id.
void PrintTo(const BitmapCase& c, std::ostream* out)
{
    *out << c.id;
}

class BitmapTest : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapTest, IsStoredAtItsSizeAndDepth)
{
    RawBitmap raw(GetParam().id);
    ASSERT_TRUE(raw.Exists());
    EXPECT_EQ(GetParam().width, raw.Width());
    EXPECT_EQ(GetParam().height, raw.Height());
    EXPECT_EQ(GetParam().bits, raw.header->biBitCount);
    EXPECT_EQ((DWORD)BI_RGB, raw.header->biCompression);
    EXPECT_EQ(1 << GetParam().bits, raw.PaletteSize());
}

TEST_P(BitmapTest, LoadsAtItsNaturalSize)
{
    HBITMAP bitmap = (HBITMAP)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(GetParam().id),
                                         IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_TRUE(bitmap != NULL);
    BITMAP info;
    ASSERT_EQ((int)sizeof info, GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(GetParam().width, info.bmWidth);
    EXPECT_EQ(GetParam().height, info.bmHeight);
    DeleteObject(bitmap);
}

TEST_P(BitmapTest, CornersShowTheGround)
{
    RawBitmap raw(GetParam().id);
    ASSERT_TRUE(raw.Exists());
    int right = raw.Width() - 1, bottom = raw.Height() - 1;
    EXPECT_EQ(GetParam().ground, raw.Colour(0, 0));
    EXPECT_EQ(GetParam().ground, raw.Colour(right, 0));
    EXPECT_EQ(GetParam().ground, raw.Colour(0, bottom));
    EXPECT_EQ(GetParam().ground, raw.Colour(right, bottom));
}

// A strip holds a picture in every 32-pixel square; the others hold one each.
TEST_P(BitmapTest, EveryPictureHasSomethingDrawn)
{
    RawBitmap raw(GetParam().id);
    ASSERT_TRUE(raw.Exists());
    int width = raw.Width() == 256 ? 32 : raw.Width();
    for (int left = 0; left < raw.Width(); left += width)
        EXPECT_GE(raw.CountOtherThan(GetParam().ground, left, width), 8) << "picture at x " << left;
}

INSTANTIATE_TEST_SUITE_P(All, BitmapTest, ::testing::ValuesIn(AllBitmaps()),
                         [](const ::testing::TestParamInfo<BitmapCase>& info) {
                             return "Bitmap" + std::to_string(info.param.id);
                         });

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        ((std::set<int>*)ids)->insert((int)(ULONG_PTR)name);
    return TRUE;
}

std::set<int> ResourceIds(LPCSTR type)
{
    std::set<int> ids;
    EnumResourceNamesA(NULL, type, CollectId, (LONG_PTR)&ids);
    return ids;
}

TEST(Bitmaps, AreExactlyTheGameOnesWithNo236)
{
    std::set<int> expected;
    for (const BitmapCase& c : AllBitmaps())
        expected.insert(c.id);
    EXPECT_EQ(40u, expected.size());
    EXPECT_EQ(expected, ResourceIds(RT_BITMAP));
    EXPECT_TRUE(FindResourceA(NULL, MAKEINTRESOURCEA(236), RT_BITMAP) == NULL);
}

TEST(Bitmaps, ExplosionStartsFromTheRobot)
{
    EXPECT_EQ(RawBitmap(176).Pixels(), RawBitmap(224).Pixels());
}

TEST(Bitmaps, NoTwoPicturesAreAlike)
{
    std::vector<BitmapCase> all = AllBitmaps();
    for (size_t i = 0; i < all.size(); i++)
        for (size_t j = i + 1; j < all.size(); j++) {
            if (all[i].id == 176 && all[j].id == 224)
                continue;
            if (all[i].width == all[j].width && all[i].height == all[j].height) {
                EXPECT_NE(RawBitmap(all[i].id).Pixels(), RawBitmap(all[j].id).Pixels())
                    << all[i].id << " and " << all[j].id;
            }
        }
}

bool IsGrey(COLORREF c)
{
    return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
}

TEST(Bitmaps, NormalStripIsTheHotOneInGreys)
{
    RawBitmap hot(IDB_TOOLBAR_HOT), normal(IDB_TOOLBAR_NORMAL);
    ASSERT_TRUE(hot.Exists() && normal.Exists());
    int coloured = 0;
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 256; x++) {
            COLORREF h = hot.Colour(x, y), n = normal.Colour(x, y);
            EXPECT_EQ(h == GREEN, n == GREEN) << x << ", " << y;
            if (n != GREEN) {
                EXPECT_TRUE(IsGrey(n)) << x << ", " << y;
            }
            coloured += h != GREEN && !IsGrey(h);
        }
    EXPECT_GT(coloured, 8 * 100);
}

struct WaveCase {
    int id;
    double seconds;
};

const WaveCase WAVES[] = {
    {IDW_TELEPORT, 0.65}, {IDW_SONIC, 1.03},      {IDW_HELLO, 0.54},          {IDW_DEATH, 2.51},
    {IDW_REFUSAL, 0.18},  {IDW_LEVEL_DONE, 3.17}, {IDW_ROBOTS_DESTROYED, 0.51}, {IDW_THANK_YOU, 1.19},
};

// A WAVE resource split into its format and its samples.
class RawWave {
public:
    explicit RawWave(int id) : data(0), size(0), format(0), samples(0), sampleCount(0)
    {
        HRSRC found = FindResourceA(NULL, MAKEINTRESOURCEA(id), "WAVE");
        if (!found)
            return;
        data = (const BYTE*)LockResource(LoadResource(NULL, found));
        size = SizeofResource(NULL, found);
        for (DWORD at = RIFF_HEADER; at + CHUNK_HEADER <= size;) {
            DWORD length = *(const DWORD*)(data + at + 4);
            if (memcmp(data + at, "fmt ", 4) == 0)
                format = (const PCMWAVEFORMAT*)(data + at + CHUNK_HEADER);
            if (memcmp(data + at, "data", 4) == 0) {
                samples = data + at + CHUNK_HEADER;
                sampleCount = length;
            }
            at += CHUNK_HEADER + length + length % 2;
        }
    }

    const BYTE* data;
    DWORD size;
    const PCMWAVEFORMAT* format;
    const BYTE* samples;
    DWORD sampleCount;
};

void PrintTo(const WaveCase& c, std::ostream* out)
{
    *out << c.id;
}

class WaveTest : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveTest, IsRiffPcmMono22050Hz8Bit)
{
    RawWave wave(GetParam().id);
    ASSERT_TRUE(wave.data != NULL);
    ASSERT_GE(wave.size, (DWORD)RIFF_HEADER);
    EXPECT_EQ(0, memcmp(wave.data, "RIFF", 4));
    EXPECT_EQ(wave.size - 8, *(const DWORD*)(wave.data + 4));
    EXPECT_EQ(0, memcmp(wave.data + 8, "WAVE", 4));
    ASSERT_TRUE(wave.format != NULL);
    EXPECT_EQ(WAVE_FORMAT_PCM, wave.format->wf.wFormatTag);
    EXPECT_EQ(1, wave.format->wf.nChannels);
    EXPECT_EQ(22050u, wave.format->wf.nSamplesPerSec);
    EXPECT_EQ(22050u, wave.format->wf.nAvgBytesPerSec);
    EXPECT_EQ(1, wave.format->wf.nBlockAlign);
    EXPECT_EQ(8, wave.format->wBitsPerSample);
    ASSERT_TRUE(wave.samples != NULL);
    EXPECT_LE(wave.samples + wave.sampleCount, wave.data + wave.size);
}

TEST_P(WaveTest, LastsAboutItsLength)
{
    RawWave wave(GetParam().id);
    ASSERT_TRUE(wave.samples != NULL);
    EXPECT_NEAR(GetParam().seconds, wave.sampleCount / 22050.0, GetParam().seconds * 0.1);
}

// Audible, never flattened against either rail, and silent at both ends so
// that starting or cutting it makes no click.
TEST_P(WaveTest, IsCleanFromStartToEnd)
{
    RawWave wave(GetParam().id);
    ASSERT_TRUE(wave.samples != NULL && wave.sampleCount > 0);
    int peak = 0, atRail = 0;
    for (DWORD i = 0; i < wave.sampleCount; i++) {
        int s = wave.samples[i];
        peak = std::max(peak, abs(s - 128));
        atRail = s == 0 || s == 255 ? atRail + 1 : 0;
        ASSERT_LT(atRail, 3) << "clipped at sample " << i;
    }
    EXPECT_GE(peak, 48);
    EXPECT_NEAR(128, wave.samples[0], 4);
    EXPECT_NEAR(128, wave.samples[wave.sampleCount - 1], 4);
}

INSTANTIATE_TEST_SUITE_P(All, WaveTest, ::testing::ValuesIn(WAVES),
                         [](const ::testing::TestParamInfo<WaveCase>& info) {
                             return "Wave" + std::to_string(info.param.id);
                         });

TEST(Waves, AreExactlyTheGameOnes)
{
    std::set<int> expected;
    for (const WaveCase& w : WAVES)
        expected.insert(w.id);
    EXPECT_EQ(expected, ResourceIds("WAVE"));
}

}  // namespace
