// The program's 104 texts: all there in both languages, byte for byte in
// Windows-1252, with formats that printf both ways.
#include <gtest/gtest.h>

#include <set>

#include "tests/shell/MessageRecorder.h"
#include "tests/text/LocaleSwap.h"
#include "text/StringTable.h"

namespace {

// Menu, menu help, toolbar, status bar, welcome line, options sheet, dialog
// controls, dialog titles and the rest, as other parts of the program look them up.
const int IDS[] = {
    5000,  5001,  5002,  5003,  32792, 32771, 32790, 32779, 32780, 32783, 32782, 32770, 32840, 33792, 33771,
    33790, 33779, 33780, 33783, 33782, 33807, 33808, 33770, 33840, 32813, 32814, 32815, 32816, 32817, 32818,
    32819, 32820, 32821, 32822, 32823, 32824, 32825, 32826, 32827, 32828, 32829, 32793, 32812, 32806, 32809,
    32810, 32811, 32796, 32797, 32798, 32799, 32800, 32801, 32802, 32803, 32804, 32805, 1064,  1062,  1063,
    1059,  1067,  1068,  1065,  1035,  1050,  1005,  1007,  1081,  1048,  1044,  1047,  1049,  1051,  1038,
    1040,  1052,  1054,  1060,  1055,  1056,  1057,  1058,  1061,  1012,  1013,  1069,  1074,  1075,  1080,
    1091,  103,   264,   32838, 110,   111,   32835, 32836, 32837, 32830, 32831, 32832, 32833, 32834,
};

class TextsTest : public ::testing::Test {
protected:
    TextsTest() : swap("00000409")
    {
        CMessageRecorder recorder;
        registered = RegisterAllTexts(table);
        messages = recorder.boxes.size();
    }

    std::string Text(int language, int id)
    {
        table.SetLanguage(language);
        const char* text = table.GetText(id);
        return text ? text : "<none>";
    }

