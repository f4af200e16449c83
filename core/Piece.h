// Everything that stands on a cell: the hero, robots, heaps, explosions and
// the direction marker. Pieces are plain values; copying copies every field.
#ifndef KRELMOT_CORE_PIECE_H
#define KRELMOT_CORE_PIECE_H

#include "core/Cell.h"

class CCanvas;

enum ImageSet { IMAGESET_CHARACTER, IMAGESET_EXPLOSION, IMAGESET_ARROW };

// Character image indices.
const int IMAGE_HERO = 0;
const int IMAGE_ROBOT = 1;
const int IMAGE_HEAP = 2;
const int IMAGE_DEAD_FIRST = 3;  // 3 to 7: the dead hero, by religion
const int IMAGE_DEAD_ELSE = 7;
const int EXPLOSION_FRAMES = 10;

// Which picture of which image set a piece shows.
struct CImageRef {
    ImageSet set;
    int index;
};

class CPiece {
public:
    CPiece();
    CPiece(int column, int line, CPoint origin);

    virtual CImageRef GetImage() const;

    int GetImageIndex() const { return imageIndex; }
    void SetImageIndex(int index) { imageIndex = index; }
    bool IsDrawn() const { return drawn; }
    void SetDrawn(bool value) { drawn = value; }
    CCell Cell() const { CCell c = {column, line}; return c; }

    // Draw and Erase are the same exclusive-or transfer; each refuses (-1) when
    // the drawn flag already says what it would make true.
    int Draw(CCanvas* canvas);
    int Erase(CCanvas* canvas);
    bool IsVisible(CCanvas* canvas) const;

    // Direction code of a neighbouring cell, or DIRECTION_NONE when it is off
    // the board or more than one cell away.
    int DirectionTo(int targetColumn, int targetLine, int columns, int lines) const;

    // One king step toward the target; the image is moved later by the glide.
    int StepToward(int targetColumn, int targetLine, CPoint origin);

    int column;
    int line;
    int x, y;
    int startX, startY;
    int targetX, targetY;
    int size;
    int imageIndex;
    bool drawn;
};

class CHero : public CPiece {
public:
    CHero() : CPiece(), dead(false), glideDuration(0) { imageIndex = IMAGE_HERO; }
    CHero(int column, int line, CPoint origin) : CPiece(column, line, origin), dead(false), glideDuration(0)
    {
        imageIndex = IMAGE_HERO;
    }

    bool dead;
    int glideDuration;  // milliseconds of the teleport flight
};

class CRobot : public CPiece {
public:
    CRobot() : CPiece() { imageIndex = IMAGE_ROBOT; }
    CRobot(int column, int line, CPoint origin) : CPiece(column, line, origin) { imageIndex = IMAGE_ROBOT; }
};

class CExplosion : public CRobot {
public:
    CExplosion() : CRobot() { imageIndex = 0; }
    CExplosion(int column, int line, CPoint origin) : CRobot(column, line, origin) { imageIndex = 0; }
    CImageRef GetImage() const;
};

class CHeap : public CPiece {
public:
    CHeap() : CPiece() { imageIndex = IMAGE_HEAP; }
    CHeap(int column, int line, CPoint origin) : CPiece(column, line, origin) { imageIndex = IMAGE_HEAP; }
};

class CDirectionMarker : public CPiece {
public:
    CDirectionMarker() : CPiece() { column = line = -1; imageIndex = DIRECTION_STAY; }
    CImageRef GetImage() const;
};

#endif
