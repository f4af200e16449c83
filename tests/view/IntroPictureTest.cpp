// The intro pictures as the game reads them: sizes, piece counts, where the
// pieces land, and bytes that must not send a robot off the board.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/Piece.h"
#include "view/IntroPicture.h"

namespace {

// The build turns the pictures' line feeds into CR LF; so does this.
std::string Picture(int n)
{
    std::ifstream file(std::string(KRELMOT_SOURCE_DIR "/resources/intro/intro") + std::to_string(n) + ".txt",
                       std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string crlf;
    for (char c : text.str()) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

}

TEST(IntroPicture, TheFivePicturesHaveTheirSizes)
{
    const struct {
        int lines, width, pieces, smallestColumns, smallestLines;
    } expected[] = {{11, 39, 122, 43, 15}, {16, 17, 152, 21, 20}, {22, 27, 223, 31, 26}, {17, 17, 186, 21, 21},
                    {22, 27, 257, 31, 26}};
    for (int n = 1; n <= 5; ++n) {
        std::string bytes = Picture(n);
        CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
        const auto& e = expected[n - 1];
        EXPECT_EQ(e.lines, size.lines) << "picture " << n;
        EXPECT_EQ(e.width, size.width) << "picture " << n;
        EXPECT_EQ(e.pieces, size.pieces) << "picture " << n;
        EXPECT_TRUE(IntroFits(size, e.smallestColumns, e.smallestLines)) << "picture " << n;
        EXPECT_FALSE(IntroFits(size, e.smallestColumns - 1, e.smallestLines)) << "picture " << n;
        EXPECT_FALSE(IntroFits(size, e.smallestColumns, e.smallestLines - 1)) << "picture " << n;
        EXPECT_EQ(e.pieces, (int)LayOutIntroPicture(bytes.data(), bytes.size(), CCell{0, 0}, 1000).size());
    }
}

TEST(IntroPicture, PictureTwoOnA47By32Board)
{
    std::string bytes = Picture(2);
    CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
    CCell origin = IntroOrigin(size, 47, 32);
    EXPECT_EQ(15, origin.column);
    EXPECT_EQ(8, origin.line);
    std::vector<CIntroPiece> pieces = LayOutIntroPicture(bytes.data(), bytes.size(), origin, 1000);
    ASSERT_FALSE(pieces.empty());
    EXPECT_EQ(22, pieces[0].cell.column) << "the seventh byte of the first line";
    EXPECT_EQ(8, pieces[0].cell.line);
    EXPECT_EQ(IMAGE_ROBOT, pieces[0].image);
    EXPECT_EQ(25, origin.line + size.lines + 1) << "the welcome line";
    for (const CIntroPiece& p : pieces) {
        EXPECT_TRUE(p.cell.column > 15 && p.cell.column < 15 + 17);
        EXPECT_TRUE(p.cell.line >= 8 && p.cell.line < 8 + 16);
    }
}

TEST(IntroPicture, BytesBecomePiecesByTheLegend)
{
    const std::string bytes = "#@tAcjma\t\v\f \r\x80z\n";
    std::vector<CIntroPiece> pieces = LayOutIntroPicture(bytes.data(), bytes.size(), CCell{10, 5}, 100);
    const int images[] = {0, 1, 2, 3, 4, 5, 6, 7, 1, 1};
    ASSERT_EQ(10u, pieces.size());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(images[i], pieces[i].image) << "byte " << i;
    EXPECT_EQ(11, pieces[0].cell.column);
    EXPECT_EQ(25, pieces[9].cell.column) << "blanks take their cells";
}

TEST(IntroPicture, AnUnterminatedLastLineAndTooManyPieces)
{
    const std::string bytes = "@@\r\n@@@@@@@@";
    CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
    EXPECT_EQ(2, size.lines);
    EXPECT_EQ(8, size.width);
    EXPECT_EQ(10, size.pieces);
    CCell origin = IntroOrigin(size, 12, 6);
    for (const CIntroPiece& p : LayOutIntroPicture(bytes.data(), bytes.size(), origin, 100))
        EXPECT_TRUE(p.cell.column < 12 && p.cell.line < 6) << p.cell.column << "," << p.cell.line;
    EXPECT_EQ(3u, LayOutIntroPicture(bytes.data(), bytes.size(), origin, 3).size()) << "no more than the robots";
}

TEST(IntroPicture, TheGlideLastsAThirdOfTheWalkAndNeverMoreThanTenSeconds)
{
    const struct {
        int distance, move, duration;
    } cases[] = {{17 * 30, 100, 1000}, {17 * 30 + 16, 100, 1000}, {0, 100, 0},      {17 * 30, 0, 0},
                 {1870, 5000, 10000},  {1870, 2147483647, 10000}, {16, 5000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.duration, IntroGlideDuration(c.distance, c.move)) << c.distance << " " << c.move;
}
