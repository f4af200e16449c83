// A window-system device context seen as the game's drawing surface.
#ifndef KRELMOT_VIEW_DCCANVAS_H
#define KRELMOT_VIEW_DCCANVAS_H

#include <windows.h>

#include "core/Canvas.h"

class CImageSets;

class CDcCanvas final : public CCanvas {
public:
    CDcCanvas(HDC dc_, const CImageSets* images_) : dc(dc_), images(images_) {}

    // A picture that is not loaded draws nothing.
    void XorImage(const CPiece& piece);
    bool IsRectVisible(int left, int top, int right, int bottom);

    HDC dc;
    const CImageSets* images;
};

#endif
