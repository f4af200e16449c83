// Teleportation and Sonic, the two special actions that change the board
// before the robots take their turn.
#include "core/Game.h"

#include "core/GameView.h"

// The hero's old cell still counts as occupied while the new one is drawn, so
// a teleportation always changes his cell.
void CGame::Teleport(CCanvas* canvas)
{
    CCell cell = RandomFreeCell();
    hero.startX = hero.x;
    hero.startY = hero.y;
    if (cell != NO_CELL) {
        SetHeroCell(cell.column, cell.line);
        CPoint target = PixelOf(cell.column, cell.line);
        hero.targetX = target.x;
        hero.targetY = target.y;
    } else {
        hero.targetX = hero.x;
        hero.targetY = hero.y;
    }
    view.AnimateTeleport(canvas, hero);
    ChargeTeleport();
    ++teleportCount;
}

// Destroys, without points, every robot on the eight cells around the hero.
void CGame::Sonic(CCanvas* canvas)
{
    view.AnimateSonic(canvas, hero);
    ChargeSonic();
    int h = robots.First();
    while (h != NO_HANDLE) {
        CRobot& robot = robots[h];
        int dc = robot.column - hero.column;
        int dl = robot.line - hero.line;
        if (dc < -1 || dc > 1 || dl < -1 || dl > 1) {
            h = robots.Next(h);
            continue;
        }
        robot.Erase(canvas);
        AddExplosion(robot.column, robot.line);
        h = RemoveRobot(h);
    }
    PlayAndClearExplosions(canvas);
    SetSonicUsed(sonicUsedCount + 1);
}
