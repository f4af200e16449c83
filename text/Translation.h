// The windows' texts in the current language, overwritten at run time from
// the string table: the resources are written once, in French. A menu item's
// text is found under its command id (a menu-bar header under the base id
// plus its position), a control's under its control id, a toolbar button's
// label under the text id the button carries in its data.
#ifndef KRELMOT_TEXT_TRANSLATION_H
#define KRELMOT_TEXT_TRANSLATION_H

#include <windows.h>

class CStringTable;

// Items without a text keep theirs; separators are left alone.
void TranslateMenu(const CStringTable& texts, HMENU menu, int baseId);
void TranslateMenuBar(const CStringTable& texts, HWND window, int baseId);
// Every descendant by its control id, then the title by titleId (0: kept).
void TranslateWindow(const CStringTable& texts, HWND window, int titleId);
// Separators carry 0, which has no text.
void TranslateToolbar(const CStringTable& texts, HWND toolbar);

#endif
