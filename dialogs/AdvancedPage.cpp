// The "Avanced" page: board size, robot numbers and the animation durations,
// with buttons that fill in defaults and buttons that try a duration on the
// running game.
#include <limits.h>

#include "dialogs/OptionsSheet.h"
#include "resources/ResourceIds.h"
#include "shell/Krelmot.h"
#include "shell/sl/ErrorReport.h"
#include "shell/sl/WindowRoutines.h"
#include "text/Translation.h"

namespace {

struct CRow {
    int edit;
    int spin;
    CIntSetting CSettings::*setting;
    int low;
    int high;
    int messageId;
    bool messageHasLow;  // the durations' messages hold their 0 in the text
    int testButton;  // 0: none
};

// In the order of the checks.
const CRow ROWS[CAdvancedPage::VALUE_COUNT] = {
    {IDC_WIDTH, IDC_WIDTH_SPIN, &CSettings::largeur, BOUNDS.minColumns, BOUNDS.maxColumns, 32797, true, 0},
    {IDC_HEIGHT, IDC_HEIGHT_SPIN, &CSettings::hauteur, BOUNDS.minLines, BOUNDS.maxLines, 32798, true, 0},
    {IDC_BASE, IDC_BASE_SPIN, &CSettings::nb_robot_base, BOUNDS.minBaseRobots, BOUNDS.maxBaseRobots, 32799, true, 0},
    {IDC_ADDED, IDC_ADDED_SPIN, &CSettings::nb_robot_incr, BOUNDS.minAddedRobots, BOUNDS.maxAddedRobots, 32800, true,
     0},
    {IDC_MOVE, IDC_MOVE_SPIN, &CSettings::temps_move, 0, BOUNDS.maxDuration, 32801, false, IDC_MOVE_TEST},
    {IDC_TELE, IDC_TELE_SPIN, &CSettings::temps_tele, 0, BOUNDS.maxDuration, 32802, false, IDC_TELE_TEST},
    {IDC_SONIC, IDC_SONIC_SPIN, &CSettings::temps_sonic, 0, BOUNDS.maxDuration, 32803, false, IDC_SONIC_TEST},
    {IDC_HELLO, IDC_HELLO_SPIN, &CSettings::temps_coucou, 0, BOUNDS.maxDuration, 32804, false, IDC_HELLO_TEST},
    {IDC_REX, IDC_REX_SPIN, &CSettings::temps_rex, 0, BOUNDS.maxDuration, 32805, false, IDC_REX_TEST},
};

const CRow* RowOfTest(int button)
{
    for (int i = 0; i < CAdvancedPage::VALUE_COUNT; ++i)
        if (ROWS[i].testButton == button)
            return &ROWS[i];
    return 0;
}

unsigned int Saturated(unsigned long long value) { return value > UINT_MAX ? UINT_MAX : (unsigned int)value; }

}

CAdvancedPage g_advancedPage;

unsigned int ReadEditNumber(HWND page, int edit)
{
    BOOL translated = FALSE;
    unsigned int value = GetDlgItemInt(page, edit, &translated, FALSE);
    if (translated)
        return value;
    // Digits that did not translate were too many for 32 bits.
    char first[2] = "";
    GetDlgItemTextA(page, edit, first, sizeof first);
    return first[0] >= '0' && first[0] <= '9' ? UINT_MAX : 0;
}

void DefaultRobotNumbers(unsigned int w, unsigned int h, unsigned int* base, unsigned int* added)
{
    unsigned long long a = (unsigned long long)w * h / 100;
    *base = a / 2 ? Saturated(a / 2) : 1;
    *added = a / 4 ? Saturated(a / 4) : 1;
}

CAdvancedPage::CAdvancedPage()
{
    for (int i = 0; i < VALUE_COUNT; ++i)
        pending[i] = 0;
}

void CAdvancedPage::Init(HWND page)
{
    CKrelmot* k = g_krelmot;
    TranslateWindow(k->texts, page, 0);
    for (int i = 0; i < VALUE_COUNT; ++i) {
        pending[i] = (k->settings.*ROWS[i].setting).Get();
        SendDlgItemMessageA(page, ROWS[i].edit, EM_LIMITTEXT, OPTIONS_EDIT_DIGITS, 0);
    }
}

void CAdvancedPage::Show(HWND page)
{
    for (int i = 0; i < VALUE_COUNT; ++i)
        SetDlgItemInt(page, ROWS[i].edit, (UINT)pending[i], FALSE);
    for (int i = 0; i < VALUE_COUNT; ++i)
        SL_SetSpinRange(page, ROWS[i].spin, ROWS[i].high, ROWS[i].low);
    MarkPageChanged(page);
}

