// What stands on each cell, kept in step with the hero and the piece lists so
// that the game never walks a list to test a cell.
#ifndef KRELMOT_CORE_BOARDINDEX_H
#define KRELMOT_CORE_BOARDINDEX_H

#include <stdint.h>
#include <vector>

#include "core/Cell.h"
#include "core/PieceList.h"

class CBoardIndex {
public:
    CBoardIndex();

    // Forgets every piece and covers a board of this size (negative sizes count as 0).
    void Reset(int columns, int lines);

    int Columns() const { return columns; }
    int Lines() const { return lines; }
    bool Covers(int column, int line) const
    {
        return column >= 0 && column < columns && line >= 0 && line < lines;
    }

    // Pieces off the covered board are not indexed; these calls ignore them.
    bool IsOccupied(int column, int line) const { return Covers(column, line) && pieces[Cell(column, line)] != 0; }
    int RobotsOn(int column, int line) const { return Covers(column, line) ? robots[Cell(column, line)] : 0; }
    // Handle of the first heap of the heap list on the cell, or NO_HANDLE.
    int HeapOn(int column, int line) const { return Covers(column, line) ? heapAt[Cell(column, line)] : NO_HANDLE; }
    int FreeCells() const { return columns * lines - occupiedCells; }

    void AddHero(int column, int line) { AddPiece(column, line); }
    void RemoveHero(int column, int line) { RemovePiece(column, line); }
    void AddRobot(int column, int line);
    void RemoveRobot(int column, int line);
    void AddHeap(int column, int line, int handle);
    // nextHandle: the next heap of the list still on the cell, or NO_HANDLE.
    void RemoveHeap(int column, int line, int nextHandle);

    // Marks a cell as holding an explosion; false when it already did.
    bool MarkExplosion(int column, int line);
    void ClearExplosion(int column, int line);

    int Cell(int column, int line) const { return line * columns + column; }

private:
    void AddPiece(int column, int line);
    void RemovePiece(int column, int line);

    int columns;
    int lines;
    int occupiedCells;
    std::vector<uint16_t> pieces;  // hero, robots and heaps on the cell
    std::vector<uint16_t> robots;
    std::vector<int> heapAt;
    std::vector<uint8_t> explosion;
};

#endif
