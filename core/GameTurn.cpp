// One turn: the hero acts, every robot steps toward him, and what their steps
// cause is resolved.
#include "core/Game.h"

#include "core/GameView.h"
#include "settings/Settings.h"

int CGame::PlayTurn(int action, int code)
{
    if (MoveHero(action, code) != 0) {
        view.RefusalFeedback();
        return -1;
    }
    CCanvas* canvas = view.AcquireBoardCanvas();
    view.HideDirectionMarker(canvas);
    DrawAllPieces(canvas);
    if (action == ACTION_HELLO) {
        view.AnimateHello(canvas, hero);
    } else {
        if (action == ACTION_TELEPORT)
            Teleport(canvas);
        else if (action == ACTION_SONIC)
            Sonic(canvas);
        bool ended = MoveRobots(canvas);
        while (action == ACTION_REMAIN && !ended)
            ended = MoveRobots(canvas);
    }
    view.RefreshDirectionMarker(0);
    view.ReleaseBoardCanvas(canvas);
    return 0;
}

int CGame::MoveHero(int action, int code)
{
    if (IsHeroBusy())
        return -1;
    if (action < ACTION_HELLO || action > ACTION_REMAIN)
        return -1;
    // Callers pass codes from the direction table; anything else is refused.
    if (code < 0 || code > 8)
        return -1;
    if (action == ACTION_SONIC && sonicUsedCount > 0)
        return -1;
    hero.startX = hero.x;
    hero.startY = hero.y;
    if (code == DIRECTION_STAY) {
        hero.targetX = hero.x;
        hero.targetY = hero.y;
        return 0;
    }
    int column = hero.column + ColumnStepOf(code);
    int line = hero.line + LineStepOf(code);
    if (!IsOnBoard(column, line))
        return -1;
    SetHeroCell(column, line);
    CPoint target = PixelOf(column, line);
    hero.targetX = target.x;
    hero.targetY = target.y;
    return 0;
}

void CGame::DrawAllPieces(CCanvas* canvas)
{
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        r->Draw(canvas);
    for (CPieceList<CHeap>::Iterator h = heaps.begin(); h != heaps.end(); ++h)
        h->Draw(canvas);
    hero.Draw(canvas);
}

bool CGame::MoveRobots(CCanvas* canvas)
{
    SyncBoardIndex();
    StepRobots();
    view.GlidePieces(canvas, robots, &hero, settings.temps_move.Get());

    bool ended = false;
    destroyedThisTurn = false;
    IndexRobotsByCell();
    DestroyRobotsOnHeaps(canvas);
    DestroyMeetingRobots(canvas);
    if (RemoveWhatHitsHero(canvas)) {
        HeroHit(canvas);
        ended = true;
    } else if (destroyedThisTurn) {
        view.PlayWave(WAVE_DESTROYED, true);
    }
    PlayAndClearExplosions(canvas);
    if (robots.IsEmpty() && !IsHeroBusy()) {
        view.PlayWave(WAVE_LEVEL, true);
        StartLevel(level + 1);
        ended = true;
    }
    view.RefreshStatusBar(false);
    return ended;
}

void CGame::StepRobots()
{
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r) {
        index.RemoveRobot(r->column, r->line);
        r->StepToward(hero.column, hero.line, gridOrigin);
        index.AddRobot(r->column, r->line);
    }
}

// Chains the robots of every cell in list order, so that the resolution below
// visits the robots of a cell in the order a walk of the list would.
void CGame::IndexRobotsByCell()
{
    size_t cells = (size_t)index.Columns() * (size_t)index.Lines();
    if (firstRobotOfCell.size() != cells) {
        firstRobotOfCell.assign(cells, NO_HANDLE);
        lastRobotOfCell.assign(cells, NO_HANDLE);
        cellChainStamp.assign(cells, 0);
        turnStamp = 0;
    }
    if (++turnStamp == 0) {
        cellChainStamp.assign(cells, 0);
        turnStamp = 1;
    }
    nextRobotOnCell.resize((size_t)robots.HandleLimit());
    for (int h = robots.First(); h != NO_HANDLE; h = robots.Next(h)) {
        const CRobot& r = robots[h];
        nextRobotOnCell[h] = NO_HANDLE;
        if (!index.Covers(r.column, r.line))
            continue;
        int cell = index.Cell(r.column, r.line);
        if (cellChainStamp[cell] != turnStamp) {
            cellChainStamp[cell] = turnStamp;
            firstRobotOfCell[cell] = h;
        } else {
            nextRobotOnCell[lastRobotOfCell[cell]] = h;
        }
        lastRobotOfCell[cell] = h;
    }
}

