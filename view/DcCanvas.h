// A window-system device context seen as the game's drawing surface.
#ifndef KRELMOT_VIEW_DCCANVAS_H
#define KRELMOT_VIEW_DCCANVAS_H

#include <windows.h>

#include "core/Canvas.h"

class CImageSets;

class CDcCanvas final : public CCanvas {
public:
    CDcCanvas(HDC dc_, const CImageSets* images_, COLORREF background_ = 0)
        : dc(dc_), images(images_), background(background_), pen(0), oldPen(0), oldMix(0), clip(0)
    {
    }
    ~CDcCanvas();

    // A picture that is not loaded draws nothing.
    void XorImage(const CPiece& piece);
    bool IsRectVisible(int left, int top, int right, int bottom);
    void BeginXorPen(int width);
    void XorRectangle(int left, int top, int right, int bottom);
    void EndXorPen();
    bool ClipTo(int left, int top, int right, int bottom);
    void RemoveClip();

    HDC dc;
    const CImageSets* images;
    COLORREF background;

private:
    HPEN pen;
    HGDIOBJ oldPen;
    int oldMix;
    HRGN clip;
};

#endif
