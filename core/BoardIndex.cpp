#include "core/BoardIndex.h"

#include <stddef.h>

CBoardIndex::CBoardIndex() : columns(0), lines(0), occupiedCells(0) {}

void CBoardIndex::Reset(int columns_, int lines_)
{
    columns = columns_ > 0 ? columns_ : 0;
    lines = lines_ > 0 ? lines_ : 0;
    occupiedCells = 0;
    size_t cells = (size_t)columns * (size_t)lines;
    pieces.assign(cells, 0);
    robots.assign(cells, 0);
    heapAt.assign(cells, NO_HANDLE);
    explosion.assign(cells, 0);
}

void CBoardIndex::AddPiece(int column, int line)
{
    if (!Covers(column, line))
        return;
    if (pieces[Cell(column, line)]++ == 0)
        ++occupiedCells;
}

void CBoardIndex::RemovePiece(int column, int line)
{
    if (!Covers(column, line))
        return;
    if (--pieces[Cell(column, line)] == 0)
        --occupiedCells;
}

void CBoardIndex::AddRobot(int column, int line)
{
    if (!Covers(column, line))
        return;
    AddPiece(column, line);
    ++robots[Cell(column, line)];
}

void CBoardIndex::RemoveRobot(int column, int line)
{
    if (!Covers(column, line))
        return;
    RemovePiece(column, line);
    --robots[Cell(column, line)];
}

void CBoardIndex::AddHeap(int column, int line, int handle)
{
    if (!Covers(column, line))
        return;
    AddPiece(column, line);
    int& first = heapAt[Cell(column, line)];
    if (first == NO_HANDLE)
        first = handle;
}

void CBoardIndex::RemoveHeap(int column, int line, int nextHandle)
{
    if (!Covers(column, line))
        return;
    RemovePiece(column, line);
    heapAt[Cell(column, line)] = nextHandle;
}

bool CBoardIndex::MarkExplosion(int column, int line)
{
    if (!Covers(column, line))
        return true;
    uint8_t& mark = explosion[Cell(column, line)];
    if (mark)
        return false;
    mark = 1;
    return true;
}

void CBoardIndex::ClearExplosion(int column, int line)
{
    if (Covers(column, line))
        explosion[Cell(column, line)] = 0;
}
