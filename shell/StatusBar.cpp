#include "shell/StatusBar.h"

#include <commctrl.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>

#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "text/StringTable.h"
#include "view/Images.h"

namespace {

struct CPartTemplate {
    const char* sample;
    int sampleId;  // 0: the sample above, in every language
    const char* format;
    int formatId;
    int icon;
};

const CPartTemplate PART_TEMPLATES[STATUS_PART_COUNT] = {
    {"", 0, "%s", 0, -1},
    {"XX:XX:XX", 0, "%02d:%02d:%02d", 0, -1},
    {0, 32823, 0, 32822, -1},
    {0, 32825, 0, 32824, -1},
    {0, 32827, 0, 32826, -1},
    {"XXXX", 0, "%d", 0, IMAGE_ROBOT},
    {"XXXX", 0, "%d", 0, IMAGE_HEAP},
    {0, 32829, 0, 32828, -1},
};

// The structure as the oldest common controls know it, whatever the headers define.
const UINT OLD_NONCLIENTMETRICS_SIZE = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);

const char* TextOr(const CStringTable& texts, int id, const char* fallback)
{
    const char* text = id ? texts.GetText(id) : 0;
    return text ? text : fallback;
}

}

CStatusBar::CStatusBar(const CStringTable& texts_, const CImageSets& images_)
    : window(0), height(0), verticalBorder(0), gap(0), texts(texts_), images(images_)
{
    bestScoreText[0] = 0;
    for (int p = 0; p < STATUS_PART_COUNT; ++p) {
        CStatusPart part = {"", "%d", 0, -1};
        parts[p] = part;
        lastShown[p] = -1;
    }
}

int CStatusBar::Create(HWND parent)
{
    window = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", parent, ID_STATUSBAR);
    if (!window) {
        SL_Erreur("Pb CreateStatusWindow");
        return -1;
    }
    SendMessageA(window, SB_SETMINHEIGHT, 16, 0);
    SendMessageA(window, WM_SIZE, 0, 0);
    return 0;
}

int CStatusBar::InitParts()
{
    if (!window)
        return -1;
    RECT r;
    GetWindowRect(window, &r);
    height = r.bottom - r.top;
    int borders[3] = {0, 0, 0};
    if (!SendMessageA(window, SB_GETBORDERS, 0, (LPARAM)borders))
        SL_Erreur("Pb init_part SB_GETBORDERS");
    verticalBorder = borders[1];
    gap = borders[2];
    for (int p = 0; p < STATUS_PART_COUNT; ++p) {
        const CPartTemplate& t = PART_TEMPLATES[p];
        parts[p].sample = TextOr(texts, t.sampleId, t.sample ? t.sample : "");
        parts[p].format = TextOr(texts, t.formatId, t.format ? t.format : "%d");
        parts[p].icon = t.icon;
        // A new text: the value is shown anew at the next refresh, even one
        // that an intro keeps from being forced now.
        lastShown[p] = -1;
    }
    return MeasureParts();
}

