// Board queries and level set-up.
#include "core/Game.h"

#include "core/GameView.h"
#include "settings/Settings.h"

namespace {

// RandomFreeCell draws until it hits a free cell. With a free cell left a draw
// hits with a chance of at least one in (columns x lines), so this many draws
// only run out if the generator never reaches the cell; the first free cell in
// reading order is then taken rather than spinning for ever.
const int MAX_FREE_CELL_DRAWS = 1 << 22;

}

CRobotCounts DefaultRobotCounts(int columns, int lines)
{
    int a = (columns * lines) / 100;
    CRobotCounts counts = {a / 2, a / 4};
    if (counts.base == 0)
        counts.base = 1;
    if (counts.added == 0)
        counts.added = 1;
    return counts;
}

int RobotCountForLevel(int level, int base, int added, int columns, int lines)
{
    int cap = (int)((double)(columns * lines) * 0.9);
    long long wanted = (long long)added * level + base;
    return wanted < cap ? (int)wanted : cap;
}

CGame::CGame(CSettings& settings_, CGameView& view_)
    : settings(settings_), view(view_), level(0), score(0), teleportCount(0), sonicUsedCount(0),
      levelStartTick(0), introActive(false), turnStamp(0), destroyedThisTurn(false)
{
    gridOrigin.x = 0;
    gridOrigin.y = 0;
}

int CGame::Columns() const { return settings.largeur.Get(); }
int CGame::Lines() const { return settings.hauteur.Get(); }

bool CGame::IsOnBoard(int column, int line) const
{
    return column >= 0 && column < Columns() && line >= 0 && line < Lines();
}

// The index follows the board size settings; a change of size re-indexes
// whatever stands on the new board.
void CGame::SyncBoardIndex()
{
    if (index.Columns() == (Columns() > 0 ? Columns() : 0) && index.Lines() == (Lines() > 0 ? Lines() : 0))
        return;
    index.Reset(Columns(), Lines());
    index.AddHero(hero.column, hero.line);
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        index.AddRobot(r->column, r->line);
    for (CPieceList<CHeap>::Iterator h = heaps.begin(); h != heaps.end(); ++h)
        index.AddHeap(h->column, h->line, h.Handle());
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        index.MarkExplosion(e->column, e->line);
}

bool CGame::IsCellOccupied(int column, int line)
{
    SyncBoardIndex();
    if (index.Covers(column, line))
        return index.IsOccupied(column, line);
    // Off the board only the hero can stand, and only when placed by hand.
    return hero.column == column && hero.line == line;
}

CCell CGame::RandomCell()
{
    if (Columns() <= 0 || Lines() <= 0)
        return NO_CELL;
    CCell cell;
    cell.column = random.Next() % Columns();
    cell.line = random.Next() % Lines();
    return cell;
}

CCell CGame::RandomFreeCell()
{
    SyncBoardIndex();
    if (index.FreeCells() <= 0)
        return NO_CELL;
    for (int draw = 0; draw < MAX_FREE_CELL_DRAWS; ++draw) {
        CCell cell = RandomCell();
        if (!index.IsOccupied(cell.column, cell.line))
            return cell;
    }
    for (int line = 0; line < Lines(); ++line)
        for (int column = 0; column < Columns(); ++column)
            if (!index.IsOccupied(column, line)) {
                CCell cell = {column, line};
                return cell;
            }
    return NO_CELL;
}

bool CGame::AddExplosion(int column, int line)
{
    SyncBoardIndex();
    if (index.Covers(column, line)) {
        if (!index.MarkExplosion(column, line))
            return false;
    } else {
        for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
            if (e->column == column && e->line == line)
                return false;
    }
    explosions.Append(CExplosion(column, line, gridOrigin));
    return true;
}

void CGame::SetHeroCell(int column, int line)
{
    SyncBoardIndex();
    index.RemoveHero(hero.column, hero.line);
    hero.column = column;
    hero.line = line;
    index.AddHero(column, line);
}

int CGame::StartLevel(int levelNumber)
{
    if (levelNumber == 1)
        StoreScore(0);
    introActive = false;
    EnableActions();
    SetSonicUsed(0);
    teleportCount = 0;
    level = levelNumber;
    CRobotCounts counts = {settings.nb_robot_base.Get(), settings.nb_robot_incr.Get()};
    PlacePieces(RobotCountForLevel(level, counts.base, counts.added, Columns(), Lines()));
    view.RefreshDirectionMarker(0);
    levelStartTick = view.TickCount();
    view.RefreshStatusBar(false);
    view.InvalidateBoard();
    return 0;
}

int CGame::PlacePieces(int robotCount)
{
    SyncBoardIndex();
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        index.RemoveRobot(r->column, r->line);
    robots.Clear();
    for (CPieceList<CHeap>::Iterator h = heaps.begin(); h != heaps.end(); ++h)
        index.RemoveHeap(h->column, h->line, NO_HANDLE);
    heaps.Clear();

    if (!IsHeroBusy()) {
        CCell cell = RandomFreeCell();
        // With no other cell free the hero is reborn where he stands.
        if (cell == NO_CELL)
            cell = hero.Cell();
        SetHeroCell(cell.column, cell.line);
        hero = CHero(cell.column, cell.line, gridOrigin);
    }
    for (int i = 0; i < robotCount; ++i) {
        CCell cell = RandomFreeCell();
        if (cell == NO_CELL)
            break;
        AppendRobot(cell.column, cell.line);
    }
    return 0;
}
