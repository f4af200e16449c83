#include "view/Images.h"

#include <string.h>

CImageSets::CImageSets()
{
    memset(character, 0, sizeof character);
    memset(explosion, 0, sizeof explosion);
    memset(arrow, 0, sizeof arrow);
    memset(digit, 0, sizeof digit);
}

HDC CImageSets::Get(CImageRef image) const
{
    switch (image.set) {
    case IMAGESET_CHARACTER:
        return image.index >= 0 && image.index < CHARACTER_IMAGES ? character[image.index].dc : 0;
    case IMAGESET_EXPLOSION:
        return image.index >= 0 && image.index < EXPLOSION_FRAMES ? explosion[image.index].dc : 0;
    case IMAGESET_ARROW:
        return image.index >= 0 && image.index < ARROW_IMAGES ? arrow[image.index].dc : 0;
    }
    return 0;
}
