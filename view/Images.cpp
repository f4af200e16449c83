#include "view/Images.h"

#include <string.h>

#include "shell/sl/ErrorReport.h"

const int CHARACTER_BITMAPS[CHARACTER_IMAGES] = {175, 176, 177, 178, 191, 192, 193, 223};
const int ARROW_BITMAPS[ARROW_IMAGES] = {189, 182, 184, 185, 190, 183, 188, 186, 187};
const int DIGIT_BITMAPS[DIGIT_IMAGES] = {244, 235, 245, 237, 238, 239, 240, 241, 242, 243};

namespace {

HBITMAP LoadBitmapResource(HINSTANCE instance, int id)
{
    return (HBITMAP)LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
}

void FreeSlots(CImageSlot* slots, int count)
{
    for (int i = 0; i < count; ++i) {
        if (slots[i].dc)
            DeleteDC(slots[i].dc);
        if (slots[i].bitmap)
            DeleteObject(slots[i].bitmap);
        slots[i].dc = 0;
        slots[i].bitmap = 0;
    }
}

}

CImageSets::CImageSets()
{
    memset(character, 0, sizeof character);
    memset(explosion, 0, sizeof explosion);
    memset(arrow, 0, sizeof arrow);
    memset(digit, 0, sizeof digit);
    memset(icons, 0, sizeof icons);
    characterList = ImageList_Create(IMAGE_SIZE, IMAGE_SIZE, ILC_MASK | ILC_COLOR24, CHARACTER_IMAGES, 0);
    if (!characterList)
        SL_Erreur("Erreur creation liste d'images pers %d", (int)GetLastError());
}

// The memory contexts go before their bitmaps, which they hold selected.
CImageSets::~CImageSets()
{
    if (characterList)
        ImageList_Destroy(characterList);
    for (int i = 0; i < CHARACTER_IMAGES; ++i)
        if (icons[i])
            DestroyIcon(icons[i]);
    FreeSlots(character, CHARACTER_IMAGES);
    FreeSlots(arrow, ARROW_IMAGES);
    FreeSlots(explosion, EXPLOSION_FRAMES);
    FreeSlots(digit, DIGIT_IMAGES);
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

int CImageSets::init_img(HWND window, HINSTANCE instance)
{
    HDC windowDc = GetDC(window);
    if (!windowDc) {
        SL_Erreur("Pb init_img GetDC");
        return -1;
    }
    int explosionIds[EXPLOSION_FRAMES];
    for (int i = 0; i < EXPLOSION_FRAMES; ++i)
        explosionIds[i] = FIRST_EXPLOSION_BITMAP + i;
    int result = LoadCharacters(windowDc, instance);
    if (result == 0)
        result = LoadSet(windowDc, instance, explosion, explosionIds, EXPLOSION_FRAMES, "Pb chargement image rex %d",
                         "Pb init_img CreateCompatibleDC rex %d");
    if (result == 0)
        result = LoadSet(windowDc, instance, arrow, ARROW_BITMAPS, ARROW_IMAGES, "Pb chargement image arr %d",
                         "Pb init_img CreateCompatibleDC dir %d");
    if (result == 0)
        result = LoadSet(windowDc, instance, digit, DIGIT_BITMAPS, DIGIT_IMAGES, "Pb chargement image dig %d",
                         "Pb init_img CreateCompatibleDC dig %d");
    ReleaseDC(window, windowDc);
    return result;
}

int CImageSets::LoadCharacters(HDC windowDc, HINSTANCE instance)
{
    for (int i = 0; i < CHARACTER_IMAGES; ++i) {
        HBITMAP bitmap = LoadBitmapResource(instance, CHARACTER_BITMAPS[i]);
        if (!bitmap) {
            SL_Erreur("Pb chargement image pers %d", i);
            return -1;
        }
        character[i].bitmap = bitmap;
        if (ImageList_AddMasked(characterList, bitmap, RGB(0, 0, 0)) != i) {
            SL_Erreur("Pb index image pers %d", i);
            return -1;
        }
        icons[i] = ImageList_GetIcon(characterList, i, ILD_NORMAL);
        if (!icons[i]) {
            SL_Erreur("Pb extraction icone image %d", i);
            return -1;
        }
        character[i].dc = CreateCompatibleDC(windowDc);
        if (!character[i].dc) {
            SL_Erreur("Pb init_img CreateCompatibleDC pers %d", i);
            return -1;
        }
        SelectObject(character[i].dc, bitmap);
    }
    return 0;
}

int CImageSets::LoadSet(HDC windowDc, HINSTANCE instance, CImageSlot* slots, const int* ids, int count,
                        const char* loadError, const char* dcError)
{
    for (int i = 0; i < count; ++i) {
        slots[i].bitmap = LoadBitmapResource(instance, ids[i]);
        if (!slots[i].bitmap) {
            SL_Erreur(loadError, i);
            return -1;
        }
        slots[i].dc = CreateCompatibleDC(windowDc);
        if (!slots[i].dc) {
            SL_Erreur(dcError, i);
            return -1;
        }
        SelectObject(slots[i].dc, slots[i].bitmap);
    }
    return 0;
}