// Widths in the font the bar draws with, so that each sample fits exactly.
int CStatusBar::MeasureParts()
{
    HDC dc = GetDC(window);
    NONCLIENTMETRICSA metrics;
    ZeroMemory(&metrics, sizeof metrics);
    metrics.cbSize = OLD_NONCLIENTMETRICS_SIZE;
    HFONT font = 0;
    HGDIOBJ oldFont = 0;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, OLD_NONCLIENTMETRICS_SIZE, &metrics, 0))
        SL_Erreur("Pb init_part SystemParametersInfo");
    else if (!(font = CreateFontIndirectA(&metrics.lfStatusFont)))
        SL_Erreur("Pb init_part CreateFontIndirect");
    else
        oldFont = SelectObject(dc, font);
    for (int p = 0; p < STATUS_PART_COUNT; ++p) {
        RECT r = {0, 0, 0, 0};
        DrawTextA(dc, parts[p].sample, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        parts[p].width = r.right - r.left;
    }
    if (font) {
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
    ReleaseDC(window, dc);
    return 0;
}

int CStatusBar::FitWidth(int clientWidth)
{
    if (!window)
        return -1;
    int rights[STATUS_PART_COUNT];
    int x = clientWidth - (height + verticalBorder);
    for (int p = STATUS_PART_COUNT - 1; p >= 0; --p) {
        rights[p] = x > 0 ? x : 0;
        x -= 2 * verticalBorder + parts[p].width + gap;
        if (parts[p].icon >= 0)
            x -= 16;
    }
    int result = 0;
    if (!SendMessageA(window, SB_SETPARTS, STATUS_PART_COUNT, (LPARAM)rights)) {
        SL_Erreur("Pb adapte_largeur SB_SETPARTS");
        result = -1;
    }
    for (int p = 0; p < STATUS_PART_COUNT; ++p) {
        // The pictures are loaded after the first layout; they join at the next one.
        HICON icon = parts[p].icon >= 0 ? images.GetCharacterIcon(parts[p].icon) : 0;
        if (icon && !SendMessageA(window, SB_SETICON, p, (LPARAM)icon)) {
            SL_Erreur("Pb adapte_largeur SB_SETICON %d", p);
            result = -1;
        }
    }
    return result;
}

int CStatusBar::SetPartText(int partAndFlags, const char* format, ...)
{
    if (!window)
        return -1;
    char text[256];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (!SendMessageA(window, SB_SETTEXTA, partAndFlags, (LPARAM)text)) {
        SL_Erreur("Pb adapte SB_SETTEXT %d <%s> : %d", partAndFlags, text, (int)GetLastError());
        return -1;
    }
    return 0;
}

void CStatusBar::SetMessage(const char* text)
{
    SetPartText(MESSAGE | SBT_NOBORDERS, "%s", text ? text : TextOr(texts, TEXT_DEFAULT_MESSAGE, ""));
}

void CStatusBar::ShowInfo(const char* format, ...)
{
    if (!window)
        return;
    char text[256];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    SendMessageA(window, SB_SETTEXTA, MESSAGE | SBT_NOBORDERS, (LPARAM)text);
}

void CStatusBar::ShowClock(uint32_t levelStartTick, uint32_t now, bool heroBusy, bool force)
{
    int seconds = lastShown[CLOCK];
    bool changed = false;
    if (!heroBusy) {
        // Unsigned, so that the tick count wrapping around after 49 days changes nothing.
        seconds = (int)((now - levelStartTick) / 1000);
        changed = seconds != lastShown[CLOCK];
    }
    if ((heroBusy || !changed) && !force)
        return;
    if (seconds < 0)
        seconds = 0;
    lastShown[CLOCK] = seconds;
    SetPartText(CLOCK, parts[CLOCK].format, seconds / 3600, seconds / 60 % 60, seconds % 60);
}

void CStatusBar::ShowCount(Part part, int value, bool force)
{
    if (value == lastShown[part] && !force)
        return;
    lastShown[part] = value;
    SetPartText(part, parts[part].format, value);
}

void CStatusBar::ShowBestScore(int score, int best)
{
    if (!window)
        return;
    snprintf(bestScoreText, sizeof bestScoreText, parts[BEST_SCORE].format, score > best ? score : best);
    if (score >= 1 && score >= best) {
        // The bar hands lParam back in the drawing request; the text is read from here.
        if (!SendMessageA(window, SB_SETTEXTA, BEST_SCORE | SBT_OWNERDRAW, (LPARAM)bestScoreText))
            SL_Erreur("Pb adapte SB_SETTEXT %d <%s> : %d", BEST_SCORE | SBT_OWNERDRAW, bestScoreText,
                      (int)GetLastError());
    } else {
        SetPartText(BEST_SCORE, "%s", bestScoreText);
    }
}

void CStatusBar::DrawBestScore(const DRAWITEMSTRUCT* item) const
{
    COLORREF oldText = SetTextColor(item->hDC, RGB(255, 255, 255));
    COLORREF oldBack = SetBkColor(item->hDC, RGB(255, 0, 0));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(item->hDC, &item->rcItem, red);
    DeleteObject(red);
    TextOutA(item->hDC, item->rcItem.left, item->rcItem.top, bestScoreText, (int)strlen(bestScoreText));
    SetTextColor(item->hDC, oldText);
    SetBkColor(item->hDC, oldBack);
}
