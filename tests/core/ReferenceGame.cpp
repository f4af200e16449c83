#include "tests/core/ReferenceGame.h"

CReferenceGame::CReferenceGame(CSettings& settings_, CGameView& view_)
    : settings(settings_), view(view_), level(0), score(0), teleportCount(0), sonicUsedCount(0), levelStartTick(0),
      introActive(false)
{
    gridOrigin.x = gridOrigin.y = 0;
}

bool CReferenceGame::IsCellOccupied(int column, int line) const
{
    if (hero.column == column && hero.line == line)
        return true;
    for (CPieceList<CRobot>::ConstIterator r = robots.begin(); r != robots.end(); ++r)
        if (r->column == column && r->line == line)
            return true;
    for (CPieceList<CHeap>::ConstIterator h = heaps.begin(); h != heaps.end(); ++h)
        if (h->column == column && h->line == line)
            return true;
    return false;
}

CCell CReferenceGame::RandomCell()
{
    CCell cell;
    cell.column = random.Next() % Columns();
    cell.line = random.Next() % Lines();
    return cell;
}

CCell CReferenceGame::RandomFreeCell()
{
    for (;;) {
        CCell cell = RandomCell();
        if (!IsCellOccupied(cell.column, cell.line))
            return cell;
    }
}

bool CReferenceGame::AddExplosion(int column, int line)
{
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        if (e->column == column && e->line == line)
            return false;
    explosions.Append(CExplosion(column, line, gridOrigin));
    return true;
}

int CReferenceGame::StartLevel(int levelNumber)
{
    if (levelNumber == 1)
        StoreScore(0);
    introActive = false;
    EnableActions();
    SetSonicUsed(0);
    teleportCount = 0;
    level = levelNumber;
    int cap = (int)((double)(Columns() * Lines()) * 0.9);
    int wanted = settings.nb_robot_incr.Get() * level + settings.nb_robot_base.Get();
    PlacePieces(wanted < cap ? wanted : cap);
    view.RefreshDirectionMarker(0);
    levelStartTick = view.TickCount();
    view.RefreshStatusBar(false);
    view.InvalidateBoard();
    return 0;
}

int CReferenceGame::PlacePieces(int robotCount)
{
    robots.Clear();
    heaps.Clear();
    if (!IsHeroBusy()) {
        CCell cell = RandomFreeCell();
        hero = CHero(cell.column, cell.line, gridOrigin);
    }
    for (int i = 0; i < robotCount; ++i) {
        CCell cell = RandomFreeCell();
        robots.Append(CRobot(cell.column, cell.line, gridOrigin));
    }
    return 0;
}

