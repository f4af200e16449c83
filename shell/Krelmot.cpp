// Construction, start-up and shutdown of CKrelmot, and the window system's
// side of the game.
#include "shell/Krelmot.h"

#include <commctrl.h>
#include <string.h>

#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "settings/WinProfile.h"
#include "view/BoardPaint.h"
#include "view/Sound.h"

CKrelmot* g_krelmot = 0;
std::string g_iniFolderOverride;

CKrelmot::CKrelmot()
    : CGame(ownSettings, *this), instance(0), mainWindow(0), mainWindowStyle(MAIN_WINDOW_STYLE), frameWidth(0),
      frameHeight(0), bandHeight(0), statusBarHeight(0), pointerTracking(false), resizePending(false),
      pendingColumns(0), pendingLines(0), welcomeLine(0), backgroundBrush(0), animator(*this, settings),
      store(SystemProfile())
{
    SetRectEmpty(&gridRect);
    levelStartTick = GetTickCount();
}

// Only a normal end of the program gets here, so only it writes the settings.
CKrelmot::~CKrelmot()
{
    store.WriteChangedSettings(settings);
    if (backgroundBrush)
        DeleteObject(backgroundBrush);
}

int CKrelmot::Init(HINSTANCE instance_, const char* className, const char* title)
{
    instance = instance_;
    RegisterAllTexts(texts);
    mainWindow = CreateWindowExA(0, className, title, mainWindowStyle, 0, 0, CW_USEDEFAULT, 0, NULL, NULL, instance,
                                 NULL);
    if (!mainWindow) {
        SL_Erreur("Pb init CreateWindow: %d", (int)GetLastError());
        return -1;
    }
    LoadSettings(0);
    texts.SetLanguage(settings.langue.Get());
    CheckLanguageItem(settings.langue.Get(), settings.langue.Get());
    ComputeFrameSize();
    LoadSettings(1);
    SetBackgroundColour((COLORREF)settings.coul_fond.Get());
    images.init_img(mainWindow, instance);
    if (images.GetCharacterIcon(IMAGE_HERO))
        SetClassLongPtrA(mainWindow, GCLP_HICON, (LONG_PTR)images.GetCharacterIcon(IMAGE_HERO));
    FitWindowToGrid();
    if (settings.col_fenetre.Get() != -1 && settings.lig_fenetre.Get() != -1)
        SetWindowPos(mainWindow, NULL, settings.col_fenetre.Get(), settings.lig_fenetre.Get(), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    else
        SL_repositionne_fenetre(mainWindow, NULL, 0);
    return 0;
}

void CKrelmot::SetBackgroundColour(COLORREF colour)
{
    if (backgroundBrush)
        DeleteObject(backgroundBrush);
    settings.coul_fond.Set((int)colour);
    backgroundBrush = CreateSolidBrush((COLORREF)settings.coul_fond.Get());
}

void CKrelmot::DrawGrid(HDC dc) { ::DrawGrid(dc, gridRect, (COLORREF)settings.coul_fond.Get()); }

void CKrelmot::DrawWelcome(HDC given)
{
    const char* text = texts.GetText(TEXT_WELCOME);
    if (!text)
        return;
    HDC dc = given ? given : GetDC(mainWindow);
    COLORREF oldBack = SetBkColor(dc, (COLORREF)settings.coul_fond.Get());
    COLORREF oldText = SetTextColor(dc, RGB(255, 255, 0));
    UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    CPoint line = PixelOf(0, welcomeLine);
    TextOutA(dc, (gridRect.right - gridRect.left) / 2, line.y, text, (int)strlen(text));
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    SetTextAlign(dc, oldAlign);
    if (!given)
        ReleaseDC(mainWindow, dc);
}

int CKrelmot::LoadSettings(int group)
{
    CStartupFacts facts =
        SystemStartupFacts(texts.GetDefaultLanguage(), frameWidth, frameHeight, bandHeight, statusBarHeight);
    if (!g_iniFolderOverride.empty()) {
        facts.moduleNameKnown = true;
        facts.moduleName = g_iniFolderOverride + "\\Krelmot.exe";
    }
    return store.LoadSettings(settings, group, facts);
}

void CKrelmot::ComputeFrameSize()
{
    RECT r = {0, 0, 0, 0};
    if (!AdjustWindowRect(&r, mainWindowStyle, TRUE))
        SL_Erreur("Pb init_ajout_rect_client AdjustWindowRect");
    frameWidth = r.right - r.left;
    frameHeight = r.bottom - r.top;
}

CDcCanvas* CKrelmot::NewCanvas(HDC dc) { return new CDcCanvas(dc, &images, (COLORREF)settings.coul_fond.Get()); }

CCanvas* CKrelmot::AcquireBoardCanvas() { return NewCanvas(GetDC(mainWindow)); }

// The canvas puts back the context's pen and clipping before it is released.
void CKrelmot::ReleaseBoardCanvas(CCanvas* canvas)
{
    HDC dc = DcOf(canvas);
    delete static_cast<CDcCanvas*>(canvas);
    ReleaseDC(mainWindow, dc);
}

uint32_t CKrelmot::TickCount() { return GetTickCount(); }

void CKrelmot::InvalidateBoard() { InvalidateRect(mainWindow, &gridRect, TRUE); }

void CKrelmot::GlidePieces(CCanvas* canvas, CPieceList<CRobot>& list, CHero* glidingHero, int duration)
{
    animator.GlidePieces(canvas, list, glidingHero, duration);
}

void CKrelmot::AnimateTeleport(CCanvas* canvas, CHero& teleported) { animator.AnimateTeleport(canvas, teleported); }

void CKrelmot::AnimateSonic(CCanvas* canvas, CHero& centre) { animator.AnimateSonic(canvas, centre); }

void CKrelmot::AnimateHello(CCanvas* canvas, const CPiece& piece)
{
    CCanvas* own = canvas ? canvas : AcquireBoardCanvas();
    animator.AnimateHello(own, piece);
    if (!canvas)
        ReleaseBoardCanvas(own);
}

int CKrelmot::PlayExplosions(CCanvas* canvas, CPieceList<CExplosion>& list)
{
    CCanvas* own = canvas ? canvas : AcquireBoardCanvas();
    int result = animator.PlayExplosions(own, list);
    if (!canvas)
        ReleaseBoardCanvas(own);
    return result;
}

bool CKrelmot::PlayWave(int resourceId, bool async)
{
    return PlayWaveResource(instance, resourceId, async, settings.son.Get());
}

void CKrelmot::RefusalFeedback() { PlayRefusal(instance, settings.son.Get()); }

void CKrelmot::HideDirectionMarker(CCanvas* canvas) { HideDirectionMarker(canvas ? DcOf(canvas) : (HDC)0); }

void CKrelmot::RefreshDirectionMarker(CCanvas* canvas) { RefreshDirectionMarker(canvas ? DcOf(canvas) : (HDC)0); }

void CKrelmot::RefreshStatusBar(bool) {}

void CKrelmot::SetActionItem(int id, bool enabled)
{
    HMENU menu = GetMenu(mainWindow);
    HMENU actions = menu ? GetSubMenu(menu, 1) : 0;
    if (actions)
        EnableMenuItem(actions, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CKrelmot::EnableActionCommands(bool enabled)
{
    static const int ids[] = {CMD_TELEPORT, CMD_SONIC, CMD_HELLO, CMD_REMAIN};
    for (int id : ids)
        SetActionItem(id, enabled);
}

void CKrelmot::EnableSonicCommand(bool enabled) { SetActionItem(CMD_SONIC, enabled); }

int CKrelmot::RunIntro()
{
    DisableActions(false);
    return -1;
}

void CKrelmot::ChangeLanguage(int language)
{
    CheckLanguageItem(settings.langue.Get(), language);
    settings.langue.Set(language);
    texts.SetLanguage(language);
}

void CKrelmot::CheckLanguageItem(int oldLanguage, int newLanguage)
{
    HMENU menu = GetMenu(mainWindow);
    HMENU languages = menu ? GetSubMenu(menu, 2) : 0;
    if (!languages)
        return;
    if (oldLanguage != newLanguage)
        CheckMenuItem(languages, oldLanguage, MF_BYPOSITION | MF_UNCHECKED);
    CheckMenuItem(languages, newLanguage, MF_BYPOSITION | MF_CHECKED);
}

void CKrelmot::SetStatusMessage(const std::string& text) { statusMessage = text; }

void CKrelmot::SetDefaultStatusMessage() { statusMessage.clear(); }
