// A recording stand-in for the window system: it logs what the game asks for
// and every exclusive-or transfer, and plays every animation at once.
#ifndef KRELMOT_TESTS_CORE_FAKEVIEW_H
#define KRELMOT_TESTS_CORE_FAKEVIEW_H

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/GameView.h"

inline std::string Pair(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

// What an exclusive-or drawing leaves on the screen: whatever was drawn an odd number of times.
template <class T>
std::vector<T> Odd(const std::vector<T>& transfers)
{
    std::map<T, int> times;
    for (auto& t : transfers) times[t] ^= 1;
    std::vector<T> odd;
    for (auto& t : times) if (t.second) odd.push_back(t.first);
    return odd;
}

typedef std::array<int, 5> CScreenImage;  // x, y, size, image set, image index

class CRecordingCanvas : public CCanvas {
public:
    void XorImage(const CPiece& p) { transfers.push_back({{p.x, p.y, p.size, p.GetImage().set, p.GetImage().index}}); }
    bool IsRectVisible(int, int, int, int) { return true; }
    void BeginXorPen(int width) { penWidth = width; ++pensOpen; }
    void XorRectangle(int l, int t, int r, int b) { outlines.push_back({l, t, r, b, penWidth}); }
    void EndXorPen() { --pensOpen; }
    bool ClipTo(int, int, int, int) { ++clips; return true; }
    void RemoveClip() { --clips; }

    std::vector<CScreenImage> transfers;
    std::vector<std::vector<int> > outlines;  // rectangle and pen width
    int penWidth = 0, pensOpen = 0, clips = 0;
};

// The animations only log themselves: the robots' glide moves every piece to its glide end.
class CFakeView : public CGameView {
public:
    CCanvas* AcquireBoardCanvas() { Log("acquire"); return &canvas; }
    void ReleaseBoardCanvas(CCanvas*) { Log("release"); }
    uint32_t TickCount() { return (tick += tickStep) - tickStep; }
    void InvalidateBoard() { Log("invalidate"); }
    void GlidePieces(CCanvas* c, CPieceList<CRobot>& robots, CHero* hero, int duration)
    {
        Log("glide " + std::to_string(duration));
        for (auto& r : robots) Move(r, c);
        if (hero) Move(*hero, c);
    }
    void AnimateTeleport(CCanvas*, CHero&) { Log("teleport"); }
    void AnimateSonic(CCanvas*, CHero&) { Log("sonic"); }
    void AnimateHello(CCanvas*, const CPiece& piece) { Log("hello " + Pair(piece.x, piece.y)); }
    int PlayExplosions(CCanvas*, CPieceList<CExplosion>& explosions)
    {
        if (explosions.IsEmpty()) return -1;
        std::string text = "explosions";
        for (auto& e : explosions) text += " " + Pair(e.column, e.line);
        explosions.Clear();
        Log(text);
        return 0;
    }
    bool PlayWave(int id, bool async) { Log("wave " + std::to_string(id) + (async ? "" : " sync")); return true; }
    void RefusalFeedback() { Log("refused"); }
    void HideDirectionMarker(CCanvas*) { Log("hide-marker"); }
    void RefreshDirectionMarker(CCanvas*) { Log("refresh-marker"); }
    void RefreshStatusBar(bool force) { Log(force ? "status forced" : "status"); }
    void EnableActionCommands(bool enabled) { Log(enabled ? "actions on" : "actions off"); }
    void EnableSonicCommand(bool enabled) { Log(enabled ? "sonic on" : "sonic off"); }

    void Log(const std::string& event) { log.push_back(event); }

    std::vector<std::string> log;
    CRecordingCanvas canvas;
    uint32_t tick = 1000, tickStep = 0;  // the clock, and how far it moves at each reading

private:
    static void Move(CPiece& piece, CCanvas* canvas)
    {
        if (piece.x == piece.targetX && piece.y == piece.targetY) return;
        piece.Erase(canvas);
        piece.x = piece.targetX;
        piece.y = piece.targetY;
        piece.Draw(canvas);
    }
};

// Every robot, every heap and the hero, in the order a repaint draws them.
template <class Game>
std::vector<CPiece*> Pieces(Game& game)
{
    std::vector<CPiece*> pieces;
    for (auto& r : game.robots) pieces.push_back(&r);
    for (auto& h : game.heaps) pieces.push_back(&h);
    pieces.push_back(&game.hero);
    return pieces;
}

// Whether the canvas shows exactly the pieces whose drawn flag is set, and no outline, pen or clipping.
inline bool ShowsExactly(const CRecordingCanvas& canvas, const std::vector<CPiece*>& pieces)
{
    CRecordingCanvas expected;
    for (CPiece* p : pieces) if (p->drawn) expected.XorImage(*p);
    return Odd(expected.transfers) == Odd(canvas.transfers) && Odd(canvas.outlines).empty() && !canvas.pensOpen &&
           !canvas.clips;
}

// Cell, position, glide start and end, drawn flag, image and size of a piece.
inline std::string PieceText(const CPiece& p)
{
    return Pair(p.column, p.line) + " @" + Pair(p.x, p.y) + " " + Pair(p.startX, p.startY) + ">" +
           Pair(p.targetX, p.targetY) + (p.drawn ? " d" : " -") + Pair(p.imageIndex, p.size);
}

#endif
