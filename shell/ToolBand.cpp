#include "shell/ToolBand.h"

#include <stdio.h>

#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "text/Translation.h"

namespace {

WNDPROC g_previousScorePanelProc = 0;

const int DIGIT_PLACES = 6;
const int DIGIT_PITCH = 19;
const int DIGIT_MARGIN = 5;
const COLORREF TOOLBAR_TRANSPARENT = RGB(0, 255, 0);

TBBUTTON Button(int picture, int command, int labelId)
{
    TBBUTTON b;
    ZeroMemory(&b, sizeof b);
    b.iBitmap = picture;
    b.idCommand = command;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = command ? TBSTYLE_BUTTON : TBSTYLE_SEP;
    b.dwData = labelId;
    b.iString = command ? 0 : -1;
    return b;
}

void PaintScore(HWND window, int score)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    char digits[DIGIT_PLACES + 1];
    ScoreDigits(score, digits);
    for (int place = 0; place < DIGIT_PLACES; ++place) {
        HDC picture = (digits[place] >= '0' && digits[place] <= '9' && g_krelmot)
                          ? g_krelmot->images.GetDigitImage(digits[place] - '0')
                          : 0;
        if (picture)
            BitBlt(dc, DIGIT_MARGIN + DIGIT_PITCH * place, DIGIT_MARGIN, DIGIT_WIDTH, DIGIT_HEIGHT, picture, 0, 0,
                   SRCCOPY);
    }
    EndPaint(window, &ps);
}

}

void ScoreDigits(int score, char digits[7])
{
    if (score < 0)
        score = 0;
    if (score > 999999)
        score = 999999;
    snprintf(digits, DIGIT_PLACES + 1, "%*d", DIGIT_PLACES, score);
}

LRESULT CALLBACK ScorePanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintScore(window, g_krelmot ? g_krelmot->score : 0);
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect((HDC)wParam, &client, (HBRUSH)GetStockObject(BLACK_BRUSH));
        return 1;
    }
    case WM_SCOREPANEL_PREVIOUS:
        g_previousScorePanelProc = (WNDPROC)lParam;
        return 0;
    }
    if (!g_previousScorePanelProc)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(g_previousScorePanelProc, window, message, wParam, lParam);
}

CToolBand::CToolBand(HWND parent, HINSTANCE instance_, const CStringTable& texts_)
    : rebar(0), toolbar(0), scorePanel(0), bandHeight(0), normalImages(0), hotImages(0), lastScore(-1),
      instance(instance_), texts(texts_)
{
    rebar = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, NULL,
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | RBS_BANDBORDERS |
                                RBS_FIXEDORDER,
                            0, 0, 0, 0, parent, (HMENU)(INT_PTR)ID_REBAR, instance, NULL);
    if (!rebar) {
        SL_Erreur("Pb creation rebar %d", (int)GetLastError());
        return;
    }
    CreateBands();
}

CToolBand::~CToolBand()
{
    // The toolbar draws from the lists: it goes first when it is still there.
    if (toolbar && IsWindow(toolbar))
        DestroyWindow(toolbar);
    if (normalImages)
        ImageList_Destroy(normalImages);
    if (hotImages)
        ImageList_Destroy(hotImages);
}

int CToolBand::CreateBands()
{
    int panelWidth, panelHeight, toolbarWidth, toolbarHeight;
    if (CreateScorePanel(&panelWidth, &panelHeight) != 0 || CreateToolbar(&toolbarWidth, &toolbarHeight) != 0)
        return -1;
    REBARBANDINFOA band;
    ZeroMemory(&band, sizeof band);
    // The size the oldest common controls accept; it still holds the header width.
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_COLORS | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID;
    band.fStyle = RBBS_NOVERT;
    band.clrFore = GetSysColor(COLOR_BTNTEXT);
    band.clrBack = GetSysColor(COLOR_BTNFACE);
    band.hwndChild = toolbar;
    band.cxMinChild = 0;
    band.cyMinChild = toolbarHeight;
    band.wID = ID_TOOLBAR;
    if (!SendMessageA(rebar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band)) {
        SL_Erreur("Pb RB_INSERTBAND toolbar");
        return -1;
    }
    band.fMask = RBBIM_STYLE | RBBIM_COLORS | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_HEADERSIZE;
    band.fStyle = RBBS_FIXEDSIZE | RBBS_NOVERT;
    band.hwndChild = scorePanel;
    band.cxMinChild = band.cx = panelWidth;
    band.cyMinChild = panelHeight;
    band.cxHeader = (toolbarHeight - panelHeight) / 2 >= 1 ? (toolbarHeight - panelHeight) / 2 : 0;
    band.wID = 0;
    if (!SendMessageA(rebar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band)) {
        SL_Erreur("Pb RB_INSERTBAND score");
        return -1;
    }
    RECT r;
    GetWindowRect(rebar, &r);
    bandHeight = r.bottom - r.top;
    return 0;
}

