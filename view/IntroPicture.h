// An intro picture: text in which every byte but white space stands for a
// piece, one byte a cell, a line feed ending each line. Reading it needs
// nothing of the window system.
#ifndef KRELMOT_VIEW_INTROPICTURE_H
#define KRELMOT_VIEW_INTROPICTURE_H

#include <stddef.h>

#include <vector>

#include "core/Cell.h"

struct CIntroSize {
    int lines;
    int width;  // bytes before a line's line feed, its carriage return included
    int pieces;
};

struct CIntroPiece {
    CCell cell;
    int image;  // character image
};

// Space, tab, carriage return, vertical tab and form feed: an empty cell.
bool IsIntroBlank(unsigned char byte);
int IntroImageOf(unsigned char byte);

// A last line without its line feed counts like the others.
CIntroSize MeasureIntroPicture(const char* bytes, size_t size);
// A margin of two cells all round.
bool IntroFits(const CIntroSize& picture, int columns, int lines);
// Top-left of the picture, centred on the board; a line's first byte lands one column right of it.
CCell IntroOrigin(const CIntroSize& picture, int columns, int lines);
// The pieces in byte order, at most maxPieces of them.
std::vector<CIntroPiece> LayOutIntroPicture(const char* bytes, size_t size, CCell origin, int maxPieces);
// A third of the time the farthest robot would take walking cell by cell,
// at most 10 seconds whatever the settings say.
int IntroGlideDuration(int largestDistance, int moveDuration);

const int INTRO_GLIDE_LIMIT = 10000;
const int WELCOME_TEXT = 32793;

#endif
