// The help and about dialogs in the real program: modeless copies fed their
// keys as the modal loop feeds them, and the commands that open the modal
// ones, ended from a thread timer.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <string.h>

#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "shell/sl/WindowRoutines.h"
#include "tests/shell/ShellFixture.h"
#include "view/Sound.h"

namespace {

std::string Text(HWND window)
{
    char text[4096] = "";
    return std::string(text, GetWindowTextA(window, text, sizeof text));
}

COLORREF Pixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

// The shell's commands; the sounds, with what the thank-you button showed then.
std::vector<std::string> g_shell;
std::string g_sound;
HWND g_thanks;
BOOL RecordShell(SHELLEXECUTEINFOA* i)
{
    g_shell.push_back(std::string(i->lpVerb) + " " + i->lpFile + (i->lpParameters || i->hwnd ? " +" : ""));
    return TRUE;
}
BOOL WINAPI RecordSound(LPCSTR sound, HMODULE, DWORD flags)
{
    g_sound += std::to_string((ULONG_PTR)sound) + (flags & SND_ASYNC ? " async " : " sync ") + Text(g_thanks) +
               (GetUpdateRect(g_thanks, NULL, FALSE) ? " unpainted" : "");
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

std::string g_opened;  // each modal dialog's title, and whether the marker showed
VOID CALLBACK EndModal(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = GetLastActivePopup(g_krelmot->mainWindow);
    if (d == g_krelmot->mainWindow)
        return;
    g_opened += Text(d) + (g_krelmot->IsDirectionMarkerActive() ? " marker|" : "|");
    EndDialog(d, 0);
}

// A key as the modal loop hands it over; false once the dialog has ended (hidden).
bool Press(HWND d, WPARAM key)
{
    MSG msg = {GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    IsDialogMessageA(d, &msg);
    return IsWindowVisible(d);
}

class DialogTest : public ShellTest {
protected:
    void SetUp()
    {
        ShellTest::SetUp();
        g_shellExecute = RecordShell;
        g_playSound = RecordSound;
    }
    HWND Open(int id)
    {
        HWND d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(id), k->mainWindow,
                                    id == IDD_HELP ? HelpDialogProc : AboutDialogProc, (LPARAM)&about);
        ShowWindow(d, SW_SHOW);
        UpdateWindow(d);
        return d;
    }
    CAboutDialog about;
};

}

TEST_F(DialogTest, F1AndTheAboutCommandOpenTheirDialogsOverAHiddenMarker)
{
    k->ChangeLanguage(LANG_ENGLISH);
    for (bool about : {false, true}) {
        Layout(10, 10);
        MoveMouse(FromHeroCentre(20, 3));
        ASSERT_TRUE(k->IsDirectionMarkerActive());
        UINT_PTR timer = SetTimer(NULL, 0, 10, EndModal);
        about ? Command(CMD_ABOUT) : Key(VK_F1);
        KillTimer(NULL, timer);
    }
    EXPECT_EQ("Help|About ...|", g_opened);
}

// Neither Escape nor Enter closes the help: the thank-you button does, its
// answer painted before the sound holds the thread, the sound ended before it.
// In the about box the old link goes dark before the new one lights, a click
// gives the shell the lit link's command, and Enter closes.
TEST_F(DialogTest, EachDialogSpeaksTheLanguageAndAnswersKeysClicksAndThePointer)
{
    const struct { int language; bool sound; const char *help, *start; int resource; const char *about, *mail; } cases[] =
    {
        {LANG_FRENCH, true, "Aide|Merci Tessarin Software !|KRELMOT", "\r\n Krelmot est bas\xe9 sur", 225,
         "A propos ...|Site web: https://krelmot.example.org/|Remarques et suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20FR"},
        {LANG_ENGLISH, false, "Help|Thank you Tessarin Software !|KRELMOT", "\r\n Krelmot is based on", 263,
         "About ...|Web site: https://krelmot.example.org/|Remarks and suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20EN"},
    };
    for (auto& c : cases) {
        k->ChangeLanguage(c.language);
        k->settings.son.value = c.sound;
        g_sound.clear();
        HWND d = Open(IDD_HELP), edit = GetDlgItem(d, IDC_HELP_TEXT), title = GetDlgItem(d, IDC_HELP_TITLE);
        g_thanks = GetDlgItem(d, IDC_HELP_THANKS);
        EXPECT_EQ(c.help, Text(d) + "|" + Text(g_thanks) + "|" + Text(title));
        const char* data;
        DWORD size;
        ASSERT_EQ(0, SL_LoadResText(c.resource, &data, &size));
        EXPECT_EQ(std::string(data, size), Text(edit));
        EXPECT_EQ(0, strncmp(c.start, data, strlen(c.start)));
        // The edit may keep its brush as long as it likes: a stock one, never deleted.
        HDC dc = GetDC(edit);
        EXPECT_EQ(GetStockObject(BLACK_BRUSH), (HGDIOBJ)SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)edit));
        EXPECT_EQ(RGB(220, 220, 220), GetTextColor(dc));
        ReleaseDC(edit, dc);
        EXPECT_TRUE(Press(d, VK_ESCAPE) && Press(d, VK_RETURN));
        // Grey levels at both ends, in the middle (give or take 5) and in the last band.
        const struct { HWND control; bool pressed; int ends, middle, last; } bands[] = {
            {title, false, 255, 0, 0}, {g_thanks, false, 255, 0, 0}, {g_thanks, true, 0, 255, 255}};
        for (auto& b : bands) {
            SendMessageA(b.control, BM_SETSTATE, b.pressed, 0);
            UpdateWindow(b.control);
            RECT r;
            GetClientRect(b.control, &r);
            const int x[] = {0, r.right / 2, r.right * 506 / 509, r.right - 1};
            const int level[] = {b.ends, b.middle, b.ends, b.last};
            for (int i = 0; i < 4; ++i) {
                COLORREF colour = Pixel(b.control, x[i], 2);
                EXPECT_EQ(RGB(GetRValue(colour), GetRValue(colour), GetRValue(colour)), colour) << "grey";
                EXPECT_NEAR(level[i], GetRValue(colour), i == 3 ? 0 : 5) << GetDlgCtrlID(b.control) << " at " << x[i];
            }
        }
        SendMessageA(g_thanks, BM_CLICK, 0, 0);
        EXPECT_EQ(c.sound ? "238 sync De rien !" : "", g_sound);
        EXPECT_FALSE(IsWindowVisible(d));

