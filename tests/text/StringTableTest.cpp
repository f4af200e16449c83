// The table's own rules: registration, lookups, the current and the default language.
#include <gtest/gtest.h>

#include "tests/shell/MessageRecorder.h"
#include "tests/text/LocaleSwap.h"
#include "text/StringTable.h"

namespace {

class StringTableTest : public ::testing::Test {
protected:
    StringTableTest() : swap("00000409") {}
    CLocaleSwap swap;
    CStringTable table;
};

TEST_F(StringTableTest, ASecondTextForAnIdentifierIsReportedAndTheFirstStays)
{
    CMessageRecorder recorder;
    EXPECT_EQ(0, table.RegisterText(LANG_FRENCH, 32822, "Tableau:%d"));
    EXPECT_EQ(-1, table.RegisterText(LANG_FRENCH, 32822, "Niveau:%d"));
    EXPECT_EQ(0, table.RegisterText(LANG_ENGLISH, 32822, "Level:%d")) << "the other language is another table";
    ASSERT_EQ(1u, recorder.boxes.size());
    EXPECT_EQ("Pb <32822><Niveau:%d> deja defini avec <Tableau:%d>", recorder.boxes[0].text);
    EXPECT_EQ(MB_ICONERROR | MB_TASKMODAL, recorder.boxes[0].type);
    table.SetLanguage(LANG_FRENCH);
    EXPECT_STREQ("Tableau:%d", table.GetText(32822));
    table.SetLanguage(LANG_ENGLISH);
    EXPECT_STREQ("Level:%d", table.GetText(32822));
}

TEST_F(StringTableTest, LookupsFindOnlyWhatTheCurrentLanguageHas)
{
    table.RegisterText(LANG_FRENCH, 5, "cinq");
    table.RegisterText(LANG_ENGLISH, 6, "");
    table.RegisterText(LANG_ENGLISH, -3, "minus three");
    for (int language = LANG_FRENCH; language <= LANG_ENGLISH; ++language) {
        table.SetLanguage(language);
        EXPECT_EQ(0, table.GetText(0)) << language;
        EXPECT_EQ(0, table.GetText(32807)) << language;
    }
    table.SetLanguage(LANG_ENGLISH);
    EXPECT_EQ(0, table.GetText(5)) << "no fall-back to the other language";
    ASSERT_NE((const char*)0, table.GetText(6)) << "an empty text is a text";
    EXPECT_STREQ("", table.GetText(6));
    EXPECT_STREQ("minus three", table.GetText(-3));
}

TEST_F(StringTableTest, TextsAreCopiesWhosePointersLastAsLongAsTheTable)
{
    char source[] = "Sonic:%d";
    table.RegisterText(LANG_ENGLISH, 32824, source);
    source[0] = 'X';
    table.SetLanguage(LANG_ENGLISH);
    const char* kept = table.GetText(32824);
    for (int id = 0; id < 2000; ++id)
        table.RegisterText(LANG_ENGLISH, 40000 + id, "filler");
    EXPECT_EQ(kept, table.GetText(32824));
    EXPECT_STREQ("Sonic:%d", kept);
}

TEST_F(StringTableTest, OnlyOurTwoLanguagesAreAccepted)
{
    CMessageRecorder recorder;
    EXPECT_EQ(-1, table.RegisterText(2, 1, "x"));
    EXPECT_EQ(-1, table.RegisterText(-1, 1, "x"));
    EXPECT_EQ(-1, table.RegisterText(LANG_FRENCH, 1, 0));
    table.SetLanguage(LANG_FRENCH);
    EXPECT_EQ(-1, table.SetLanguage(2));
    EXPECT_EQ(-1, table.SetLanguage(0x0C)) << "the system's own French identifier is not ours";
    EXPECT_EQ(LANG_FRENCH, table.GetLanguage());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(Locale, AFrenchLocaleOfAnyCountryMakesFrenchTheFirstLanguage)
{
    const struct {
        const char* value;
        int language;
    } cases[] = {
        {"0000040C", LANG_FRENCH},  // France
        {"0000080C", LANG_FRENCH},  // Belgium
        {"00000C0C", LANG_FRENCH},  // Canada
        {"0000100C", LANG_FRENCH},  // Switzerland
        {"0000040c", LANG_FRENCH},
        {"0x40C", LANG_FRENCH},
        {"  40C", LANG_FRENCH},
        {"40Czz", LANG_FRENCH},
        {"00000409", LANG_ENGLISH},
        {"00000407", LANG_ENGLISH},  // German
        {"0000040D", LANG_ENGLISH},  // next to French, not French
        {"0000000C", LANG_FRENCH},  // the language alone
        {"", LANG_ENGLISH},
        {"zz", LANG_ENGLISH},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        EXPECT_EQ(cases[i].language, LanguageOfLocale(cases[i].value)) << cases[i].value;
        CLocaleSwap swap(cases[i].value);
        CStringTable table;
        EXPECT_EQ(cases[i].language, table.GetDefaultLanguage()) << cases[i].value;
        EXPECT_EQ(cases[i].language, table.GetLanguage()) << "the first lookups use it " << cases[i].value;
    }
}

TEST(Locale, AnUnreadableLocaleMeansEnglish)
{
    CLocaleSwap unreadable;
    CStringTable table;
    EXPECT_EQ(LANG_ENGLISH, table.GetDefaultLanguage());
    EXPECT_EQ(-1, table.DetectDefaultLanguage());
}

}
