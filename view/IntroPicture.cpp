#include "view/IntroPicture.h"

#include "core/Piece.h"

bool IsIntroBlank(unsigned char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\v' || byte == '\f';
}

int IntroImageOf(unsigned char byte)
{
    switch (byte) {
    case '#':
        return IMAGE_HERO;
    case 't':
        return IMAGE_HEAP;
    case 'A':
        return 3;
    case 'c':
        return 4;
    case 'j':
        return 5;
    case 'm':
        return 6;
    case 'a':
        return 7;
    }
    return IMAGE_ROBOT;
}

CIntroSize MeasureIntroPicture(const char* bytes, size_t size)
{
    CIntroSize picture = {0, 0, 0};
    int lineWidth = 0;
    for (size_t i = 0; i < size; ++i) {
        unsigned char byte = (unsigned char)bytes[i];
        if (byte == '\n') {
            ++picture.lines;
            lineWidth = 0;
            continue;
        }
        if (++lineWidth > picture.width)
            picture.width = lineWidth;
        if (!IsIntroBlank(byte))
            ++picture.pieces;
    }
    if (lineWidth > 0)
        ++picture.lines;
    return picture;
}

bool IntroFits(const CIntroSize& picture, int columns, int lines)
{
    return lines >= picture.lines + 4 && columns >= picture.width + 4;
}

CCell IntroOrigin(const CIntroSize& picture, int columns, int lines)
{
    CCell origin = {(columns - picture.width) / 2, (lines - picture.lines) / 2};
    return origin;
}

std::vector<CIntroPiece> LayOutIntroPicture(const char* bytes, size_t size, CCell origin, int maxPieces)
{
    std::vector<CIntroPiece> pieces;
    int line = 0, column = 0;
    for (size_t i = 0; i < size && (int)pieces.size() < maxPieces; ++i) {
        unsigned char byte = (unsigned char)bytes[i];
        if (byte == '\n') {
            ++line;
            column = 0;
            continue;
        }
        ++column;
        if (IsIntroBlank(byte))
            continue;
        CIntroPiece piece = {{origin.column + column, origin.line + line}, IntroImageOf(byte)};
        pieces.push_back(piece);
    }
    return pieces;
}

int IntroGlideDuration(int largestDistance, int moveDuration)
{
    long long duration = (long long)(largestDistance / CELL_PITCH) * moveDuration / 3;
    if (duration < 0)
        return 0;
    return duration > INTRO_GLIDE_LIMIT ? INTRO_GLIDE_LIMIT : (int)duration;
}
