// The four image sets of the board, each picture a bitmap selected into its
// own memory device context, owned for the life of the program.
#ifndef KRELMOT_VIEW_IMAGES_H
#define KRELMOT_VIEW_IMAGES_H

#include <windows.h>
#include <commctrl.h>

#include "core/Piece.h"

const int CHARACTER_IMAGES = 8;
const int ARROW_IMAGES = 9;
const int DIGIT_IMAGES = 10;
const int DIGIT_WIDTH = 16;
const int DIGIT_HEIGHT = 31;

// Resource ids, by index in each set.
extern const int CHARACTER_BITMAPS[CHARACTER_IMAGES];
extern const int ARROW_BITMAPS[ARROW_IMAGES];
extern const int DIGIT_BITMAPS[DIGIT_IMAGES];
const int FIRST_EXPLOSION_BITMAP = 224;

struct CImageSlot {
    HBITMAP bitmap;
    HDC dc;
};

class CImageSets {
public:
    CImageSets();
    ~CImageSets();

    // Loads every set once; the first failure is reported and ends the loading,
    // leaving the rest absent (an absent picture simply draws nothing).
    int init_img(HWND window, HINSTANCE instance);
    // The memory context holding a picture, or null when it is absent.
    HDC Get(CImageRef image) const;
    HDC GetCharacterImage(int n) const { return character[n].dc; }
    HDC GetExplosionImage(int n) const { return explosion[n].dc; }
    HDC GetArrowImage(int n) const { return arrow[n].dc; }
    HDC GetDigitImage(int n) const { return digit[n].dc; }
    HICON GetCharacterIcon(int n) const { return icons[n]; }
    HIMAGELIST GetCharacterImageList() const { return characterList; }

    CImageSlot character[CHARACTER_IMAGES];
    CImageSlot explosion[EXPLOSION_FRAMES];
    CImageSlot arrow[ARROW_IMAGES];
    CImageSlot digit[DIGIT_IMAGES];
    HICON icons[CHARACTER_IMAGES];
    HIMAGELIST characterList;

private:
    int LoadCharacters(HDC windowDc, HINSTANCE instance);
    static int LoadSet(HDC windowDc, HINSTANCE instance, CImageSlot* slots, const int* ids, int count,
                       const char* loadError, const char* dcError);
};

#endif