        d = Open(IDD_ABOUT);
        HWND web = GetDlgItem(d, IDC_ABOUT_WEB), mail = GetDlgItem(d, IDC_ABOUT_MAIL);
        EXPECT_EQ(c.about, Text(d) + "|" + Text(web) + "|" + Text(mail));
        g_staticProc = (WNDPROC)SetWindowLongPtrA(web, GWLP_WNDPROC, (LONG_PTR)RecordPaint);
        SetWindowLongPtrA(mail, GWLP_WNDPROC, (LONG_PTR)RecordPaint);
        // Each move, then a click where the pointer stopped.
        const struct { HWND under; const char* painted; std::vector<std::string> commands; } moves[] = {
            {web, "W", {"open https://krelmot.example.org/"}}, {mail, "WM", {c.mail}},
            {GetDlgItem(d, IDC_ABOUT_CREDITS), "M", {}}, {d, "", {}}, {mail, "M", {c.mail}}};
        for (auto& m : moves) {
            HWND hot = m.under == web || m.under == mail ? m.under : 0;
            RECT r;
            GetWindowRect(m.under, &r);
            POINT p = {r.left + 3, r.top + 3};
            ScreenToClient(d, &p);
            g_painted.clear();
            g_shell.clear();
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x + 1, p.y));
            EXPECT_EQ(m.painted, g_painted) << &m - moves << ": a move on the same link repaints nothing";
            for (HWND link : {web, mail})
                EXPECT_EQ(GetSysColor(link == hot ? COLOR_INFOBK : COLOR_BTNFACE), Pixel(link, 2, 2)) << &m - moves;
            SendMessageA(d, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y));
            EXPECT_EQ(m.commands, g_shell) << &m - moves;
        }
        EXPECT_TRUE(Press(d, VK_ESCAPE));
        EXPECT_FALSE(Press(d, VK_RETURN));
    }
}
