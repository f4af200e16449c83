// The state of a game in progress and every rule of play: level set-up,
// turns, the special actions, score and death. It reaches the window system
// only through CGameView, so it builds and runs without it.
#ifndef KRELMOT_CORE_GAME_H
#define KRELMOT_CORE_GAME_H

#include <stdint.h>
#include <vector>

#include "core/BoardIndex.h"
#include "core/Cell.h"
#include "core/Piece.h"
#include "core/PieceList.h"
#include "core/Random.h"

class CCanvas;
class CGameView;
struct CSettings;

enum Action {
    ACTION_HELLO = 0,
    ACTION_MOVE = 1,
    ACTION_TELEPORT = 2,
    ACTION_SONIC = 3,
    ACTION_REMAIN = 4,
};

enum Religion {
    RELIGION_ATHEIST = 0,
    RELIGION_CHRISTIAN = 1,
    RELIGION_JEWISH = 2,
    RELIGION_MUSLIM = 3,
    RELIGION_ELSE = 4,
};

const int POINTS_PER_ROBOT = 5;
const int TELEPORT_COST = 3;
const int SONIC_COST = 10;

struct CRobotCounts {
    int base;
    int added;
};

// Default robot numbers for a board of this size.
CRobotCounts DefaultRobotCounts(int columns, int lines);
// Robots of level n: added x n + base, at most 90 % of the cells.
int RobotCountForLevel(int level, int base, int added, int columns, int lines);
// Character image of the dead hero for a religion setting.
int DeadHeroImage(int religion);

class CGame {
public:
    CGame(CSettings& settings, CGameView& view);

    // Board queries.
    int Columns() const;
    int Lines() const;
    bool IsOnBoard(int column, int line) const;
    bool IsCellOccupied(int column, int line);
    CCell RandomCell();
    // NO_CELL when the board has no free cell left.
    CCell RandomFreeCell();
    bool AddExplosion(int column, int line);
    // An explosion outside a turn: it plays on the board at once, and the cell
    // can explode again afterwards. -1 when the cell holds one already.
    int ExplodeCell(int column, int line);

    // Level set-up.
    int StartLevel(int levelNumber);
    int PlacePieces(int robotCount);

    // Turns.
    int PlayTurn(int action, int code);
    int MoveHero(int action, int code);
    bool MoveRobots(CCanvas* canvas);

    // Score, death and the action commands.
    void StoreScore(int value);
    void AddScore();
    void ChargeTeleport();
    void ChargeSonic();
    void SetSonicUsed(int count);
    void DisableActions(bool withSound);
    void EnableActions();
    bool IsHeroBusy() const;

    // Moves the hero's cell (not his image), keeping the cell index in step.
    void SetHeroCell(int column, int line);
    // Pieces put down by hand (debugging, tests), at rest and not drawn.
    int AppendRobot(int column, int line);
    int AppendHeap(int column, int line);
    // What the game believes stands on each cell, for checks against the lists.
    const CBoardIndex& Index() const { return index; }
    // Pixel position of a cell on the screen.
    CPoint PixelOf(int column, int line) const { return PixelFromCell(column, line, gridOrigin); }

    CSettings& settings;
    CGameView& view;
    CRandom random;
    CPoint gridOrigin;  // top-left corner of the grid rectangle in the client area

    int level;
    int score;
    int teleportCount;
    int sonicUsedCount;
    uint32_t levelStartTick;
    bool introActive;

    // Read freely; cells change only through the operations above.
    CHero hero;
    CPieceList<CRobot> robots;
    CPieceList<CHeap> heaps;
    CPieceList<CExplosion> explosions;
    CDirectionMarker marker;

private:
    void SyncBoardIndex();
    void DrawAllPieces(CCanvas* canvas);
    void Teleport(CCanvas* canvas);
    void Sonic(CCanvas* canvas);
    void PlayAndClearExplosions(CCanvas* canvas);

    // Robot turn steps.
    void StepRobots();
    void IndexRobotsByCell();
    int FirstRobotOnCell(int column, int line) const;
    void DestroyRobotsOnHeaps(CCanvas* canvas);
    void DestroyMeetingRobots(CCanvas* canvas);
    bool RemoveWhatHitsHero(CCanvas* canvas);
    void HeroHit(CCanvas* canvas);
    int RemoveRobot(int handle);
    void RemoveHeap(int handle);

    CBoardIndex index;
    // Robots sharing a cell after the steps of a turn, chained in list order.
    std::vector<int> firstRobotOfCell;
    std::vector<int> lastRobotOfCell;
    std::vector<uint32_t> cellChainStamp;
    std::vector<int> nextRobotOnCell;
    uint32_t turnStamp;
    bool destroyedThisTurn;
};

#endif
