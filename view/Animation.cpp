#include "view/Animation.h"

#include <stdlib.h>

#include "core/Canvas.h"
#include "core/GameView.h"
#include "settings/Settings.h"

namespace {

// position + (target - position) x elapsed / duration on one axis.
int Along(int start, int target, uint32_t elapsed, int duration)
{
    return start + (int)((long long)(target - start) * (long long)elapsed / duration);
}

}

CAnimator::CAnimator(CGameView& view_, const CSettings& settings_, const CPoint& origin_)
    : view(view_), settings(settings_), origin(origin_), animationTick(0)
{
}

CGridRect CAnimator::Grid() const
{
    CGridRect grid = {origin.x, origin.y, origin.x + CELL_PITCH * settings.largeur.Get() + 1,
                      origin.y + CELL_PITCH * settings.hauteur.Get() + 1};
    return grid;
}

uint32_t CAnimator::Now() { return view.TickCount(); }

void CAnimator::WaitBeyond(int interval)
{
    while ((int32_t)Elapsed() <= interval) {
    }
}

void CAnimator::WaitAtLeast(int interval)
{
    while ((int32_t)Elapsed() < interval) {
    }
}

int CAnimator::Glide(CPiece& piece, CCanvas* canvas, int duration)
{
    if (piece.x == piece.targetX && piece.y == piece.targetY)
        return 0;
    int32_t elapsed = (int32_t)Elapsed();
    int x = piece.targetX, y = piece.targetY;
    if (elapsed < duration) {
        x = Along(piece.startX, piece.targetX, (uint32_t)elapsed, duration);
        y = Along(piece.startY, piece.targetY, (uint32_t)elapsed, duration);
    }
    if (x == piece.x && y == piece.y)
        return 1;
    piece.Erase(canvas);
    piece.x = x;
    piece.y = y;
    piece.Draw(canvas);
    return 1;
}

void CAnimator::GlidePieces(CCanvas* canvas, CPieceList<CRobot>& robots, CHero* hero, int duration)
{
    StartClock();
    bool moving = true;
    while (moving) {
        moving = false;
        for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end(); ++r)
            moving |= Glide(*r, canvas, duration) != 0;
        if (hero)
            moving |= Glide(*hero, canvas, duration) != 0;
    }
}

void CAnimator::Resize(CHero& hero, CCanvas* canvas, int size)
{
    if (size == hero.size)
        return;
    hero.Erase(canvas);
    hero.size = size;
    hero.Draw(canvas);
}

void CAnimator::AnimateTeleport(CCanvas* canvas, CHero& hero)
{
    const int maxSize = BOUNDS.teleportMaxSize;
    int tele = settings.temps_tele.Get();
    CGridRect grid = Grid();
    bool clipped = canvas->ClipTo(grid.left, grid.top, grid.right, grid.bottom);
    view.PlayWave(WAVE_TELEPORT, true);

    StartClock();
    for (;;) {
        int32_t elapsed = (int32_t)Elapsed();
        int size = tele > 0 ? (int)((long long)maxSize * elapsed / tele) : maxSize;
        Resize(hero, canvas, size < maxSize ? size : maxSize);
        if (elapsed >= tele)
            break;
    }

    int dx = abs(hero.targetX - hero.startX), dy = abs(hero.targetY - hero.startY);
    int cells = (dx > dy ? dx : dy) / CELL_PITCH;
    hero.glideDuration = (int)(cells * settings.temps_move.Get() * 0.05);
    StartClock();
    for (;;) {
        int32_t elapsed = (int32_t)Elapsed();
        int x = hero.targetX, y = hero.targetY;
        if (elapsed < hero.glideDuration) {
            x = Along(hero.startX, hero.targetX, (uint32_t)elapsed, hero.glideDuration);
            y = Along(hero.startY, hero.targetY, (uint32_t)elapsed, hero.glideDuration);
        }
        if (x != hero.x || y != hero.y) {
            hero.Erase(canvas);
            hero.x = x;
            hero.y = y;
            hero.Draw(canvas);
        }
        if (elapsed >= hero.glideDuration)
            break;
    }

    StartClock();
    for (;;) {
        int remaining = tele - (int32_t)Elapsed();
        int size = tele > 0 ? (int)((long long)maxSize * remaining / tele) : 0;
        Resize(hero, canvas, size > IMAGE_SIZE ? size : IMAGE_SIZE);
        if (remaining <= 0)
            break;
    }
    Resize(hero, canvas, IMAGE_SIZE);
    if (clipped)
        canvas->RemoveClip();
}

