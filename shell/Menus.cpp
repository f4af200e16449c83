// The menu bar and the board's context menu: the language check mark, the
// greyed action commands and the help line of the highlighted item. The menu
// is always fetched from the window; no handle is kept.
#include "shell/Krelmot.h"
#include "shell/StatusBar.h"
#include "shell/ToolBand.h"

namespace {

const int LANGUAGE_MENU = 2;
const int ACTION_MENU = 1;
const int HELP_LINE_OFFSET = 1000;

HMENU SubMenu(HWND window, int position)
{
    HMENU menu = GetMenu(window);
    return menu ? GetSubMenu(menu, position) : 0;
}

}

void CKrelmot::CheckLanguageItem(int oldLanguage, int newLanguage)
{
    HMENU languages = SubMenu(mainWindow, LANGUAGE_MENU);
    if (!languages)
        return;
    if (oldLanguage != newLanguage)
        CheckMenuItem(languages, oldLanguage, MF_BYPOSITION | MF_UNCHECKED);
    CheckMenuItem(languages, newLanguage, MF_BYPOSITION | MF_CHECKED);
}

// The menu item and the toolbar button of one command, together.
void CKrelmot::SetActionItem(int id, bool enabled)
{
    HMENU actions = SubMenu(mainWindow, ACTION_MENU);
    if (actions)
        EnableMenuItem(actions, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    if (toolBand)
        toolBand->EnableButton(id, enabled);
}

void CKrelmot::EnableActionCommands(bool enabled)
{
    static const int ids[] = {CMD_TELEPORT, CMD_SONIC, CMD_HELLO, CMD_REMAIN};
    for (int id : ids)
        SetActionItem(id, enabled);
}

void CKrelmot::EnableSonicCommand(bool enabled) { SetActionItem(CMD_SONIC, enabled); }

void CKrelmot::OnMenuSelect(int id, UINT flags)
{
    if (!statusBar)
        return;
    const char* help = (flags & (MF_POPUP | MF_SEPARATOR)) ? 0 : texts.GetText(id + HELP_LINE_OFFSET);
    statusBar->SetMessage(help);
}

void CKrelmot::OnMenuLoopEnd()
{
    if (statusBar)
        statusBar->SetMessage(NULL);
}

bool CKrelmot::OnContextMenu(int screenX, int screenY)
{
    POINT at = {screenX, screenY};
    if (screenX == -1 && screenY == -1) {
        // From the keyboard: the menu opens on the hero.
        at.x = hero.x + CELL_PITCH / 2;
        at.y = hero.y + CELL_PITCH / 2;
        ClientToScreen(mainWindow, &at);
    } else {
        POINT client = at;
        RECT area;
        ScreenToClient(mainWindow, &client);
        GetClientRect(mainWindow, &area);
        if (!PtInRect(&area, client))
            return false;
    }
    HideDirectionMarker((HDC)0);
    HMENU actions = SubMenu(mainWindow, ACTION_MENU);
    if (actions)
        TrackPopupMenu(actions, TPM_NONOTIFY, at.x, at.y, 0, mainWindow, NULL);
    return true;
}
