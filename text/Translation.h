// The windows' texts in the current language, overwritten at run time from
// the string table: the resources are written once, in French.
#ifndef KRELMOT_TEXT_TRANSLATION_H
#define KRELMOT_TEXT_TRANSLATION_H

#include <windows.h>

class CStringTable;

// Each button's label is the text whose id the button carries in its data;
// separators carry 0, which has no text.
void TranslateToolbar(const CStringTable& texts, HWND toolbar);

#endif
