#include "view/DcCanvas.h"

#include "core/Piece.h"
#include "shell/sl/ErrorReport.h"
#include "view/Images.h"

CDcCanvas::~CDcCanvas()
{
    EndXorPen();
    RemoveClip();
}

void CDcCanvas::XorImage(const CPiece& piece)
{
    HDC source = images ? images->Get(piece.GetImage()) : 0;
    if (!source)
        return;
    if (piece.size == IMAGE_SIZE) {
        BitBlt(dc, piece.x, piece.y, IMAGE_SIZE, IMAGE_SIZE, source, 0, 0, SRCINVERT);
        return;
    }
    // Stretched pictures stay centred on the cell.
    int d = (piece.size - IMAGE_SIZE) / 2;
    StretchBlt(dc, piece.x - d, piece.y - d, piece.size, piece.size, source, 0, 0, IMAGE_SIZE, IMAGE_SIZE, SRCINVERT);
}

bool CDcCanvas::IsRectVisible(int left, int top, int right, int bottom)
{
    RECT r = {left, top, right, bottom};
    return RectVisible(dc, &r) != FALSE;
}

void CDcCanvas::BeginXorPen(int width)
{
    EndXorPen();
    pen = CreatePen(PS_SOLID, width, ~background & 0xFFFFFF);
    oldMix = SetROP2(dc, R2_XORPEN);
    oldPen = SelectObject(dc, pen);
}

void CDcCanvas::XorRectangle(int left, int top, int right, int bottom)
{
    POINT corners[5] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    Polyline(dc, corners, 5);
}

void CDcCanvas::EndXorPen()
{
    if (!pen)
        return;
    SetROP2(dc, oldMix);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    pen = 0;
}

bool CDcCanvas::ClipTo(int left, int top, int right, int bottom)
{
    RemoveClip();
    clip = CreateRectRgn(left, top, right, bottom);
    if (!clip) {
        SL_Erreur("Pb creation region clip teleport");
        return false;
    }
    SelectClipRgn(dc, clip);
    return true;
}

void CDcCanvas::RemoveClip()
{
    if (!clip)
        return;
    SelectClipRgn(dc, NULL);
    DeleteObject(clip);
    clip = 0;
}
