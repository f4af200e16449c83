#include "text/Locale.h"

#include <stdlib.h>

#include "text/Language.h"

namespace {

const long PRIMARY_LANGUAGE_MASK = 0x3FF;
const long PRIMARY_LANGUAGE_FRENCH = 0x0C;

}

LocaleReader g_localeReader = ReadSystemLocale;

int LanguageOfLocale(const std::string& value)
{
    // strtol stops at the first character that is not a hexadecimal digit;
    // a text with none reads as 0, which is not French.
    long locale = strtol(value.c_str(), 0, 16);
    return (locale & PRIMARY_LANGUAGE_MASK) == PRIMARY_LANGUAGE_FRENCH ? LANG_FRENCH : LANG_ENGLISH;
}

#ifdef _WIN32

namespace {

// The registry read gets 16 bytes at most; one more keeps a value that fills
// them (a binary one carries no terminator) a proper string.
const DWORD LOCALE_VALUE_SIZE = 16;

}

int ReadSystemLocale(std::string& value)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return -1;
    const char* keyName = ".DEFAULT\\Control Panel\\International";
    const char* valueName = "Locale";
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) {
        keyName = ".Default\\Control Panel\\desktop\\ResourceLocale";
        valueName = NULL;
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_USERS, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    char data[LOCALE_VALUE_SIZE + 1] = {};
    DWORD size = LOCALE_VALUE_SIZE;
    LONG result = RegQueryValueExA(key, valueName, NULL, NULL, (BYTE*)data, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return -1;
    value = data;
    return 0;
}

#else

int ReadSystemLocale(std::string& value)
{
    // Natively there is no registry: English, as for a failed read.
    value.clear();
    return -1;
}

#endif
