#include "core/Piece.h"

#include "core/Canvas.h"

CPiece::CPiece()
    : column(-1), line(-1), x(0), y(0), startX(0), startY(0), targetX(0), targetY(0), size(IMAGE_SIZE),
      imageIndex(0), drawn(false)
{
}

CPiece::CPiece(int column_, int line_, CPoint origin)
    : column(column_), line(line_), x(0), y(0), startX(0), startY(0), targetX(0), targetY(0), size(IMAGE_SIZE),
      imageIndex(0), drawn(false)
{
    CPoint p = PixelFromCell(column, line, origin);
    x = p.x;
    y = p.y;
}

CImageRef CPiece::GetImage() const
{
    CImageRef ref = {IMAGESET_CHARACTER, imageIndex};
    return ref;
}

CImageRef CExplosion::GetImage() const
{
    CImageRef ref = {IMAGESET_EXPLOSION, imageIndex};
    return ref;
}

CImageRef CDirectionMarker::GetImage() const
{
    CImageRef ref = {IMAGESET_ARROW, imageIndex};
    return ref;
}

int CPiece::Draw(CCanvas* canvas)
{
    if (drawn)
        return -1;
    canvas->XorImage(*this);
    drawn = true;
    return 0;
}

int CPiece::Erase(CCanvas* canvas)
{
    if (!drawn)
        return -1;
    canvas->XorImage(*this);
    drawn = false;
    return 0;
}

bool CPiece::IsVisible(CCanvas* canvas) const
{
    return canvas->IsRectVisible(x, y, x + IMAGE_SIZE, y + IMAGE_SIZE);
}

int CPiece::DirectionTo(int targetColumn, int targetLine, int columns, int lines) const
{
    if (targetColumn < 0 || targetColumn >= columns || targetLine < 0 || targetLine >= lines)
        return DIRECTION_NONE;
    int dc = targetColumn - column;
    int dl = targetLine - line;
    if (dc < -1 || dc > 1 || dl < -1 || dl > 1)
        return DIRECTION_NONE;
    return DirectionCode(dc, dl);
}

int CPiece::StepToward(int targetColumn, int targetLine, CPoint origin)
{
    startX = x;
    startY = y;
    line += Sign(targetLine - line);
    column += Sign(targetColumn - column);
    CPoint p = PixelFromCell(column, line, origin);
    targetX = p.x;
    targetY = p.y;
    return 0;
}
