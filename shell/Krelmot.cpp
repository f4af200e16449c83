// Construction, start-up and shutdown of CKrelmot, and the window system's
// side of the game.
#include "shell/Krelmot.h"

#include <commctrl.h>
#include <string.h>

#include "shell/StatusBar.h"
#include "shell/ToolBand.h"
#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "settings/WinProfile.h"
#include "text/Translation.h"
#include "view/Sound.h"

CKrelmot* g_krelmot = 0;
std::string g_iniFolderOverride;

CKrelmot::CKrelmot()
    : CGame(ownSettings, *this), instance(0), mainWindow(0), mainWindowStyle(MAIN_WINDOW_STYLE), frameWidth(0),
      frameHeight(0), bandHeight(0), statusBarHeight(0), pointerTracking(false), resizePending(false),
      pendingColumns(0), pendingLines(0), statusBar(0), toolBand(0), painter(*this, images, gridRect), animator(*this, settings, gridOrigin),
      store(SystemProfile())
{
    SetRectEmpty(&gridRect);
    levelStartTick = GetTickCount();
}

// Only a normal end of the program gets here, so only it writes the settings.
CKrelmot::~CKrelmot()
{
    delete statusBar;
    delete toolBand;
    store.WriteChangedSettings(settings);
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
    statusBar = new CStatusBar(texts, images);
    statusBar->Create(mainWindow);
    toolBand = new CToolBand(mainWindow, instance, texts);
    bandHeight = toolBand->GetHeight();
    ApplyLanguage();
    statusBarHeight = statusBar->GetHeight();
    ComputeFrameSize();
    LoadSettings(1);
    painter.SetBackgroundColour(settings, (COLORREF)settings.coul_fond.Get());
    images.init_img(mainWindow, instance);
    statusBar->SetMessage(NULL);
    if (images.GetCharacterIcon(IMAGE_HERO))
        SetClassLongPtrA(mainWindow, GCLP_HICON, (LONG_PTR)images.GetCharacterIcon(IMAGE_HERO));
    FitWindowToGrid();
    // The first layout came before the grid and the pictures: the parts get
    // the window's width and their icons now.
    RECT client;
    GetClientRect(mainWindow, &client);
    statusBar->FitWidth(client.right);
    PlaceWindowAtStart();
    return 0;
}

void CKrelmot::DrawWelcome(HDC given)
{
    HDC dc = given ? given : GetDC(mainWindow);
    painter.DrawWelcome(dc, texts.GetText(TEXT_WELCOME));
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

void CKrelmot::RefreshStatusBar(bool force)
{
    if (!statusBar)
        return;
    statusBar->SetMessage(NULL);
    if (toolBand)
        toolBand->SetScore(score);
    UpdateBestScore();
    if (introActive)
        return;
    UpdateClock(force);
    statusBar->ShowLevel(level, force);
    statusBar->ShowSonic(sonicUsedCount, force);
    statusBar->ShowTeleports(teleportCount, force);
    statusBar->ShowRobots(robots.Count(), force);
    statusBar->ShowHeaps(heaps.Count(), force);
}

void CKrelmot::UpdateClock(bool force)
{
    if (statusBar)
        statusBar->ShowClock(levelStartTick, GetTickCount(), IsHeroBusy(), force);
}

void CKrelmot::UpdateBestScore()
{
    if (statusBar)
        statusBar->ShowBestScore(score, settings.meilleur_score.Get());
}

void CKrelmot::ApplyLanguage()
{
    TranslateWindow(texts, mainWindow, 0);
    TranslateMenuBar(texts, mainWindow, MENU_HEADER_TEXTS);
    if (toolBand && toolBand->toolbar)
        TranslateToolbar(texts, toolBand->toolbar);
    if (statusBar) {
        statusBar->InitParts();
        statusBar->FitWidth(gridRect.right - gridRect.left);
    }
    RefreshStatusBar(true);
    if (introActive)
        DrawWelcome(NULL);
}

void CKrelmot::ChangeLanguage(int language)
{
    int current = texts.GetLanguage();
    CheckLanguageItem(current, language);
    if (language == current)
        return;
    settings.langue.Set(language);
    texts.SetLanguage(language);
    ApplyLanguage();
}

