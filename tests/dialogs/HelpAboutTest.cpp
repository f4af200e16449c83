// The help and about dialogs in the real program. Modeless copies, fed their
// keys the way the modal loop feeds them, show the procedures at work; the
// commands that open the modal ones are ended from a thread timer.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <string.h>

#include <map>

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "shell/sl/WindowRoutines.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

std::string Text(HWND window)
{
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

COLORREF Pixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

std::vector<std::string> g_shell, g_sounds;  // the sounds with what the thank-you button showed then
HWND g_thanks;
BOOL RecordShell(SHELLEXECUTEINFOA* i)
{
    g_shell.push_back(std::string(i->lpVerb) + " " + i->lpFile + (i->lpParameters || i->hwnd ? " +" : ""));
    return TRUE;
}
BOOL WINAPI RecordSound(LPCSTR sound, HMODULE, DWORD flags)
{
    g_sounds.push_back(std::to_string((ULONG_PTR)sound) + (flags & SND_ASYNC ? " async " : " sync ") +
                       Text(g_thanks) + (GetUpdateRect(g_thanks, NULL, FALSE) ? " unpainted" : ""));
    return TRUE;
}

std::string g_painted;  // the link statics, in the order they paint
WNDPROC g_staticProc;
LRESULT CALLBACK RecordPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        g_painted += GetDlgCtrlID(window) == IDC_ABOUT_WEB ? "W" : "M";
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

std::string g_opened;  // the modal dialog's title, and whether the marker showed
BOOL CALLBACK EndShownDialog(HWND d, LPARAM)
{
    char name[16];
    if (!IsWindowVisible(d) || !GetClassNameA(d, name, sizeof name) || strcmp(name, "#32770") != 0)
        return TRUE;
    g_opened = Text(d) + (g_krelmot->IsDirectionMarkerActive() ? " marker" : "");
    EndDialog(d, 0);
    return FALSE;
}
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), EndShownDialog, 0); }

class DialogTest : public ShellTest {
protected:
    void SetUp()
    {
        ShellTest::SetUp();
        g_shellExecute = RecordShell;
        g_playSound = RecordSound;
        g_shell.clear(), g_sounds.clear();
    }
    HWND Open(int id)
    {
        HWND d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(id), k->mainWindow,
                                    id == IDD_HELP ? HelpDialogProc : AboutDialogProc, (LPARAM)&about);
        ShowWindow(d, SW_SHOW);
        UpdateWindow(d);
        return d;
    }
    // A key as the modal loop handles it; false once the dialog has ended (hidden).
    bool Press(HWND d, WPARAM key)
    {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(d, &msg))
                DispatchMessageA(&msg);
        return IsWindowVisible(d);
    }
    CAboutDialog about;
};

}

TEST_F(DialogTest, F1AndTheAboutCommandOpenTheirDialogsOverAHiddenMarker)
{
    k->ChangeLanguage(LANG_ENGLISH);
    for (auto open : {std::make_pair(VK_F1, "Help"), std::make_pair(0, "About ...")}) {
        Layout(10, 10);
        MoveMouse(FromHeroCentre(20, 3));
        ASSERT_TRUE(k->IsDirectionMarkerActive());
        UINT_PTR timer = SetTimer(NULL, 0, 10, Tick);
        open.first ? Key(open.first) : (void)SendMessageA(k->mainWindow, WM_COMMAND, CMD_ABOUT, 0);
        KillTimer(NULL, timer);
        EXPECT_EQ(open.second, g_opened);
    }
}

TEST_F(DialogTest, HelpShowsTheTextOfTheLanguageAndThanksWithTheSoundToItsEndThenCloses)
{
    const struct { int language; bool sound; const char *texts, *start; int resource; } cases[] = {
        {LANG_FRENCH, true, "Aide|Merci Tessarin Software !|KRELMOT", "\r\n Krelmot est bas\xe9 sur", 225},
        {LANG_ENGLISH, false, "Help|Thank you Tessarin Software !|KRELMOT", "\r\n Krelmot is based on", 263},
    };
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        k->settings.son.value = c.sound;
        g_sounds.clear();
        HWND d = Open(IDD_HELP);
        g_thanks = GetDlgItem(d, IDC_HELP_THANKS);
        EXPECT_EQ(c.texts, Text(d) + "|" + Text(g_thanks) + "|" + Text(GetDlgItem(d, IDC_HELP_TITLE)));
        const char* data;
        DWORD size;
        ASSERT_EQ(0, SL_LoadResText(c.resource, &data, &size));
        EXPECT_EQ(std::string(data, size), Text(GetDlgItem(d, IDC_HELP_TEXT)));
        EXPECT_EQ(0, strncmp(c.start, data, strlen(c.start)));
        SendMessageA(g_thanks, BM_CLICK, 0, 0);
        // The answer is painted before the sound holds the thread, and the sound ends before the dialog.
        EXPECT_EQ(c.sound ? std::vector<std::string>{"238 sync De rien !"} : std::vector<std::string>{}, g_sounds);
        EXPECT_FALSE(IsWindowVisible(d));
        DestroyWindow(d);
    }
}

