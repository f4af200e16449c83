// The first language of the program comes from the user's locale: French for
// a French locale, English for every other.
#ifndef KRELMOT_TEXT_LOCALE_H
#define KRELMOT_TEXT_LOCALE_H

#include <string>

// Fills value with the raw locale identifier text; 0, or -1 when there is none.
typedef int (*LocaleReader)(std::string& value);

// The system's own: the user's locale in the registry. Natively there is no
// registry and it always reports -1.
int ReadSystemLocale(std::string& value);

// Where the string table takes the locale from; tests put their own reader here.
extern LocaleReader g_localeReader;

// The language of a locale identifier written in hexadecimal ("0000040C").
int LanguageOfLocale(const std::string& value);

#endif
