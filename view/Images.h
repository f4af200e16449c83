// The four image sets of the board, each picture a bitmap selected into its
// own memory device context, owned for the life of the program.
#ifndef KRELMOT_VIEW_IMAGES_H
#define KRELMOT_VIEW_IMAGES_H

#include <windows.h>

#include "core/Piece.h"

const int CHARACTER_IMAGES = 8;
const int ARROW_IMAGES = 9;
const int DIGIT_IMAGES = 10;

struct CImageSlot {
    HBITMAP bitmap;
    HDC dc;
};

class CImageSets {
public:
    CImageSets();

    // The memory context holding a picture, or null when it could not be loaded.
    HDC Get(CImageRef image) const;

    CImageSlot character[CHARACTER_IMAGES];
    CImageSlot explosion[EXPLOSION_FRAMES];
    CImageSlot arrow[ARROW_IMAGES];
    CImageSlot digit[DIGIT_IMAGES];
};

#endif
