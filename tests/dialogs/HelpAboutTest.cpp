// The help and about dialogs in the real program, modeless, fed keys as the modal loop feeds them.
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "shell/sl/WindowRoutines.h"
#include "tests/dialogs/DialogFixture.h"
#include "view/Sound.h"

namespace {

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

HWND Open(int id, CAboutDialog* about)
{
    HWND d = CreateDialogParamA(g_krelmot->instance, MAKEINTRESOURCEA(id), g_krelmot->mainWindow,
                                id == IDD_HELP ? HelpDialogProc : AboutDialogProc, (LPARAM)about);
    ShowWindow(d, SW_SHOW);
    UpdateWindow(d);
    return d;
}

bool Press(HWND d, WPARAM key)  // as the modal loop hands a key over; false once the dialog has ended
{
    MSG msg = {GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    IsDialogMessageA(d, &msg);
    return IsWindowVisible(d);
}

// The modal dialog a command opened, its title kept, ended from a thread timer: a sheet by its Cancel
// button, which a dialog ignores.
std::string g_opened;
void CALLBACK EndDialogSoon(HWND, UINT, UINT_PTR, DWORD)
{
    HWND d = GetLastActivePopup(g_krelmot->mainWindow);
    if (d == g_krelmot->mainWindow)
        return;
    g_opened += Text(d) + (g_krelmot->IsDirectionMarkerActive() ? " over the marker|" : "|");
    SendMessageA(d, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EndDialog(d, 0);
}

}

using DialogTest = ShellTest;

TEST_F(DialogTest, TheirKeysAndCommandsOpenTheDialogsOverAHiddenMarker)
{
    k->ChangeLanguage(LANG_ENGLISH);
    const struct { WPARAM key; int command; } openings[] = {
        {VK_F1, 0}, {0, CMD_HELP}, {0, CMD_ABOUT}, {'O', 0}, {0, CMD_OPTIONS}};
    for (auto& open : openings) {
        Layout(10, 10);
        MoveMouse(FromHeroCentre(20, 3));
        ASSERT_TRUE(k->IsDirectionMarkerActive());
        UINT_PTR timer = SetTimer(NULL, 0, 10, EndDialogSoon);
        open.key ? Key(open.key) : Command(open.command);
        KillTimer(NULL, timer);
    }
    EXPECT_EQ("Help|Help|About ...|Options|Options|", g_opened);
}

// The help: light grey on black, grey gradient bands, a thank-you button its only way out, its answer painted
// before the sound holds the thread. The about box: a link lights under the pointer, a click opens it, Enter closes.
TEST_F(DialogTest, EachDialogSpeaksTheLanguageAndAnswersKeysClicksAndThePointer)
{
    g_shellExecute = RecordShell;
    g_playSound = RecordSound;
    const struct { int language; bool sound; const char *help, *start, *about, *mail; } cases[] = {
        {LANG_FRENCH, true, "Aide|Merci Tessarin Software !|KRELMOT", "\r\n Krelmot est bas\xe9 sur",
         "A propos ...|Site web: https://krelmot.example.org/|Remarques et suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20FR"},
        {LANG_ENGLISH, false, "Help|Thank you Tessarin Software !|KRELMOT", "\r\n Krelmot is based on",
         "About ...|Web site: https://krelmot.example.org/|Remarks and suggestions: krelmot@example.org",
         "open mailto:krelmot@example.org?subject=Krelmot%201.0%20EN"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.language);
        k->ChangeLanguage(c.language);
        k->settings.son.value = c.sound;
        g_sound.clear();
        HWND d = Open(IDD_HELP, 0), edit = GetDlgItem(d, IDC_HELP_TEXT), title = GetDlgItem(d, IDC_HELP_TITLE);
        g_thanks = GetDlgItem(d, IDC_HELP_THANKS);
        EXPECT_EQ(c.help, Text(d) + "|" + Text(g_thanks) + "|" + Text(title));
        EXPECT_EQ(0u, Text(edit).find(c.start));
        HDC dc = GetDC(edit);  // a stock brush, which the edit may keep as long as it likes
        EXPECT_EQ(GetStockObject(BLACK_BRUSH), (HGDIOBJ)SendMessageA(d, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)edit));
        EXPECT_EQ(RGB(220, 220, 220), GetTextColor(dc));
        ReleaseDC(edit, dc);
        EXPECT_TRUE(Press(d, VK_ESCAPE) && Press(d, VK_RETURN));
        // Grey levels at the left end and in the middle: the sweep's direction, the rest is SL_DrawGradientItem's.
        const struct { HWND control; bool pressed; int end, middle; } bands[] = {
            {title, false, 255, 0}, {g_thanks, false, 255, 0}, {g_thanks, true, 0, 255}};
        for (auto& b : bands) {
            SendMessageA(b.control, BM_SETSTATE, b.pressed, 0);
            RECT r;
            GetClientRect(b.control, &r);
            for (LONG x : {0L, r.right / 2})
                EXPECT_NEAR(x ? b.middle : b.end, GetRValue(Pixel(b.control, x, 2)), 5) << GetDlgCtrlID(b.control) << x;
        }
        SendMessageA(g_thanks, BM_CLICK, 0, 0);
        EXPECT_EQ(c.sound ? "238 sync De rien !" : "", g_sound);
        EXPECT_FALSE(IsWindowVisible(d));

        CAboutDialog about;
        d = Open(IDD_ABOUT, &about);
        HWND web = GetDlgItem(d, IDC_ABOUT_WEB), mail = GetDlgItem(d, IDC_ABOUT_MAIL);
        EXPECT_EQ(c.about, Text(d) + "|" + Text(web) + "|" + Text(mail));
        const struct { HWND under; std::vector<std::string> commands; } moves[] = {
            {web, {"open https://krelmot.example.org/"}}, {mail, {c.mail}}, {GetDlgItem(d, IDC_ABOUT_CREDITS), {}},
            {d, {}}, {mail, {c.mail}}};
        for (auto& m : moves) {  // a move, then a click where the pointer stopped
            SCOPED_TRACE(&m - moves);
            POINT p = {3, 3};
            MapWindowPoints(m.under, d, &p, 1);
            g_shell.clear();
            SendMessageA(d, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
            for (HWND link : {web, mail})
                EXPECT_EQ(GetSysColor(link == m.under ? COLOR_INFOBK : COLOR_BTNFACE), Pixel(link, 2, 2));
            SendMessageA(d, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y));
            EXPECT_EQ(m.commands, g_shell);
        }
        EXPECT_TRUE(Press(d, VK_ESCAPE));
        EXPECT_FALSE(Press(d, VK_RETURN));
        DestroyWindow(d);
    }
}
