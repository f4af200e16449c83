// Cells, pixels and direction codes of the board.
#ifndef KRELMOT_CORE_CELL_H
#define KRELMOT_CORE_CELL_H

// A cell shows a 16 x 16 image inside a one-pixel grid line.
const int CELL_PITCH = 17;
const int IMAGE_SIZE = 16;

// Direction codes: column offset + 3 x line offset + 4.
const int DIRECTION_NONE = -1;
const int DIRECTION_STAY = 4;

struct CCell {
    int column;
    int line;
};

struct CPoint {
    int x;
    int y;
};

inline bool operator==(const CCell& a, const CCell& b) { return a.column == b.column && a.line == b.line; }
inline bool operator!=(const CCell& a, const CCell& b) { return !(a == b); }

// The cell of a piece that stands nowhere.
const CCell NO_CELL = {-1, -1};

// Inner top-left pixel of a cell; origin is the top-left corner of the grid rectangle.
inline CPoint PixelFromCell(int column, int line, CPoint origin)
{
    CPoint p = {origin.x + CELL_PITCH * column + 1, origin.y + CELL_PITCH * line + 1};
    return p;
}

inline int DirectionCode(int columnStep, int lineStep) { return columnStep + 3 * lineStep + 4; }
inline int ColumnStepOf(int code) { return code % 3 - 1; }
inline int LineStepOf(int code) { return code / 3 - 1; }

inline int Sign(int v) { return (v > 0) - (v < 0); }

#endif