int CGame::FirstRobotOnCell(int column, int line) const
{
    if (index.RobotsOn(column, line) == 0)
        return NO_HANDLE;
    int h = firstRobotOfCell[index.Cell(column, line)];
    while (h != NO_HANDLE && !robots.Contains(h))
        h = nextRobotOnCell[h];
    return h;
}

void CGame::DestroyRobotsOnHeaps(CCanvas* canvas)
{
    for (CPieceList<CHeap>::Iterator heap = heaps.begin(); heap != heaps.end(); ++heap) {
        int h = FirstRobotOnCell(heap->column, heap->line);
        while (h != NO_HANDLE) {
            int next = nextRobotOnCell[h];
            if (robots.Contains(h)) {
                AddScore();
                CCell cell = robots[h].Cell();
                robots[h].Erase(canvas);
                AddExplosion(cell.column, cell.line);
                RemoveRobot(h);
                destroyedThisTurn = true;
            }
            h = next;
        }
    }
}

void CGame::DestroyMeetingRobots(CCanvas* canvas)
{
    int a = robots.First();
    while (a != NO_HANDLE) {
        CCell cell = robots[a].Cell();
        if (index.RobotsOn(cell.column, cell.line) < 2) {
            a = robots.Next(a);
            continue;
        }
        for (int b = FirstRobotOnCell(cell.column, cell.line); b != NO_HANDLE; b = nextRobotOnCell[b]) {
            if (b == a || !robots.Contains(b))
                continue;
            AddScore();
            robots[b].Erase(canvas);
            RemoveRobot(b);
        }
        int heap = AppendHeap(cell.column, cell.line);
        heaps[heap].Draw(canvas);
        AddScore();
        robots[a].Erase(canvas);
        AddExplosion(cell.column, cell.line);
        a = RemoveRobot(a);
        destroyedThisTurn = true;
    }
}

// A robot, or else a heap, on the hero's cell is removed and hits him.
bool CGame::RemoveWhatHitsHero(CCanvas* canvas)
{
    int robot = FirstRobotOnCell(hero.column, hero.line);
    if (robot != NO_HANDLE) {
        robots[robot].Erase(canvas);
        RemoveRobot(robot);
        return true;
    }
    int heap = index.HeapOn(hero.column, hero.line);
    if (heap != NO_HANDLE) {
        heaps[heap].Erase(canvas);
        RemoveHeap(heap);
        return true;
    }
    return false;
}

void CGame::HeroHit(CCanvas* canvas)
{
    hero.Erase(canvas);
    DisableActions(true);
    hero.Draw(canvas);
    if (score > settings.meilleur_score.Get())
        settings.meilleur_score.Set(score);
}

void CGame::PlayAndClearExplosions(CCanvas* canvas)
{
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        index.ClearExplosion(e->column, e->line);
    view.PlayExplosions(canvas, explosions);
    explosions.Clear();
}

// The turn's own clearing of the marks must run here too, or the cell would
// never explode again.
int CGame::ExplodeCell(int column, int line)
{
    if (!AddExplosion(column, line))
        return -1;
    CCanvas* canvas = view.AcquireBoardCanvas();
    PlayAndClearExplosions(canvas);
    view.ReleaseBoardCanvas(canvas);
    return 0;
}

// The robot must be erased already; returns the handle that followed it.
int CGame::RemoveRobot(int handle)
{
    index.RemoveRobot(robots[handle].column, robots[handle].line);
    return robots.Remove(handle);
}

void CGame::RemoveHeap(int handle)
{
    // Heaps are only made where no heap stands, so none other shares the cell.
    index.RemoveHeap(heaps[handle].column, heaps[handle].line, NO_HANDLE);
    heaps.Remove(handle);
}

int CGame::AppendRobot(int column, int line)
{
    SyncBoardIndex();
    int handle = robots.Append(CRobot(column, line, gridOrigin));
    index.AddRobot(column, line);
    return handle;
}

int CGame::AppendHeap(int column, int line)
{
    SyncBoardIndex();
    int handle = heaps.Append(CHeap(column, line, gridOrigin));
    index.AddHeap(column, line, handle);
    return handle;
}
