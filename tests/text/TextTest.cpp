// The string table and the program's texts: registration and lookups, the
// first language from the user's locale (under Wine from the registry of the
// test's own prefix too), and all 104 texts in Windows-1252.
#include <gtest/gtest.h>

#include "tests/shell/MessageRecorder.h"
#include "text/Locale.h"
#include "text/StringTable.h"
#ifdef _WIN32
#include <winnt.h>
static_assert(LANG_FRENCH == 0 && LANG_ENGLISH == 1, "the system's headers must not redefine our languages");
#endif

namespace {

// A locale of the test's own in place of the system's while it lives; null: unreadable.
struct CLocaleSwap {
    explicit CLocaleSwap(const char* text) : previous(g_localeReader) { Text() = text; g_localeReader = Read; }
    ~CLocaleSwap() { g_localeReader = previous; }
    static const char*& Text() { static const char* text; return text; }
    static int Read(std::string& value) { if (!Text()) return -1; value = Text(); return 0; }
    LocaleReader previous;
};

// FNV-1a over every "id=text" line of a language, in id order: any changed
// byte, lost text or moved identifier changes it.
uint32_t Hash(const std::map<int, std::string>& table)
{
    uint32_t h = 2166136261u;
    for (auto& t : table)
        for (char c : std::to_string(t.first) + "=" + t.second + '\n') h = (h ^ (unsigned char)c) * 16777619u;
    return h;
}

}

// The hashes come from a table of the 104 texts written with escapes, not
// through the compiler's conversion: any byte converted otherwise changes them.
TEST(Texts, AllTheProgramsTextsAreRegisteredInBothLanguagesInWindows1252)
{
    CLocaleSwap english("00000409");
    CStringTable table;
    EXPECT_EQ(0, RegisterAllTexts(table)) << "and no box: any would fail the test";
    const uint32_t hashes[] = {0x014eee20, 0xb619f439};
    for (int language : {LANG_FRENCH, LANG_ENGLISH}) {
        EXPECT_EQ(104u, table.tables[language].size());
        EXPECT_EQ(hashes[language], Hash(table.tables[language])) << "a text or an identifier changed: " << language;
    }
}

// Registrations, then lookups after a change of language (or a refused one:
// the system's own French identifier too), in order; the table copies the texts.
TEST(StringTable, TheFirstTextOfAnIdentifierStaysAndLookupsUseTheCurrentLanguage)
{
    CLocaleSwap english("00000409");
    CMessageRecorder recorder;
    CStringTable table;
    char source[] = "Tableau:%d";
    const struct { int language, id; const char* text; int result; } registrations[] = {
        {LANG_FRENCH, 32822, source, 0}, {LANG_FRENCH, 32822, "Niveau:%d", -1}, {LANG_ENGLISH, 32822, "Level:%d", 0},
        {LANG_ENGLISH, 6, "", 0}, {LANG_ENGLISH, -3, "minus three", 0}, {2, 1, "x", -1}, {-1, 1, "x", -1},
        {LANG_FRENCH, 1, nullptr, -1}};
    for (auto& r : registrations) EXPECT_EQ(r.result, table.RegisterText(r.language, r.id, r.text)) << r.id;
    source[0] = 'X';
    EXPECT_EQ(std::vector<std::string>({"Pb <32822><Niveau:%d> deja defini avec <Tableau:%d>"}), recorder.texts);
    const struct { int language, result, id; const char* text; } lookups[] = {
        {LANG_FRENCH, 0, 32822, "Tableau:%d"}, {LANG_ENGLISH, 0, 32822, "Level:%d"}, {LANG_ENGLISH, 0, 6, ""},
        {LANG_ENGLISH, 0, -3, "minus three"}, {LANG_FRENCH, 0, 6, nullptr}, {LANG_ENGLISH, 0, 1, nullptr},
        {-1, -1, 32822, "Level:%d"}, {2, -1, 32822, "Level:%d"}, {0x0C, -1, 32822, "Level:%d"}};
    for (auto& l : lookups) {
        EXPECT_EQ(l.result, table.SetLanguage(l.language)) << l.language;
        EXPECT_STREQ(l.text, table.GetText(l.id)) << l.language << "/" << l.id;
    }
}

// The last locale cannot be read.
TEST(Locale, AFrenchLocaleOfAnyCountryMakesFrenchTheFirstLanguage)
{
    const std::vector<const char*> locales[] = {
        {"0000040C", "0000080C", "00000C0C", "0000100C", "0000040c", "0x40C", "  40C", "40Czz", "0000000C"},
        {"00000409", "00000407", "0000040D", "0000040B", "", "zz", nullptr}};
    for (int language : {LANG_FRENCH, LANG_ENGLISH})
        for (const char* value : locales[language]) {
            CLocaleSwap swap(value);
            CStringTable table;
            EXPECT_EQ(language, table.GetDefaultLanguage()) << (value ? value : "unreadable");
            EXPECT_EQ(language, table.GetLanguage()) << "the first lookups use it: " << (value ? value : "unreadable");
            EXPECT_EQ(value ? 0 : -1, table.DetectDefaultLanguage()) << (value ? value : "unreadable");
        }
    CLocaleSwap none(nullptr);
    g_localeReader = nullptr;
    EXPECT_EQ(-1, CStringTable().DetectDefaultLanguage());
}

#ifdef _WIN32
// The value's type and bytes (none: deleted), what the read returns and the
// first language. Sixteen characters and the terminator do not fit the
// 16-byte read; sixteen bytes without one do, and are read no further.
TEST(Locale, TheUsersLocaleInTheRegistryChoosesTheFirstLanguage)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_USERS, ".DEFAULT\\Control Panel\\International", 0, NULL, 0,
                                             KEY_READ | KEY_WRITE, NULL, &key, NULL));
    BYTE saved[256];
    DWORD type = 0, size = sizeof saved;
    bool had = RegQueryValueExA(key, "Locale", NULL, &type, saved, &size) == ERROR_SUCCESS;
    const struct { DWORD type; std::string bytes; int read, language; } cases[] = {
        {REG_SZ, std::string("0000040C", 9), 0, LANG_FRENCH}, {REG_SZ, std::string("00000409", 9), 0, LANG_ENGLISH},
        {REG_SZ, std::string("000000000000040C", 17), -1, LANG_ENGLISH},
        {REG_BINARY, "000000000000040C", 0, LANG_FRENCH}, {REG_NONE, "", -1, LANG_ENGLISH}};
    for (auto& c : cases) {
        if (c.type == REG_NONE) RegDeleteValueA(key, "Locale");
        else RegSetValueExA(key, "Locale", 0, c.type, (const BYTE*)c.bytes.data(), (DWORD)c.bytes.size());
        std::string value;
        EXPECT_EQ(c.read, ReadSystemLocale(value)) << c.bytes;
        EXPECT_EQ(c.language, CStringTable().GetDefaultLanguage()) << c.bytes;
    }
    if (had) RegSetValueExA(key, "Locale", 0, type, saved, size);
    RegCloseKey(key);
}
#endif
