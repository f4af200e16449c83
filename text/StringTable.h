// Every text the user reads, in French and in English, under integer
// identifiers. A menu item's text has its command id, its status-bar help the
// command id + 1000, a menu-bar header 5000 + its position, a dialog control's
// text its control id.
#ifndef KRELMOT_TEXT_STRINGTABLE_H
#define KRELMOT_TEXT_STRINGTABLE_H

#include <map>
#include <string>

#include "text/Language.h"

class CStringTable {
public:
    // Detects the default language; the current language starts as it, so
    // that a lookup before the settings are read is still well defined.
    CStringTable();

    // 0, or -1 when the identifier already has a text in that language (the
    // first text stays) or the language is not one of ours. The text is copied.
    int RegisterText(int language, int id, const char* text);
    // The text in the current language, or null. The pointer stays valid as
    // long as the table: entries never change once registered.
    const char* GetText(int id) const;

    int GetLanguage() const { return language; }
    // Only the language of later lookups; re-texting the windows is another step.
    int SetLanguage(int newLanguage);
    int GetDefaultLanguage() const { return defaultLanguage; }
    // 0, or -1 when the locale could not be read (English is then the default).
    int DetectDefaultLanguage();

    std::map<int, std::string> tables[LANGUAGE_COUNT];
    int language;
    int defaultLanguage;
};

// All 104 texts of the program in both languages.
int RegisterAllTexts(CStringTable& table);

#endif
