#include "tests/core/FakeView.h"

#include <sstream>

bool CScreenImage::operator<(const CScreenImage& o) const
{
    if (x != o.x)
        return x < o.x;
    if (y != o.y)
        return y < o.y;
    if (size != o.size)
        return size < o.size;
    if (set != o.set)
        return set < o.set;
    return index < o.index;
}

void CRecordingCanvas::XorImage(const CPiece& piece)
{
    CImageRef image = piece.GetImage();
    CScreenImage key = {piece.x, piece.y, piece.size, (int)image.set, image.index};
    layers[key] ^= 1;
    if (log) {
        std::ostringstream text;
        text << "xor " << image.set << ":" << image.index << " " << piece.x << "," << piece.y << " " << piece.size;
        log->push_back(text.str());
    }
}

void CRecordingCanvas::BeginXorPen(int width)
{
    penWidth = width;
    ++pensOpen;
}

void CRecordingCanvas::XorRectangle(int left, int top, int right, int bottom)
{
    std::vector<int> key = {left, top, right, bottom, penWidth};
    outlines[key] ^= 1;
    outlineLog.push_back(key);
}

void CRecordingCanvas::EndXorPen() { --pensOpen; }

bool CRecordingCanvas::ClipTo(int, int, int, int)
{
    ++clips;
    return true;
}

void CRecordingCanvas::RemoveClip() { --clips; }

std::vector<CScreenImage> CRecordingCanvas::Shown() const
{
    std::vector<CScreenImage> shown;
    for (std::map<CScreenImage, int>::const_iterator i = layers.begin(); i != layers.end(); ++i)
        if (i->second)
            shown.push_back(i->first);
    return shown;
}

CFakeView::CFakeView()
    : logDrawing(false), tick(1000), tickStep(0), repaintPending(false), actionsEnabled(true), sonicEnabled(true),
      canvasesHeld(0)
{
    origin.x = 0;
    origin.y = 0;
}

CCanvas* CFakeView::AcquireBoardCanvas()
{
    ++canvasesHeld;
    canvas.log = logDrawing ? &log : 0;
    return &canvas;
}

void CFakeView::ReleaseBoardCanvas(CCanvas*) { --canvasesHeld; }

void CFakeView::InvalidateBoard()
{
    log.push_back("invalidate");
    repaintPending = true;
}

namespace {

void MovePiece(CPiece& piece, CCanvas* canvas, int x, int y)
{
    if (piece.x == x && piece.y == y)
        return;
    piece.Erase(canvas);
    piece.x = x;
    piece.y = y;
    piece.Draw(canvas);
}

}

void CFakeView::GlidePieces(CCanvas* c, CPieceList<CRobot>& robots, CHero* hero, int duration)
{
    std::ostringstream text;
    text << "glide " << duration;
    log.push_back(text.str());
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
        MovePiece(*r, c, r->targetX, r->targetY);
    if (hero)
        MovePiece(*hero, c, hero->targetX, hero->targetY);
}

void CFakeView::AnimateTeleport(CCanvas* c, CHero& hero)
{
    log.push_back("teleport-animation");
    MovePiece(hero, c, hero.targetX, hero.targetY);
}

void CFakeView::AnimateSonic(CCanvas* c, CHero& hero)
{
    log.push_back("sonic-animation");
    CPoint p = PixelFromCell(hero.column, hero.line, origin);
    hero.startX = hero.targetX = p.x;
    hero.startY = hero.targetY = p.y;
    MovePiece(hero, c, p.x, p.y);
}

void CFakeView::AnimateHello(CCanvas*, const CPiece& piece)
{
    std::ostringstream text;
    text << "hello " << piece.x << "," << piece.y;
    log.push_back(text.str());
}

int CFakeView::PlayExplosions(CCanvas* c, CPieceList<CExplosion>& explosions)
{
    if (explosions.IsEmpty())
        return -1;
    std::ostringstream text;
    text << "explosions";
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e) {
        text << " " << e->column << "," << e->line;
        e->Draw(c);
    }
    log.push_back(text.str());
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        e->Erase(c);
    explosions.Clear();
    return 0;
}

bool CFakeView::PlayWave(int resourceId, bool async)
{
    std::ostringstream text;
    text << "wave " << resourceId << (async ? "" : " sync");
    log.push_back(text.str());
    return true;
}

void CFakeView::RefusalFeedback() { log.push_back("refused"); }
void CFakeView::HideDirectionMarker(CCanvas*) { log.push_back("hide-marker"); }
void CFakeView::RefreshDirectionMarker(CCanvas*) { log.push_back("refresh-marker"); }

void CFakeView::RefreshStatusBar(bool force) { log.push_back(force ? "status forced" : "status"); }

void CFakeView::EnableActionCommands(bool enabled)
{
    actionsEnabled = enabled;
    log.push_back(enabled ? "actions on" : "actions off");
}

void CFakeView::EnableSonicCommand(bool enabled)
{
    sonicEnabled = enabled;
    log.push_back(enabled ? "sonic on" : "sonic off");
}

std::vector<std::string> CFakeView::Events(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].compare(0, prefix.size(), prefix) == 0)
            found.push_back(log[i]);
    return found;
}
