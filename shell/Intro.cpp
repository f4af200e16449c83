// The intro: the board's robots fly in from random cells and settle into a
// picture, with a welcome line under it, until a new game starts.
#include <stdlib.h>

#include <algorithm>

#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "view/IntroPicture.h"

namespace {

const int FIRST_INTRO_RESOURCE = 256;
const int INTRO_COUNT = 5;

}

int CKrelmot::RunIntro()
{
    DisableActions(false);
    int choice = settings.intro.Get();
    if (choice < 1 || choice > INTRO_COUNT)
        return -1;
    int resource = FIRST_INTRO_RESOURCE + choice;
    const char* bytes;
    DWORD size;
    if (SL_LoadResText(resource, &bytes, &size) != 0) {
        SL_Erreur("Pb intro SL_LoadResText %d", resource);
        return -1;
    }
    CIntroSize picture = MeasureIntroPicture(bytes, size);
    if (!IntroFits(picture, Columns(), Lines()))
        return -1;
    introActive = true;
    HideDirectionMarker((HDC)0);
    CCell origin = IntroOrigin(picture, Columns(), Lines());
    // The ground is filled below, so the hero is off the screen from here on.
    SetHeroCell(origin.column, origin.line);
    CPoint heroAt = PixelOf(origin.column, origin.line);
    hero.x = heroAt.x;
    hero.y = heroAt.y;
    hero.drawn = false;

    CCanvas* canvas = AcquireBoardCanvas();
    painter.FillGround(DcOf(canvas));
    PlacePieces(picture.pieces);
    std::vector<CIntroPiece> pieces = LayOutIntroPicture(bytes, size, origin, robots.Count());
    int largestDistance = 0;
    size_t next = 0;
    for (CPieceList<CRobot>::Iterator r = robots.begin(); r != robots.end() && next < pieces.size(); ++r, ++next) {
        r->imageIndex = pieces[next].image;
        r->Draw(canvas);
        CPoint target = PixelOf(pieces[next].cell.column, pieces[next].cell.line);
        r->startX = r->x;
        r->startY = r->y;
        r->targetX = target.x;
        r->targetY = target.y;
        largestDistance = std::max(largestDistance, std::max(abs(target.x - r->x), abs(target.y - r->y)));
    }
    if (settings.grille.Get())
        ::DrawGrid(DcOf(canvas), gridRect, (COLORREF)settings.coul_fond.Get());
    // The glide's length stands in the move duration while it runs; putting
    // the old value back leaves the setting marked changed.
    int moveDuration = settings.temps_move.Get();
    int duration = IntroGlideDuration(largestDistance, moveDuration);
    settings.temps_move.Set(duration);
    animator.GlidePieces(canvas, robots, NULL, duration);
    settings.temps_move.Set(moveDuration);
    painter.welcomeLine = origin.line + picture.lines + 1;
    DrawWelcome(DcOf(canvas));
    ReleaseBoardCanvas(canvas);
    return 0;
}
