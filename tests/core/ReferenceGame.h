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
    CReferenceGame(CSettings& settings, CGameView& view);

    bool IsCellOccupied(int column, int line) const;
    CCell RandomCell();
    CCell RandomFreeCell();
    bool AddExplosion(int column, int line);
    int StartLevel(int levelNumber);
    int PlacePieces(int robotCount);
    int PlayTurn(int action, int code);
    int MoveHero(int action, int code);
    bool MoveRobots(CCanvas* canvas);
    void StoreScore(int value);
    void DisableActions(bool withSound);
    void EnableActions();
    void SetSonicUsed(int count);
    bool IsHeroBusy() const { return hero.dead || introActive; }

    CSettings& settings;
    CGameView& view;
    CRandom random;
    CPoint gridOrigin;
    int level;
    int score;
    int teleportCount;
    int sonicUsedCount;
    uint32_t levelStartTick;
    bool introActive;
    CHero hero;
    CPieceList<CRobot> robots;
    CPieceList<CHeap> heaps;
    CPieceList<CExplosion> explosions;

private:
    int Columns() const { return settings.largeur.Get(); }
    int Lines() const { return settings.hauteur.Get(); }
    CPoint Pixel(int column, int line) const { return PixelFromCell(column, line, gridOrigin); }
    void Teleport(CCanvas* canvas);
    void Sonic(CCanvas* canvas);
};

#endif
