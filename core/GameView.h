// Everything the game asks of the window system: drawing surfaces, the
// animations, the sounds, the direction marker, the status bar, the greying of
// the action commands, the clock and the board repaint. The Windows program
// implements it; tests record it.
#ifndef KRELMOT_CORE_GAMEVIEW_H
#define KRELMOT_CORE_GAMEVIEW_H

#include <stdint.h>

#include "core/Piece.h"
#include "core/PieceList.h"

class CCanvas;

// Sound resources.
const int WAVE_TELEPORT = 196;
const int WAVE_SONIC = 200;
const int WAVE_HELLO = 201;
const int WAVE_DEATH = 202;
const int WAVE_REFUSED = 203;
const int WAVE_LEVEL = 206;
const int WAVE_DESTROYED = 207;
const int WAVE_THANKS = 238;

class CGameView {
public:
    // The main window's own surface, for the length of one turn or animation.
    virtual CCanvas* AcquireBoardCanvas() = 0;
    virtual void ReleaseBoardCanvas(CCanvas* canvas) = 0;

    virtual uint32_t TickCount() = 0;
    // Asks for a repaint of the whole board, background included.
    virtual void InvalidateBoard() = 0;

    // Every robot (list order), then the hero when given, glides from its glide
    // start to its glide end over the duration; each ends drawn at its end.
    virtual void GlidePieces(CCanvas* canvas, CPieceList<CRobot>& robots, CHero* hero, int duration) = 0;
    // The hero swells on his old pixel position, flies to his glide end and
    // shrinks back to 16 pixels there; his cell is already the new one.
    virtual void AnimateTeleport(CCanvas* canvas, CHero& hero) = 0;
    // The rings around the hero; leaves him drawn at rest on his cell.
    virtual void AnimateSonic(CCanvas* canvas, CHero& hero) = 0;
    // canvas may be null: the view then takes the window's own surface.
    virtual void AnimateHello(CCanvas* canvas, const CPiece& piece) = 0;
    // Plays the frames of every explosion and empties the list; -1 when empty.
    virtual int PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& explosions) = 0;

    virtual bool PlayWave(int resourceId, bool async) = 0;
    virtual void RefusalFeedback() = 0;

    // canvas may be null: the view then takes the window's own surface.
    virtual void HideDirectionMarker(CCanvas* canvas) = 0;
    virtual void RefreshDirectionMarker(CCanvas* canvas) = 0;
    virtual void RefreshStatusBar(bool force) = 0;

    // Teleportation, Sonic, Remain and Hello, in the menu and on the toolbar.
    virtual void EnableActionCommands(bool enabled) = 0;
    virtual void EnableSonicCommand(bool enabled) = 0;

protected:
    ~CGameView() {}
};

#endif