int CReferenceGame::PlayTurn(int action, int code)
{
    if (MoveHero(action, code) != 0) {
        view.RefusalFeedback();
        return -1;
    }
    CCanvas* canvas = view.AcquireBoardCanvas();
    view.HideDirectionMarker(canvas);
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        r->Draw(canvas);
    for (CPieceList<CHeap>::Iterator h = heaps.begin(); h != heaps.end(); ++h)
        h->Draw(canvas);
    hero.Draw(canvas);
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

int CReferenceGame::MoveHero(int action, int code)
{
    if (IsHeroBusy())
        return -1;
    if (action == ACTION_MOVE && code == -1)
        return -1;
    if (action == ACTION_SONIC && sonicUsedCount > 0)
        return -1;
    hero.startX = hero.x;
    hero.startY = hero.y;
    if (code == 4) {
        hero.targetX = hero.x;
        hero.targetY = hero.y;
        return 0;
    }
    int column = hero.column + code % 3 - 1;
    int line = hero.line + code / 3 - 1;
    if (column < 0 || column >= Columns() || line < 0 || line >= Lines())
        return -1;
    hero.column = column;
    hero.line = line;
    CPoint target = Pixel(column, line);
    hero.targetX = target.x;
    hero.targetY = target.y;
    return 0;
}

bool CReferenceGame::MoveRobots(CCanvas* canvas)
{
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        r->StepToward(hero.column, hero.line, gridOrigin);
    view.GlidePieces(canvas, robots, &hero, settings.temps_move.Get());

    bool ended = false;
    bool destroyed = false;
    for (CPieceList<CHeap>::Iterator heap = heaps.begin(); heap != heaps.end(); ++heap) {
        int r = robots.First();
        while (r != NO_HANDLE) {
            if (robots[r].column != heap->column || robots[r].line != heap->line) {
                r = robots.Next(r);
                continue;
            }
            StoreScore(score + 5);
            robots[r].Erase(canvas);
            AddExplosion(robots[r].column, robots[r].line);
            r = robots.Remove(r);
            destroyed = true;
        }
    }
    int a = robots.First();
    while (a != NO_HANDLE) {
        bool collided = false;
        int b = robots.First();
        while (b != NO_HANDLE) {
            if (b == a || robots[b].column != robots[a].column || robots[b].line != robots[a].line) {
                b = robots.Next(b);
                continue;
            }
            collided = true;
            StoreScore(score + 5);
            robots[b].Erase(canvas);
            b = robots.Remove(b);
            destroyed = true;
        }
        if (!collided) {
            a = robots.Next(a);
            continue;
        }
        int heap = heaps.Append(CHeap(robots[a].column, robots[a].line, gridOrigin));
        heaps[heap].Draw(canvas);
        StoreScore(score + 5);
        robots[a].Erase(canvas);
        AddExplosion(robots[a].column, robots[a].line);
        a = robots.Remove(a);
        destroyed = true;
    }
    bool hit = false;
    for (int r = robots.First(); r != NO_HANDLE && !hit; r = robots.Next(r))
        if (robots[r].column == hero.column && robots[r].line == hero.line) {
            robots[r].Erase(canvas);
            robots.Remove(r);
            hit = true;
        }
    for (int h = heaps.First(); h != NO_HANDLE && !hit; h = heaps.Next(h))
        if (heaps[h].column == hero.column && heaps[h].line == hero.line) {
            heaps[h].Erase(canvas);
            heaps.Remove(h);
            hit = true;
        }
    if (!hit && destroyed)
        view.PlayWave(WAVE_DESTROYED, true);
    if (hit) {
        hero.Erase(canvas);
        DisableActions(true);
        hero.Draw(canvas);
        ended = true;
        if (score > settings.meilleur_score.Get())
            settings.meilleur_score.Set(score);
    }
    view.PlayExplosions(canvas, explosions);
    if (robots.IsEmpty() && !IsHeroBusy()) {
        view.PlayWave(WAVE_LEVEL, true);
        ++level;
        StartLevel(level);
        ended = true;
    }
    view.RefreshStatusBar(false);
    return ended;
}

void CReferenceGame::Teleport(CCanvas* canvas)
{
    CCell cell = RandomFreeCell();
    hero.startX = hero.x;
    hero.startY = hero.y;
    hero.column = cell.column;
    hero.line = cell.line;
    CPoint target = Pixel(cell.column, cell.line);
    hero.targetX = target.x;
    hero.targetY = target.y;
    view.AnimateTeleport(canvas, hero);
    StoreScore(score - 3 < 1 ? 0 : score - 3);
    ++teleportCount;
}

void CReferenceGame::Sonic(CCanvas* canvas)
{
    view.AnimateSonic(canvas, hero);
    StoreScore(score - 10 < 1 ? 0 : score - 10);
    int r = robots.First();
    while (r != NO_HANDLE) {
        CRobot& robot = robots[r];
        if (robot.column - hero.column > 1 || hero.column - robot.column > 1 || robot.line - hero.line > 1 ||
            hero.line - robot.line > 1) {
            r = robots.Next(r);
            continue;
        }
        robot.Erase(canvas);
        AddExplosion(robot.column, robot.line);
        r = robots.Remove(r);
    }
    view.PlayExplosions(canvas, explosions);
    SetSonicUsed(sonicUsedCount + 1);
}

void CReferenceGame::StoreScore(int value) { score = settings.immortalite.Get() ? 0 : value; }

void CReferenceGame::DisableActions(bool withSound)
{
    if (settings.immortalite.Get())
        return;
    if (withSound)
        view.PlayWave(WAVE_DEATH, true);
    view.EnableActionCommands(false);
    hero.dead = true;
    int religion = settings.religion.Get();
    hero.imageIndex = religion >= 0 && religion <= 3 ? 3 + religion : 7;
}

void CReferenceGame::EnableActions()
{
    hero.dead = false;
    view.EnableActionCommands(true);
    hero.imageIndex = 0;
}

void CReferenceGame::SetSonicUsed(int count)
{
    sonicUsedCount = count;
    view.EnableSonicCommand(count == 0);
}
