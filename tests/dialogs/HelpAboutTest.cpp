// The help dialog in the real program. A modeless copy, fed its keys the way
// the modal loop feeds them, shows the procedure at work; the key that opens
// the modal one is followed by a thread timer that ends it.
#include <windows.h>
#include <mmsystem.h>
#include <string.h>

#include <map>

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

std::vector<std::string> g_sounds;  // the sounds with what the thank-you button showed then
HWND g_thanks;
BOOL WINAPI RecordSound(LPCSTR sound, HMODULE, DWORD flags)
{
    g_sounds.push_back(std::to_string((ULONG_PTR)sound) + (flags & SND_ASYNC ? " async " : " sync ") +
                       Text(g_thanks) + (GetUpdateRect(g_thanks, NULL, FALSE) ? " unpainted" : ""));
    return TRUE;
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
        g_playSound = RecordSound;
        g_sounds.clear();
    }
    HWND Open(int id)
    {
        HWND d = CreateDialogParamA(k->instance, MAKEINTRESOURCEA(id), k->mainWindow, HelpDialogProc, 0);
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
};

}

TEST_F(DialogTest, F1OpensTheHelpOverAHiddenMarker)
{
    k->ChangeLanguage(LANG_ENGLISH);
    Layout(10, 10);
    MoveMouse(FromHeroCentre(20, 3));
    ASSERT_TRUE(k->IsDirectionMarkerActive());
    UINT_PTR timer = SetTimer(NULL, 0, 10, Tick);
    Key(VK_F1);
    KillTimer(NULL, timer);
    EXPECT_EQ("Help", g_opened);
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

TEST_F(DialogTest, NeitherEscapeNorEnterClosesTheHelp)
{
    const struct { int dialog; WPARAM key; bool stays; } cases[] = {
        {IDD_HELP, VK_ESCAPE, true}, {IDD_HELP, VK_RETURN, true}};
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