CGridRect CAnimator::Clamp(CGridRect r) const
{
    CGridRect grid = Grid();
    if (r.left <= grid.left)
        r.left = grid.left;
    if (r.top <= grid.top)
        r.top = grid.top;
    if (r.right >= grid.right)
        r.right = grid.right;
    if (r.bottom >= grid.bottom)
        r.bottom = grid.bottom;
    return r;
}

CGridRect CAnimator::SonicSquare(int x, int y, int k) const
{
    CGridRect r = {x - k - 1, y - k - 1, x + k + 17, y + k + 17};
    return Clamp(r);
}

CGridRect CAnimator::HelloSquare(int x, int y, int k) const
{
    CGridRect r = {x - 5 * k + 7, y - 5 * k + 7, x + 5 * k + 7, y + 5 * k + 7};
    return Clamp(r);
}

void CAnimator::Ring(CCanvas* canvas, CGridRect r) const { canvas->XorRectangle(r.left, r.top, r.right, r.bottom); }

// One ring per interval from step first to step last, each replacing the one
// before; the last is removed at once.
void CAnimator::StepRings(CCanvas* canvas, CPoint at, int interval, int first, int last, SquareOf square)
{
    int direction = last >= first ? 1 : -1;
    for (int k = first; k != last + direction; k += direction) {
        WaitBeyond(interval);
        StartClock();
        if (k != first)
            Ring(canvas, (this->*square)(at.x, at.y, k - direction));
        Ring(canvas, (this->*square)(at.x, at.y, k));
    }
    Ring(canvas, (this->*square)(at.x, at.y, last));
}

void CAnimator::AnimateSonic(CCanvas* canvas, CHero& hero)
{
    int interval = settings.temps_sonic.Get() / 16;
    CPoint p = PixelFromCell(hero.column, hero.line, origin);
    if (p.x != hero.x || p.y != hero.y) {
        hero.Erase(canvas);
        hero.x = p.x;
        hero.y = p.y;
        hero.Draw(canvas);
    }
    hero.startX = hero.targetX = p.x;
    hero.startY = hero.targetY = p.y;
    canvas->BeginXorPen(3);
    view.PlayWave(WAVE_SONIC, true);
    StartClock();
    StepRings(canvas, p, interval, 1, 16, &CAnimator::SonicSquare);
    canvas->EndXorPen();
}

void CAnimator::AnimateHello(CCanvas* canvas, const CPiece& piece)
{
    int interval = settings.temps_coucou.Get() / 10;
    CPoint at = {piece.x, piece.y};
    canvas->BeginXorPen(5);
    view.PlayWave(WAVE_HELLO, true);
    StartClock();
    StepRings(canvas, at, interval, 1, 10, &CAnimator::HelloSquare);
    StartClock();
    StepRings(canvas, at, interval, 9, 0, &CAnimator::HelloSquare);
    canvas->EndXorPen();
}

int CAnimator::PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& explosions)
{
    if (explosions.IsEmpty())
        return -1;
    StartClock();
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        e->Draw(canvas);
    int interval = settings.temps_rex.Get() / 10;
    for (int frame = 1; frame < EXPLOSION_FRAMES; ++frame) {
        WaitAtLeast(interval);
        StartClock();
        for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e) {
            e->Erase(canvas);
            e->imageIndex = frame;
            e->Draw(canvas);
        }
    }
    for (CPieceList<CExplosion>::Iterator e = explosions.begin(); e != explosions.end(); ++e)
        e->Erase(canvas);
    explosions.Clear();
    return 0;
}
