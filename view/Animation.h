// The timed effects of a turn: glides, teleportation, Sonic rings, hello
// squares and explosions. Each runs to its end inside the call that starts
// it, recomputing from the tick count rather than stepping at a fixed rate,
// and removes every figure it drew.
#ifndef KRELMOT_VIEW_ANIMATION_H
#define KRELMOT_VIEW_ANIMATION_H

#include <stdint.h>

#include "core/Cell.h"
#include "core/Piece.h"
#include "core/PieceList.h"

class CCanvas;
class CGameView;
struct CSettings;

struct CGridRect {
    int left, top, right, bottom;
};

class CAnimator {
public:
    // origin is the game's own grid origin, read at every animation, so that
    // the grid has one place whatever stands above it.
    CAnimator(CGameView& view, const CSettings& settings, const CPoint& origin);

    // One step of one piece's glide: 1 while it has not reached its glide end.
    int Glide(CPiece& piece, CCanvas* canvas, int duration);
    void GlidePieces(CCanvas* canvas, CPieceList<CRobot>& robots, CHero* hero, int duration);
    void AnimateTeleport(CCanvas* canvas, CHero& hero);
    void AnimateSonic(CCanvas* canvas, CHero& hero);
    void AnimateHello(CCanvas* canvas, const CPiece& piece);
    int PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& explosions);

    // The square of the Sonic's step k and of the hello's step k around a
    // pixel position, clamped to the grid.
    CGridRect SonicSquare(int x, int y, int k) const;
    CGridRect HelloSquare(int x, int y, int k) const;

    uint32_t Elapsed() { return Now() - animationTick; }

    // The board's rectangle: the origin and the size in the settings.
    CGridRect Grid() const;

    CGameView& view;
    const CSettings& settings;
    const CPoint& origin;
    uint32_t animationTick;

private:
    uint32_t Now();
    void StartClock() { animationTick = Now(); }
    // Spins until more than (or, for the explosions, at least) the interval has passed.
    void WaitBeyond(int interval);
    void WaitAtLeast(int interval);
    void Resize(CHero& hero, CCanvas* canvas, int size);
    CGridRect Clamp(CGridRect r) const;
    void Ring(CCanvas* canvas, CGridRect r) const;
    typedef CGridRect (CAnimator::*SquareOf)(int x, int y, int k) const;
    void StepRings(CCanvas* canvas, CPoint at, int interval, int first, int last, SquareOf square);
};

#endif