TEST_F(DialogTest, EscapeDoesNothingEnterClosesTheAboutBoxOnly)
{
    const struct { int dialog; WPARAM key; bool stays; } cases[] = {
        {IDD_HELP, VK_ESCAPE, true}, {IDD_HELP, VK_RETURN, true},
        {IDD_ABOUT, VK_ESCAPE, true}, {IDD_ABOUT, VK_RETURN, false}};
    for (auto& c : cases) {
        HWND d = Open(c.dialog);
        EXPECT_EQ(c.stays, Press(d, c.key)) << c.dialog << " " << c.key;
        DestroyWindow(d);
    }
}

TEST_F(DialogTest, GreyGradientsTurnOverWhenPressedAndTheTextIsLightGreyOnBlack)
{
    HWND d = Open(IDD_HELP), edit = GetDlgItem(d, IDC_HELP_TEXT);
    // Grey levels at both ends, in the middle (give or take 5) and in the last band.
    const struct { int control; bool pressed; int ends, middle, last; } cases[] = {
        {IDC_HELP_TITLE, false, 255, 0, 0}, {IDC_HELP_THANKS, false, 255, 0, 0}, {IDC_HELP_THANKS, true, 0, 255, 255}};
    for (auto& c : cases) {
        HWND control = GetDlgItem(d, c.control);
        SendMessageA(control, BM_SETSTATE, c.pressed, 0);
        UpdateWindow(control);
        RECT r;
        GetClientRect(control, &r);
        const int x[] = {0, r.right / 2, r.right * 506 / 509, r.right - 1};
        const int level[] = {c.ends, c.middle, c.ends, c.last};
        for (int i = 0; i < 4; ++i) {
            COLORREF colour = Pixel(control, x[i], 2);
            EXPECT_EQ(RGB(GetRValue(colour), GetRValue(colour), GetRValue(colour)), colour) << "grey";
            EXPECT_NEAR(level[i], GetRValue(colour), i == 3 ? 0 : 5) << c.control << " at " << x[i];
        }
    }
    std::map<COLORREF, int> colours;
    for (int y = 0; y < 150; y += 3)
        for (int x = 0; x < 500; x += 3)
            ++colours[Pixel(edit, x, y)];
    EXPECT_EQ(2u, colours.size());
    EXPECT_GT(colours[RGB(0, 0, 0)], colours[RGB(220, 220, 220)]);
    EXPECT_GT(colours[RGB(220, 220, 220)], 50) << "light grey text on black";
    // The edit may keep its brush as long as it likes: a stock one, never deleted.
    HDC dc = GetDC(edit);
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), (HGDIOBJ)SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)edit));
    ReleaseDC(edit, dc);
    DestroyWindow(d);
}

TEST_F(DialogTest, LinksLightUnderThePointerOldOneFirstAndOpenWhenClicked)
{
    const struct { int language; const char *texts, *mailCommand; } cases[] = {
        {LANG_FRENCH,
         "A propos ...|Site web: https://krelmot.example.org/|Remarques et suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20FR"},
        {LANG_ENGLISH, "About ...|Web site: https://krelmot.example.org/|Remarks and suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20EN"},
    };
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        HWND d = Open(IDD_ABOUT), web = GetDlgItem(d, IDC_ABOUT_WEB), mail = GetDlgItem(d, IDC_ABOUT_MAIL);
        HWND credits = GetDlgItem(d, IDC_ABOUT_CREDITS);
        EXPECT_EQ(c.texts, Text(d) + "|" + Text(web) + "|" + Text(mail));
        RECT room, needed;
        GetClientRect(credits, &room);
        needed = room;
        HDC dc = GetDC(credits);
        SelectObject(dc, (HFONT)SendMessageA(credits, WM_GETFONT, 0, 0));
        DrawTextA(dc, Text(credits).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
        ReleaseDC(credits, dc);
        EXPECT_LE(needed.bottom, room.bottom) << "the whole credit text shows";

        g_staticProc = (WNDPROC)SetWindowLongPtrA(web, GWLP_WNDPROC, (LONG_PTR)RecordPaint);
        SetWindowLongPtrA(mail, GWLP_WNDPROC, (LONG_PTR)RecordPaint);
        // Each move, then a click where the pointer stopped.
        const struct { HWND under; const char* painted; std::vector<std::string> commands; } moves[] = {
            {web, "W", {"open https://krelmot.example.org/"}}, {mail, "WM", {c.mailCommand}}, {credits, "M", {}},
            {d, "", {}}, {mail, "M", {c.mailCommand}}};
        for (auto& m : moves) {
            HWND hot = m.under == web || m.under == mail ? m.under : 0;
            RECT r;
            GetWindowRect(m.under, &r);
            POINT p = {r.left + 3, r.top + 3};
            ScreenToClient(d, &p);
            g_painted.clear(), g_shell.clear();
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x + 1, p.y));
            EXPECT_EQ(m.painted, g_painted) << &m - moves << ": a move on the same link repaints nothing";
            EXPECT_EQ(hot, about.hot);
            for (HWND link : {web, mail})
                EXPECT_EQ(GetSysColor(link == hot ? COLOR_INFOBK : COLOR_BTNFACE), Pixel(link, 2, 2)) << &m - moves;
            SendMessageA(d, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y));
            EXPECT_EQ(m.commands, g_shell) << &m - moves;
        }
        DestroyWindow(d);
    }
}
