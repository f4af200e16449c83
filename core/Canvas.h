// The drawing surface the game draws its pieces on. The Windows side wraps a
// device context in it; tests record what is drawn.
#ifndef KRELMOT_CORE_CANVAS_H
#define KRELMOT_CORE_CANVAS_H

class CPiece;

class CCanvas {
public:
    // The exclusive-or transfer of the piece's image at its position and size:
    // doing it twice leaves the surface as it was.
    virtual void XorImage(const CPiece& piece) = 0;

    // Whether the rectangle meets the surface's clipping region.
    virtual bool IsRectVisible(int left, int top, int right, int bottom) = 0;

protected:
    ~CCanvas() {}
};

#endif
