// A recording stand-in for the window system: it logs what the game asks for,
// keeps a model of the screen made of exclusive-or'ed images, and plays every
// animation at once.
#ifndef KRELMOT_TESTS_CORE_FAKEVIEW_H
#define KRELMOT_TESTS_CORE_FAKEVIEW_H

#include <map>
#include <string>
#include <vector>

#include "core/Canvas.h"
#include "core/GameView.h"

struct CScreenImage {
    int x, y, size, set, index;
    bool operator<(const CScreenImage& o) const;
};

class CRecordingCanvas : public CCanvas {
public:
    CRecordingCanvas() : penWidth(0), pensOpen(0), clips(0), log(0), visible(true) {}
    void XorImage(const CPiece& piece);
    bool IsRectVisible(int, int, int, int) { return visible; }
    void BeginXorPen(int width);
    void XorRectangle(int left, int top, int right, int bottom);
    void EndXorPen();
    bool ClipTo(int left, int top, int right, int bottom);
    void RemoveClip();

    // Images that are on the screen an odd number of times.
    std::vector<CScreenImage> Shown() const;

    std::map<CScreenImage, int> layers;
    // Outlines on the screen, by rectangle and pen width, an odd count meaning shown.
    std::map<std::vector<int>, int> outlines;
    std::vector<std::vector<int> > outlineLog;
    int penWidth;
    int pensOpen;
    int clips;
    std::vector<std::string>* log;
    bool visible;
};

class CFakeView : public CGameView {
public:
    CFakeView();

    CCanvas* AcquireBoardCanvas();
    void ReleaseBoardCanvas(CCanvas* canvas);
    uint32_t TickCount()
    {
        uint32_t now = tick;
        tick += tickStep;
        return now;
    }
    void InvalidateBoard();
    void GlidePieces(CCanvas* canvas, CPieceList<CRobot>& robots, CHero* hero, int duration);
    void AnimateTeleport(CCanvas* canvas, CHero& hero);
    void AnimateSonic(CCanvas* canvas, CHero& hero);
    void AnimateHello(CCanvas* canvas, const CPiece& piece);
    int PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& explosions);
    bool PlayWave(int resourceId, bool async);
    void RefusalFeedback();
    void HideDirectionMarker(CCanvas* canvas);
    void RefreshDirectionMarker(CCanvas* canvas);
    void RefreshStatusBar(bool force);
    void EnableActionCommands(bool enabled);
    void EnableSonicCommand(bool enabled);

    // Events whose text starts with the prefix, in order.
    std::vector<std::string> Events(const std::string& prefix) const;
    int Count(const std::string& prefix) const { return (int)Events(prefix).size(); }
    void Clear() { log.clear(); }

    std::vector<std::string> log;
    CRecordingCanvas canvas;
    bool logDrawing;  // log every exclusive-or transfer too
    uint32_t tick;
    uint32_t tickStep;  // how far the clock moves at each reading
    bool repaintPending;
    bool actionsEnabled;
    bool sonicEnabled;
    int canvasesHeld;
    CPoint origin;  // grid origin, for the Sonic's snap to the hero's cell
};

// A game's board as the Windows repaint leaves it: the screen is cleared and
// every robot, heap and the hero drawn once.
template <class Game>
void Repaint(Game& game, CFakeView& view)
{
    view.canvas.layers.clear();
    for (auto& r : game.robots)
        r.drawn = false;
    for (auto& h : game.heaps)
        h.drawn = false;
    game.hero.drawn = false;
    for (auto& r : game.robots)
        r.Draw(&view.canvas);
    for (auto& h : game.heaps)
        h.Draw(&view.canvas);
    game.hero.Draw(&view.canvas);
    view.repaintPending = false;
}

// What the screen should show: every piece whose drawn flag is set.
template <class Game>
std::vector<CScreenImage> ExpectedScreen(Game& game)
{
    CRecordingCanvas expected;
    for (auto& r : game.robots)
        if (r.drawn)
            expected.XorImage(r);
    for (auto& h : game.heaps)
        if (h.drawn)
            expected.XorImage(h);
    if (game.hero.drawn)
        expected.XorImage(game.hero);
    return expected.Shown();
}

#endif
