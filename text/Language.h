// The two languages of every text: the index of a string table, the value of
// the language setting and the position of the Language menu's items.
#ifndef KRELMOT_TEXT_LANGUAGE_H
#define KRELMOT_TEXT_LANGUAGE_H

#ifdef _WIN32
// The system's headers give the same two names to their own language
// identifiers (0x0C and 0x09). Seeing them first, and only once thanks to
// their include guards, lets ours win in every file that includes this one.
#include <windows.h>
#undef LANG_FRENCH
#undef LANG_ENGLISH
#endif

const int LANG_FRENCH = 0;
const int LANG_ENGLISH = 1;
const int LANGUAGE_COUNT = 2;

inline bool IsLanguage(int language) { return language == LANG_FRENCH || language == LANG_ENGLISH; }

#endif
