// The rules of play written the plain way: every cell test walks the hero and
// the lists, robots meet by a double loop. Slow, obviously right, and the
// yardstick the indexed game is held to.
#ifndef KRELMOT_TESTS_CORE_REFERENCEGAME_H
#define KRELMOT_TESTS_CORE_REFERENCEGAME_H

#include "core/Game.h"
#include "core/GameView.h"
#include "settings/Settings.h"

class CReferenceGame {
public:
    CReferenceGame(CSettings& settings, CGameView& view) : settings(settings), view(view) {}

    int StartLevel(int levelNumber);
    int PlacePieces(int robotCount);
    int PlayTurn(int action, int code);

    CSettings& settings;
    CGameView& view;
    CRandom random;
    CPoint gridOrigin = {0, 0};
    int level = 0, score = 0, teleportCount = 0, sonicUsedCount = 0;
    uint32_t levelStartTick = 0;
    bool introActive = false;
    CHero hero;
    CPieceList<CRobot> robots;
    CPieceList<CHeap> heaps;
    CPieceList<CExplosion> explosions;

private:
    CCell RandomFreeCell();
    // The hero's cell and the end of his glide.
    void Aim(CCell cell)
    {
        hero.column = cell.column;
        hero.line = cell.line;
        hero.targetX = PixelFromCell(cell.column, cell.line, gridOrigin).x;
        hero.targetY = PixelFromCell(cell.column, cell.line, gridOrigin).y;
    }
    bool MoveRobots(CCanvas* canvas);
    int Remove(CCanvas* canvas, int robot, int points, bool explode);
    void StoreScore(int value) { score = settings.immortalite.Get() ? 0 : value; }
    void Charge(int cost) { StoreScore(score - cost < 1 ? 0 : score - cost); }
    void SetSonicUsed(int count) { sonicUsedCount = count; view.EnableSonicCommand(count == 0); }
};

#endif
