#include "view/DcCanvas.h"

#include "core/Piece.h"
#include "view/Images.h"

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
