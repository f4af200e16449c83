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
    std::ifstream file(KRELMOT_SOURCE_DIR "/resources/intro/intro" + std::to_string(n) + ".txt", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string crlf;
    for (char c : text.str())
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    return crlf;
}

std::vector<CIntroPiece> LayOut(const std::string& bytes, CCell origin, int robots)
{
    return LayOutIntroPicture(bytes.data(), bytes.size(), origin, robots);
}

}

TEST(IntroPicture, TheFivePicturesHaveTheirSizes)
{
    // Lines, width, pieces, and the smallest board it fits.
    const int expected[][5] = {{11, 39, 122, 43, 15}, {16, 17, 152, 21, 20}, {22, 27, 223, 31, 26},
                               {17, 17, 186, 21, 21}, {22, 27, 257, 31, 26}};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        std::string bytes = Picture(n);
        CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
        const int* e = expected[n - 1];
        EXPECT_TRUE(size.lines == e[0] && size.width == e[1] && size.pieces == e[2]) << size.lines << " " << size.width;
        EXPECT_TRUE(IntroFits(size, e[3], e[4]));
        EXPECT_FALSE(IntroFits(size, e[3] - 1, e[4]) || IntroFits(size, e[3], e[4] - 1));
        EXPECT_EQ(e[2], (int)LayOut(bytes, CCell{0, 0}, 1000).size());
    }
}

TEST(IntroPicture, PictureTwoOnA47By32Board)
{
    std::string bytes = Picture(2);
    CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
    CCell origin = IntroOrigin(size, 47, 32);
    EXPECT_TRUE(origin.column == 15 && origin.line == 8);
    EXPECT_EQ(25, origin.line + size.lines + 1) << "the welcome line";
    std::vector<CIntroPiece> pieces = LayOut(bytes, origin, 1000);
    ASSERT_FALSE(pieces.empty());
    EXPECT_TRUE(pieces[0].cell.column == 22 && pieces[0].cell.line == 8) << "the seventh byte of the first line";
    EXPECT_EQ(IMAGE_ROBOT, pieces[0].image);
    for (const CIntroPiece& p : pieces)
        EXPECT_TRUE(p.cell.column > 15 && p.cell.column < 15 + 17 && p.cell.line >= 8 && p.cell.line < 8 + 16);
}

// Blanks take their cells; an unterminated last line counts, and no piece
// lands off the board nor beyond the robots there are.
TEST(IntroPicture, BytesBecomePiecesByTheLegendAndStayOnTheBoard)
{
    std::vector<CIntroPiece> pieces = LayOut("#@tAcjma\t\v\f \r\x80z\n", CCell{10, 5}, 100);
    const int images[] = {0, 1, 2, 3, 4, 5, 6, 7, 1, 1};
    ASSERT_EQ(10u, pieces.size());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(images[i], pieces[i].image) << "byte " << i;
    EXPECT_TRUE(pieces[0].cell.column == 11 && pieces[9].cell.column == 25);
    const std::string bytes = "@@\r\n@@@@@@@@";
    CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
    EXPECT_TRUE(size.lines == 2 && size.width == 8 && size.pieces == 10);
    CCell origin = IntroOrigin(size, 12, 6);
    for (const CIntroPiece& p : LayOut(bytes, origin, 100))
        EXPECT_TRUE(p.cell.column < 12 && p.cell.line < 6) << p.cell.column << "," << p.cell.line;
    EXPECT_EQ(3u, LayOut(bytes, origin, 3).size()) << "no more than the robots";
}

TEST(IntroPicture, TheGlideLastsAThirdOfTheWalkAndNeverMoreThanTenSeconds)
{
    const int cases[][3] = {{17 * 30, 100, 1000}, {17 * 30 + 16, 100, 1000}, {0, 100, 0},    {17 * 30, 0, 0},
                            {1870, 5000, 10000},  {1870, 2147483647, 10000}, {16, 5000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c[2], IntroGlideDuration(c[0], c[1])) << c[0] << " " << c[1];
}
