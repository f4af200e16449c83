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

    // Outlines drawn by exclusive-or with a pen of this width in the
    // complement of the background colour; drawing one twice removes it.
    virtual void BeginXorPen(int width) = 0;
    virtual void XorRectangle(int left, int top, int right, int bottom) = 0;
    virtual void EndXorPen() = 0;

    // Keeps what is drawn inside the rectangle; false when it cannot.
    virtual bool ClipTo(int left, int top, int right, int bottom) = 0;
    virtual void RemoveClip() = 0;

protected:
    ~CCanvas() {}
};

#endif
