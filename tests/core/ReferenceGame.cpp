#include "tests/core/ReferenceGame.h"

#include <stdlib.h>

#include <vector>

#include "tests/core/FakeView.h"

// Draws cells until a free one comes up; none, without a draw, when the board has no free cell.
CCell CReferenceGame::RandomFreeCell()
{
    int columns = settings.largeur.Get(), lines = settings.hauteur.Get();
    std::vector<char> taken(columns > 0 && lines > 0 ? columns * lines : 0, 0);
    int free = (int)taken.size();
    for (const CPiece* p : Pieces(*this))
        if (p->column >= 0 && p->column < columns && p->line >= 0 && p->line < lines &&
            !taken[p->line * columns + p->column]++)
            --free;
    while (free > 0) {
        CCell cell = {random.Next() % columns, random.Next() % lines};
        if (!taken[cell.line * columns + cell.column]) return cell;
    }
    return NO_CELL;
}

int CReferenceGame::StartLevel(int levelNumber)
{
    if (levelNumber == 1) StoreScore(0);
    introActive = hero.dead = false;
    view.EnableActionCommands(true);
    hero.imageIndex = 0;
    SetSonicUsed(0);
    teleportCount = 0;
    level = levelNumber;
    int cap = (int)(settings.largeur.Get() * settings.hauteur.Get() * 0.9);
    long long wanted = (long long)settings.nb_robot_incr.Get() * level + settings.nb_robot_base.Get();
    PlacePieces(wanted < cap ? (int)wanted : cap);
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
    if (!hero.dead && !introActive) {
        CCell cell = RandomFreeCell();
        cell = cell == NO_CELL ? hero.Cell() : cell;
        hero = CHero(cell.column, cell.line, gridOrigin);
    }
    CCell cell;
    for (int i = 0; i < robotCount && (cell = RandomFreeCell()) != NO_CELL; ++i)
        robots.Append(CRobot(cell.column, cell.line, gridOrigin));
    return 0;
}

int CReferenceGame::PlayTurn(int action, int code)
{
    bool refused = hero.dead || introActive || action < ACTION_HELLO || action > ACTION_REMAIN || code < 0 ||
                   code > 8 || (action == ACTION_SONIC && sonicUsedCount > 0);
    int column = hero.column + code % 3 - 1, line = hero.line + code / 3 - 1;
    if (!refused) {
        hero.startX = hero.x;
        hero.startY = hero.y;
        refused = code != 4 && (column < 0 || column >= settings.largeur.Get() || line < 0 ||
                                line >= settings.hauteur.Get());
    }
    if (refused) {
        view.RefusalFeedback();
        return -1;
    }
    hero.targetX = hero.x;
    hero.targetY = hero.y;
    if (code != 4) Aim({column, line});
    CCanvas* canvas = view.AcquireBoardCanvas();
    view.HideDirectionMarker(canvas);
    for (CPiece* p : Pieces(*this)) p->Draw(canvas);
    if (action == ACTION_HELLO) view.AnimateHello(canvas, hero);
    if (action == ACTION_TELEPORT) {
        CCell cell = RandomFreeCell();
        hero.startX = hero.targetX = hero.x;
        hero.startY = hero.targetY = hero.y;
        if (cell != NO_CELL) Aim(cell);
        view.AnimateTeleport(canvas, hero);
        Charge(3);
        ++teleportCount;
    }
    if (action == ACTION_SONIC) {
        view.AnimateSonic(canvas, hero);
        Charge(10);
        for (int r = robots.First(); r != NO_HANDLE;)
            r = abs(robots[r].column - hero.column) <= 1 && abs(robots[r].line - hero.line) <= 1
                    ? Remove(canvas, r, 0, true)
                    : robots.Next(r);
        view.PlayExplosions(canvas, explosions);
        explosions.Clear();
        SetSonicUsed(sonicUsedCount + 1);
    }
    if (action != ACTION_HELLO)
        while (!MoveRobots(canvas) && action == ACTION_REMAIN) {
        }
    view.RefreshDirectionMarker(0);
    view.ReleaseBoardCanvas(canvas);
    return 0;
}

// Erases a robot and removes it, for points and leaving an explosion on its
// cell if asked; the handle that followed it.
int CReferenceGame::Remove(CCanvas* canvas, int robot, int points, bool explode)
{
    StoreScore(score + points);
    CCell cell = robots[robot].Cell();
    robots[robot].Erase(canvas);
    for (auto& e : explosions) explode &= e.Cell() != cell;
    if (explode) explosions.Append(CExplosion(cell.column, cell.line, gridOrigin));
    return robots.Remove(robot);
}

bool CReferenceGame::MoveRobots(CCanvas* canvas)
{
    for (auto& r : robots) r.StepToward(hero.column, hero.line, gridOrigin);
    view.GlidePieces(canvas, robots, &hero, settings.temps_move.Get());
    int before = robots.Count();
    for (auto& heap : heaps)
        for (int r = robots.First(); r != NO_HANDLE;)
            r = robots[r].Cell() == heap.Cell() ? Remove(canvas, r, 5, true) : robots.Next(r);
    for (int a = robots.First(); a != NO_HANDLE;) {
        int others = robots.Count();
        for (int b = robots.First(); b != NO_HANDLE;)
            b = b != a && robots[b].Cell() == robots[a].Cell() ? Remove(canvas, b, 5, false) : robots.Next(b);
        if (robots.Count() == others) {
            a = robots.Next(a);
            continue;
        }
        heaps[heaps.Append(CHeap(robots[a].column, robots[a].line, gridOrigin))].Draw(canvas);
        a = Remove(canvas, a, 5, true);
    }
    bool destroyed = robots.Count() < before, hit = false;
    for (int r = robots.First(); r != NO_HANDLE && !hit; r = robots.Next(r))
        if ((hit = robots[r].Cell() == hero.Cell())) Remove(canvas, r, 0, false);
    for (int h = heaps.First(); h != NO_HANDLE && !hit; h = heaps.Next(h))
        if ((hit = heaps[h].Cell() == hero.Cell())) {
            heaps[h].Erase(canvas);
            heaps.Remove(h);
        }
    if (hit) {
        hero.Erase(canvas);
        if (!settings.immortalite.Get()) {
            view.PlayWave(202, true);  // death
            view.EnableActionCommands(false);
            hero.dead = true;
            int religion = settings.religion.Get();
            hero.imageIndex = religion >= 0 && religion <= 3 ? 3 + religion : 7;
        }
        hero.Draw(canvas);
        if (score > settings.meilleur_score.Get()) settings.meilleur_score.Set(score);
    } else if (destroyed) {
        view.PlayWave(207, true);  // robots destroyed
    }
    view.PlayExplosions(canvas, explosions);
    explosions.Clear();
    bool cleared = robots.IsEmpty() && !hero.dead && !introActive;
    if (cleared) {
        view.PlayWave(206, true);  // next level
        StartLevel(level + 1);
    }
    view.RefreshStatusBar(false);
    return hit || cleared;
}
