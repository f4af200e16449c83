// The pure parts of the settings: the number reading, the INI path and the
// default board size.
#include <gtest/gtest.h>

#include <limits.h>

#include "settings/SettingsStore.h"

TEST(SettingValues, NumbersReadAsDecimalIntegersThatSaturate)
{
    const struct {
        const char* text;
        bool reads;
        int number;
    } cases[] = {
        {"42", true, 42},
        {"+5", true, 5},
        {"42abc", true, 42},
        {"0x10", true, 0},
        {"2147483648", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        {"-2147483649", true, INT_MIN},
        {"99999999999999999999999999", true, INT_MAX},
        {"", false, 0},
        {"-", false, 0},
        {"- 5", false, 0},
        {"+-5", false, 0},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        int number = 12345;
        EXPECT_EQ(cases[i].reads, ParseSettingNumber(cases[i].text, number)) << cases[i].text;
        EXPECT_EQ(cases[i].reads ? cases[i].number : 12345, number) << cases[i].text;
    }
}

TEST(SettingValues, TheIniFileLivesInTheExecutablesFolder)
{
    EXPECT_EQ("C:\\Games\\Krelmot\\Krelmot.ini", IniPathFromModuleName("C:\\Games\\Krelmot\\KRELMOT.EXE"));
    EXPECT_EQ("C:\\Krelmot.ini", IniPathFromModuleName("C:\\k.exe"));
    EXPECT_EQ("C:\\a.b\\Krelmot.ini", IniPathFromModuleName("C:\\a.b\\k"));
    EXPECT_EQ("/opt/games/Krelmot.ini", IniPathFromModuleName("/opt/games/krelmot"));
    EXPECT_EQ("Krelmot.ini", IniPathFromModuleName("Krelmot.exe"));
}

TEST(SettingValues, TheDefaultBoardFitsTheScreenWithinTheBounds)
{
    const struct {
        CScreenMetrics metrics;
        int columns;
        int lines;
    } cases[] = {
        {{1024, 768, 8, 46, 28, 20}, 47, 32},  // (1024 - 8 - 1) / 17 = 59 and (768 - 94) / 17 = 39: the half-way caps
        {{640, 480, 8, 46, 28, 20}, 37, 22},  // (640 - 8 - 1) / 17 and (480 - 94) / 17
        {{800, 600, 8, 46, 28, 20}, 46, 29},
        {{800, 544, 0, 0, 0, 0}, 47, 32},  // exactly 47 cells and the last grid line across, 32 cells down
        {{799, 543, 0, 0, 0, 0}, 46, 31},  // a pixel short of each
        {{200, 200, 8, 46, 28, 20}, 15, 15},  // too small for the smallest board
        {{0, 0, 8, 46, 28, 20}, 15, 15},  // no metrics at all
        {{4000, 3000, 8, 46, 28, 20}, 47, 32},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        CBoardSize size = DefaultBoardSize(cases[i].metrics);
        EXPECT_EQ(cases[i].columns, size.columns) << cases[i].metrics.screenWidth;
        EXPECT_EQ(cases[i].lines, size.lines) << cases[i].metrics.screenHeight;
    }
}
