// The intro pictures as the game reads them: sizes, piece counts, where the
// pieces land, and bytes that must not send a robot off the board.
#include <gtest/gtest.h>

#include <fstream>

#include "core/Piece.h"
#include "view/IntroPicture.h"

namespace {

// The build turns the pictures' line feeds into CR LF; so does this.
std::string Picture(int n)
{
    std::ifstream file(KRELMOT_SOURCE_DIR "/resources/intro/intro" + std::to_string(n) + ".txt", std::ios::binary);
    std::string crlf;
    for (char c; file.get(c);) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    return crlf;
}

std::vector<CIntroPiece> LayOut(const std::string& bytes, CCell origin, int robots)
{
    return LayOutIntroPicture(bytes.data(), bytes.size(), origin, robots);
}

}

// Lines, width, pieces, the smallest board each picture fits and its place
// centred on a 47 x 32 board, where every piece lands inside it.
TEST(IntroPicture, TheFivePicturesHaveTheirSizes)
{
    const int expected[][7] = {{11, 39, 122, 43, 15, 4, 10}, {16, 17, 152, 21, 20, 15, 8}, {22, 27, 223, 31, 26, 10, 5},
                               {17, 17, 186, 21, 21, 15, 7}, {22, 27, 257, 31, 26, 10, 5}};
    for (int n = 1; n <= 5; ++n) {
        const int* e = expected[n - 1];
        std::string bytes = Picture(n);
        CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
        CCell origin = IntroOrigin(size, 47, 32);
        EXPECT_EQ(std::vector<int>({e[0], e[1], e[2], e[5], e[6]}),
                  std::vector<int>({size.lines, size.width, size.pieces, origin.column, origin.line})) << n;
        EXPECT_TRUE(IntroFits(size, e[3], e[4]));
        EXPECT_FALSE(IntroFits(size, e[3] - 1, e[4]) || IntroFits(size, e[3], e[4] - 1));
        std::vector<CIntroPiece> pieces = LayOut(bytes, origin, 1000);
        EXPECT_EQ(e[2], (int)pieces.size()) << n;
        for (const CIntroPiece& p : pieces)
            EXPECT_TRUE(p.cell.column > origin.column && p.cell.column < origin.column + e[1] &&
                        p.cell.line >= origin.line && p.cell.line < origin.line + e[0]) << n;
    }
}

// Blanks take their cells; an unterminated last line counts; no more pieces
// than robots (the fuzz target holds every piece to the board).
TEST(IntroPicture, BytesBecomePiecesByTheLegendAndStayOnTheBoard)
{
    std::vector<CIntroPiece> pieces = LayOut("#@tAcjma\t\v\f \r\x80z\n", CCell{10, 5}, 100);
    std::vector<int> images;
    for (const CIntroPiece& p : pieces) images.push_back(p.image);
    EXPECT_EQ(std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7, 1, 1}), images);
    EXPECT_TRUE((pieces[0].cell == CCell{11, 5} && pieces[9].cell == CCell{25, 5}));
    const std::string bytes = "@@\r\n@@@@@@@@";
    CIntroSize size = MeasureIntroPicture(bytes.data(), bytes.size());
    EXPECT_TRUE(size.lines == 2 && size.width == 8 && size.pieces == 10);
    EXPECT_EQ(3u, LayOut(bytes, IntroOrigin(size, 12, 6), 3).size()) << "no more than the robots";
}

TEST(IntroPicture, TheGlideLastsAThirdOfTheWalkAndNeverMoreThanTenSeconds)
{
    const int cases[][3] = {{17 * 30, 100, 1000}, {17 * 30 + 16, 100, 1000}, {0, 100, 0},    {17 * 30, 0, 0},
                            {1870, 5000, 10000},  {1870, 2147483647, 10000}, {16, 5000, 0}};
    for (const auto& c : cases) EXPECT_EQ(c[2], IntroGlideDuration(c[0], c[1])) << c[0] << " " << c[1];
}