    CLocaleSwap swap;
    CStringTable table;
    int registered;
    size_t messages;
};

TEST_F(TextsTest, EveryIdentifierHasOneTextInEachLanguageAndNoOther)
{
    EXPECT_EQ(0, registered);
    EXPECT_EQ(0u, messages);
    std::set<int> ids(IDS, IDS + sizeof IDS / sizeof IDS[0]);
    ASSERT_EQ(104u, ids.size());
    for (int language = LANG_FRENCH; language <= LANG_ENGLISH; ++language) {
        std::set<int> registeredIds;
        for (std::map<int, std::string>::const_iterator t = table.tables[language].begin();
             t != table.tables[language].end(); ++t)
            registeredIds.insert(t->first);
        EXPECT_EQ(ids, registeredIds) << language;
    }
    // The Language menu's items keep their resource texts in both languages.
    EXPECT_EQ("<none>", Text(LANG_FRENCH, 32807));
    EXPECT_EQ("<none>", Text(LANG_ENGLISH, 32808));
}

TEST_F(TextsTest, TextsAreExactWindows1252Bytes)
{
    const struct {
        int id;
        int language;
        const char* bytes;
    } cases[] = {
        {32779, LANG_FRENCH, "&T\xE9l\xE9portation"},
        {32779, LANG_ENGLISH, "&Teleportation"},
        {32821, LANG_FRENCH, "Krelmot"},
        {32821, LANG_ENGLISH, "Krelmot "},
        {32822, LANG_FRENCH, "Tableau:%d"},
        {32822, LANG_ENGLISH, "Level:%d"},
        {32826, LANG_FRENCH, "T\xE9l\xE9:%d"},
        {32793, LANG_FRENCH, "   Bienvenue cher Krelmoteur !   "},
        {32793, LANG_ENGLISH, "   Welcome dear Krelmot user !   "},
        {33771, LANG_FRENCH, "Param\xE8trage de l'application"},
        {33783, LANG_FRENCH, "Reste \xE0 la m\xEAme place jusqu'\xE0 la fin du tableau: victoire ou mort ..."},
        {33807, LANG_ENGLISH, "Krelmot in Valmaret's mother tongue"},
        {1050, LANG_FRENCH, "Dimensions fen\xEAtre"},
        {1059, LANG_FRENCH, "Chr\xE9tienne"},
        {1013, LANG_FRENCH, "Immortalit\xE9"},
        {32800, LANG_FRENCH, "Le nombre de robots ajout\xE9s doit \xEAtre compris entre %d et %d"},
        {32803, LANG_FRENCH, "La dur\xE9" "e de \"sonic\" doit \xEAtre comprise entre 0 et %d"},
        {32804, LANG_FRENCH, "La dur\xE9" "e de \"coucou\" doit \xEAtre comprise entre 0 et %d"},
        {32805, LANG_FRENCH, "La dur\xE9" "e d'\"explosion robot\" doit \xEAtre comprise entre 0 et %d"},
        {32805, LANG_ENGLISH, "Robot exploration duration must be between 0 and %d"},
        {32809, LANG_ENGLISH, "Avanced"},
        {32811, LANG_FRENCH, "Debug avanc\xE9"},
        {32796, LANG_FRENCH, "Pas d'intro#Intro 1#Intro 2#Intro 3#Intro 4#Intro 5#"},
        {32837, LANG_ENGLISH, "mailto:%s?subject=%s EN"},
        {32840, LANG_FRENCH, "A &propos ..."},
        {1080, LANG_ENGLISH, "Thank you Tessarin Software !"},
        {32838, LANG_ENGLISH, "De rien !"},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(cases[i].bytes, Text(cases[i].language, cases[i].id)) << cases[i].id << "/" << cases[i].language;
}

// A source compiled without the conversion to Windows-1252 would leave two-byte
// UTF-8 letters behind; the ANSI functions would show them as "Ã©".
TEST_F(TextsTest, NoTextHoldsUtf8SequencesOrBytesWindows1252LeavesUndefined)
{
    for (int language = LANG_FRENCH; language <= LANG_ENGLISH; ++language) {
        for (std::map<int, std::string>::const_iterator t = table.tables[language].begin();
             t != table.tables[language].end(); ++t) {
            const std::string& s = t->second;
            for (size_t i = 0; i < s.size(); ++i) {
                unsigned char c = (unsigned char)s[i];
                unsigned char next = i + 1 < s.size() ? (unsigned char)s[i + 1] : 0;
                EXPECT_FALSE(c >= 0xC2 && c <= 0xF4 && next >= 0x80 && next <= 0xBF) << t->first << ": " << s;
                EXPECT_FALSE(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) << t->first;
            }
        }
    }
}

std::string Conversions(const std::string& format)
{
    std::string found;
    for (size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%')
            found += format[++i];
    return found;
}

TEST_F(TextsTest, BothLanguagesTakeTheSameFormatArguments)
{
    for (size_t i = 0; i < sizeof IDS / sizeof IDS[0]; ++i)
        EXPECT_EQ(Conversions(Text(LANG_FRENCH, IDS[i])), Conversions(Text(LANG_ENGLISH, IDS[i]))) << IDS[i];
    EXPECT_EQ("d", Conversions(Text(LANG_FRENCH, 32822)));
    EXPECT_EQ("dd", Conversions(Text(LANG_ENGLISH, 32797)));
    EXPECT_EQ("ss", Conversions(Text(LANG_FRENCH, 32837)));
    EXPECT_EQ("s", Conversions(Text(LANG_ENGLISH, 111)));
}

TEST_F(TextsTest, TheCreditHasTwoParagraphsInEachLanguage)
{
    for (int language = LANG_FRENCH; language <= LANG_ENGLISH; ++language) {
        std::string credit = Text(language, 1091);
        size_t gap = credit.find("\r\n\r\n");
        ASSERT_NE(std::string::npos, gap);
        EXPECT_NE(std::string::npos, credit.substr(0, gap).find("2001"));
        EXPECT_EQ(";-)", credit.substr(credit.size() - 3));
    }
}

}