int CToolBand::CreateScorePanel(int* width, int* height)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
    RECT r = {0, 0, SCORE_PANEL_WIDTH, SCORE_PANEL_HEIGHT};
    if (!AdjustWindowRectEx(&r, style, FALSE, WS_EX_STATICEDGE)) {
        SL_Erreur("Pb AdjustRectEx score");
        return -1;
    }
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    scorePanel = CreateWindowExA(WS_EX_STATICEDGE, "STATIC", NULL, style, 0, 0, *width, *height, rebar,
                                 (HMENU)(INT_PTR)ID_SCOREPANEL, instance, NULL);
    if (!scorePanel) {
        SL_Erreur("Pb creation score");
        return -1;
    }
    LONG_PTR previous = SetWindowLongPtrA(scorePanel, GWLP_WNDPROC, (LONG_PTR)ScorePanelProc);
    if (!previous) {
        SL_Erreur("Pb SetWindowLong score");
        return -1;
    }
    SendMessageA(scorePanel, WM_SCOREPANEL_PREVIOUS, 0, (LPARAM)previous);
    return 0;
}

int CToolBand::CreateToolbar(int* width, int* height)
{
    const TBBUTTON buttons[TOOLBAR_BUTTON_COUNT] = {
        Button(0, 0, 0),
        Button(0, CMD_NEW_GAME, 32813),
        Button(1, CMD_OPTIONS, 32814),
        Button(0, 0, 0),
        Button(2, CMD_TELEPORT, 32815),
        Button(3, CMD_SONIC, 32816),
        Button(4, CMD_REMAIN, 32817),
        Button(5, CMD_HELLO, 32818),
        Button(0, 0, 0),
        Button(6, CMD_HELP, 32819),
        Button(7, CMD_END, 32820),
    };
    toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, NULL, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, 0,
                              0, 0, 0, rebar, (HMENU)(INT_PTR)ID_TOOLBAR, instance, NULL);
    if (!toolbar) {
        SL_Erreur("Pb creation toolbar");
        return -1;
    }
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETANCHORHIGHLIGHT, FALSE, 0);
    // A failed cut has been reported already; the buttons then show no picture.
    SL_decoupe_tb_button(&normalImages, instance, IDB_TOOLBAR_NORMAL, 8, TOOLBAR_TRANSPARENT);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, (LPARAM)normalImages);
    SL_decoupe_tb_button(&hotImages, instance, IDB_TOOLBAR_HOT, 8, TOOLBAR_TRANSPARENT);
    SendMessageA(toolbar, TB_SETHOTIMAGELIST, 0, (LPARAM)hotImages);
    if (SendMessageA(toolbar, TB_ADDBUTTONSA, TOOLBAR_BUTTON_COUNT, (LPARAM)buttons) != 1) {
        SL_Erreur("Pb TB_ADDBUTTONS toolbar");
        return -1;
    }
    TranslateToolbar(texts, toolbar);
    if (!SendMessageA(toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(30, 80))) {
        SL_Erreur("Pb TB_SETBUTTONWIDTH toolbar");
        return -1;
    }
    if (!SendMessageA(toolbar, TB_SETMAXTEXTROWS, 1, 0)) {
        SL_Erreur("Pb TB_SETMAXTEXTROWS toolbar");
        return -1;
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    RECT r;
    GetWindowRect(toolbar, &r);
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    // From now on the rebar sizes the toolbar.
    LONG_PTR style = GetWindowLongPtrA(toolbar, GWL_STYLE);
    if (!SetWindowLongPtrA(toolbar, GWL_STYLE, style | CCS_NORESIZE)) {
        SL_Erreur("Pb creation_toolbar SetWindowLong");
        return -1;
    }
    return 0;
}

void CToolBand::EnableButton(int command, bool enable)
{
    if (toolbar)
        SendMessageA(toolbar, TB_ENABLEBUTTON, command, MAKELONG(enable ? TRUE : FALSE, 0));
}

void CToolBand::SetScore(int score)
{
    if (score == lastScore)
        return;
    lastScore = score;
    if (!scorePanel)
        return;
    InvalidateRect(scorePanel, NULL, TRUE);
    UpdateWindow(scorePanel);
}
