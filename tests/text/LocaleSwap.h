// Puts a locale reader of the test's own in place of the system's while it lives.
#ifndef KRELMOT_TESTS_TEXT_LOCALESWAP_H
#define KRELMOT_TESTS_TEXT_LOCALESWAP_H

#include <string>

#include "text/Locale.h"

class CLocaleSwap {
public:
    // A locale that reads as this text.
    explicit CLocaleSwap(const std::string& text) : previous(g_localeReader)
    {
        Value() = text;
        g_localeReader = ReadValue;
    }
    // A locale that cannot be read (missing key, over-long value).
    CLocaleSwap() : previous(g_localeReader) { g_localeReader = Fail; }
    ~CLocaleSwap() { g_localeReader = previous; }

private:
    CLocaleSwap(const CLocaleSwap&);
    CLocaleSwap& operator=(const CLocaleSwap&);

    static std::string& Value()
    {
        static std::string value;
        return value;
    }
    static int ReadValue(std::string& value)
    {
        value = Value();
        return 0;
    }
    static int Fail(std::string&) { return -1; }

    LocaleReader previous;
};

#endif
