// The real locale, from the registry of the test's own Wine prefix: each case
// writes the value, reads the first language, and the old state comes back.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "text/Language.h"
#include "text/Locale.h"
#include "text/StringTable.h"

#include <winnt.h>
static_assert(LANG_FRENCH == 0 && LANG_ENGLISH == 1, "the system's headers must not redefine our languages");

namespace {

const char KEY[] = ".DEFAULT\\Control Panel\\International";
const char VALUE[] = "Locale";

// Keeps the key and its value as they were, and puts them back.
class CSavedLocale {
public:
    CSavedLocale() : key(0), created(false), hadValue(false), type(0)
    {
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_USERS, KEY, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key, &disposition) !=
            ERROR_SUCCESS) {
            key = 0;
            return;
        }
        created = disposition == REG_CREATED_NEW_KEY;
        DWORD size = 0;
        if (RegQueryValueExA(key, VALUE, NULL, &type, NULL, &size) == ERROR_SUCCESS) {
            data.resize(size + 1);
            hadValue = RegQueryValueExA(key, VALUE, NULL, &type, &data[0], &size) == ERROR_SUCCESS;
            data.resize(size);
        }
    }
    ~CSavedLocale()
    {
        if (!key)
            return;
        if (hadValue)
            RegSetValueExA(key, VALUE, 0, type, data.empty() ? NULL : &data[0], (DWORD)data.size());
        else
            RegDeleteValueA(key, VALUE);
        RegCloseKey(key);
        if (created)
            RegDeleteKeyA(HKEY_USERS, KEY);
    }

    bool Set(DWORD valueType, const std::string& bytes)
    {
        return RegSetValueExA(key, VALUE, 0, valueType, (const BYTE*)bytes.data(), (DWORD)bytes.size()) ==
               ERROR_SUCCESS;
    }
    bool Remove() { return RegDeleteValueA(key, VALUE) == ERROR_SUCCESS; }

    HKEY key;

private:
    bool created;
    bool hadValue;
    DWORD type;
    std::vector<BYTE> data;
};

TEST(LocaleRegistry, TheUsersLocaleChoosesTheFirstLanguage)
{
    CSavedLocale saved;
    ASSERT_NE((HKEY)0, saved.key);
    const struct {
        DWORD type;
        std::string bytes;
        int read;
        int language;
    } cases[] = {
        {REG_SZ, std::string("0000040C", 9), 0, LANG_FRENCH},
        {REG_SZ, std::string("0000080C", 9), 0, LANG_FRENCH},
        {REG_SZ, std::string("00000C0C", 9), 0, LANG_FRENCH},
        {REG_SZ, std::string("0000100C", 9), 0, LANG_FRENCH},
        {REG_SZ, std::string("00000409", 9), 0, LANG_ENGLISH},
        {REG_SZ, std::string("00000407", 9), 0, LANG_ENGLISH},
        // Sixteen characters and the terminator do not fit the 16-byte read.
        {REG_SZ, std::string("000000000000040C", 17), -1, LANG_ENGLISH},
        // Sixteen bytes without a terminator fit, and are read no further.
        {REG_BINARY, std::string("000000000000040C"), 0, LANG_FRENCH},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        ASSERT_TRUE(saved.Set(cases[i].type, cases[i].bytes)) << i;
        std::string value;
        EXPECT_EQ(cases[i].read, ReadSystemLocale(value)) << cases[i].bytes;
        CStringTable table;
        EXPECT_EQ(cases[i].language, table.GetDefaultLanguage()) << cases[i].bytes;
    }
    ASSERT_TRUE(saved.Remove());
    std::string value;
    EXPECT_EQ(-1, ReadSystemLocale(value));
    CStringTable table;
    EXPECT_EQ(LANG_ENGLISH, table.GetDefaultLanguage()) << "a missing value";
}

}