int CAdvancedPage::ReadAndCheck(HWND page)
{
    for (int i = 0; i < VALUE_COUNT; ++i)
        pending[i] = (int)ReadEditNumber(page, ROWS[i].edit);
    for (int i = 0; i < VALUE_COUNT; ++i) {
        const CRow& row = ROWS[i];
        if (pending[i] >= row.low && pending[i] <= row.high)
            continue;
        SetFocus(GetDlgItem(page, row.edit));
        const char* format = g_krelmot->texts.GetText(row.messageId);
        if (!format)
            format = "";
        if (row.messageHasLow)
            SL_ErreurFenetre(page, format, row.low, row.high);
        else
            SL_ErreurFenetre(page, format, row.high);
        return -1;
    }
    return 0;
}

void CAdvancedPage::Apply()
{
    CKrelmot* k = g_krelmot;
    CSettings& s = k->settings;
    for (int i = MOVE; i <= REX; ++i)
        (s.*ROWS[i].setting).Set(pending[i]);
    if (pending[WIDTH] != s.largeur.Get() || pending[HEIGHT] != s.hauteur.Get()) {
        s.largeur.Set(pending[WIDTH]);
        s.hauteur.Set(pending[HEIGHT]);
        k->FitWindowToGrid();
        k->StartLevel(1);
    }
    if (pending[BASE] != s.nb_robot_base.Get() || pending[ADDED] != s.nb_robot_incr.Get()) {
        s.nb_robot_base.Set(pending[BASE]);
        s.nb_robot_incr.Set(pending[ADDED]);
        k->StartLevel(1);
    }
}

void CAdvancedPage::DefaultSize(HWND page)
{
    CKrelmot* k = g_krelmot;
    CScreenMetrics metrics = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), k->frameWidth,
                              k->frameHeight, k->bandHeight, k->statusBarHeight};
    CBoardSize size = DefaultBoardSize(metrics);
    SetDlgItemInt(page, IDC_WIDTH, (UINT)size.columns, FALSE);
    SetDlgItemInt(page, IDC_HEIGHT, (UINT)size.lines, FALSE);
}

void CAdvancedPage::DefaultRobots(HWND page)
{
    unsigned int base, added;
    DefaultRobotNumbers(ReadEditNumber(page, IDC_WIDTH), ReadEditNumber(page, IDC_HEIGHT), &base, &added);
    SetDlgItemInt(page, IDC_BASE, base, FALSE);
    SetDlgItemInt(page, IDC_ADDED, added, FALSE);
}

void CAdvancedPage::Test(HWND page, int button)
{
    const CRow* row = RowOfTest(button);
    if (!row)
        return;
    CKrelmot* k = g_krelmot;
    CIntSetting& setting = k->settings.*row->setting;
    int former = setting.Get();
    // Unchecked, since the page has not been left, so bounded: an animation
    // stepping at a tenth of a huge duration would hold the program for hours.
    unsigned int typed = ReadEditNumber(page, row->edit);
    setting.Set(typed > (unsigned int)TEST_DURATION_MAX ? TEST_DURATION_MAX : (int)typed);
    switch (button) {
    case IDC_MOVE_TEST:
        k->PlayTurn(ACTION_MOVE, DIRECTION_STAY);
        break;
    case IDC_TELE_TEST:
        k->PlayTurn(ACTION_TELEPORT, DIRECTION_STAY);
        break;
    case IDC_SONIC_TEST:
        k->PlayTurn(ACTION_SONIC, DIRECTION_STAY);
        break;
    case IDC_HELLO_TEST:
        k->AnimateHello((CCanvas*)0, k->hero);
        break;
    case IDC_REX_TEST:
        k->ExplodeCell(0, 0);
        break;
    }
    setting.Set(former);
}

INT_PTR CALLBACK AdvancedPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_advancedPage.Init(page);
        return TRUE;
    case WM_NOTIFY:
        switch (((NMHDR*)lParam)->code) {
        case PSN_SETACTIVE:
            g_advancedPage.Show(page);
            return AnswerNotification(page, 0);
        case PSN_KILLACTIVE:
            // TRUE keeps the page.
            return AnswerNotification(page, g_advancedPage.ReadAndCheck(page) != 0);
        case PSN_APPLY:
            g_advancedPage.Apply();
            return AnswerNotification(page, PSNRET_NOERROR);
        }
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_DEFAULT_SIZE:
            g_advancedPage.DefaultSize(page);
            return TRUE;
        case IDC_DEFAULT_ROBOTS:
            g_advancedPage.DefaultRobots(page);
            return TRUE;
        case IDC_MOVE_TEST:
        case IDC_TELE_TEST:
        case IDC_SONIC_TEST:
        case IDC_HELLO_TEST:
        case IDC_REX_TEST:
            g_advancedPage.Test(page, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
