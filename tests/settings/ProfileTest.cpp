// What the settings rely on in an INI file, checked on every profile
// implementation alike.
#include <gtest/gtest.h>

#include "tests/settings/Profiles.h"
#include "tests/settings/TempDir.h"

namespace {

class ProfileTest : public ::testing::TestWithParam<CProfileKind> {
protected:
    ProfileTest() : profile(GetParam().get()), ini(dir.Path("Krelmot.ini")) {}
    void SetUp() { ASSERT_TRUE(dir.Made()); }

    std::string Get(const char* section, const char* key, const char* def = "dflt")
    {
        std::string value = "not set";
        profile.Flush(ini);
        EXPECT_EQ(0, profile.GetString(ini, section, key, def, value));
        return value;
    }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        profile.GetSectionNames(ini, names);
        return names;
    }

    CTempDir dir;
    CProfile& profile;
    std::string ini;
};

TEST_P(ProfileTest, MissingFileSectionOrKeyYieldsTheDefault)
{
    EXPECT_EQ("dflt", Get("gen", "langue"));
    EXPECT_TRUE(Names().empty());
    WriteFile(ini, "[gen]\r\nlangue=1\r\n");
    EXPECT_EQ("dflt", Get("std", "langue")) << "missing section";
    EXPECT_EQ("dflt", Get("gen", "largeur")) << "missing key";
    EXPECT_EQ("1", Get("gen", "langue"));
    EXPECT_EQ("-1", Get("gen", "col_fenetre", "-1"));
}

TEST_P(ProfileTest, ValuesReadAsTheSystemReadsThem)
{
    WriteFile(ini,
              "; comment\r\n"
              "[ Std ]\r\n"
              "  LARGEUR =   42abc  \r\n"
              "son=yes\r\n"
              "quoted=\"16711680\"\r\n"
              "single='7'\r\n"
              "unmatched=\"7'\r\n"
              "empty=\r\n"
              "name only\r\n"
              "twice=first\r\n"
              "twice=second\r\n"
              "\r\n"
              "[std]\r\n"
              "later=x\n"
              "[lf]\n"
              "key = a b = c\n"
              "last=no line end");
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"std", "largeur", "42abc"},  // blanks around the name and the value go, sections and keys match in any case
        {"STD", "son", "yes"},
        {"std", "quoted", "16711680"},  // one pair of quotes is taken off
        {"std", "single", "7"},
        {"std", "unmatched", "\"7'"},
        {"std", "empty", ""},  // present but empty: not the default
        {"std", "name only", "dflt"},
        {"std", "twice", "first"},  // the first of two keys counts
        {"std", "later", "dflt"},  // and only the first of two sections
        {"lf", "key", "a b = c"},  // a file with bare line feeds
        {"lf", "last", "no line end"},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(cases[i].expected, Get(cases[i].section, cases[i].key)) << cases[i].section << "/" << cases[i].key;
}

TEST_P(ProfileTest, WritingReplacesAValueOrAppendsAtTheEndOfItsSectionOrFile)
{
    WriteFile(ini, "; kept\r\n[profile]\r\nversion=1\r\n\r\n[gen]\r\n  Meilleur_Score = 12 \r\ncol_fenetre=5\r\n");
    EXPECT_EQ(0, profile.WriteString(ini, "gen", "meilleur_score", "45"));
    EXPECT_EQ(0, profile.WriteString(ini, "std", "temps_move", "200"));
    EXPECT_EQ(0, profile.WriteString(ini, "GEN", "lig_fenetre", "120"));
    EXPECT_EQ(0, profile.WriteString(ini, "profile", "version", "1"));
    profile.Flush(ini);
    EXPECT_EQ("; kept\r\n"
              "[profile]\r\n"
              "version=1\r\n"
              "[gen]\r\n"
              "Meilleur_Score=45\r\n"
              "col_fenetre=5\r\n"
              "lig_fenetre=120\r\n"
              "[std]\r\n"
              "temps_move=200\r\n",
              ReadFile(ini));
    EXPECT_EQ("45", Get("gen", "meilleur_score"));
}

TEST_P(ProfileTest, WritingCreatesAMissingFile)
{
    EXPECT_EQ(0, profile.WriteString(ini, "profile", "version", "1"));
    profile.Flush(ini);
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini));
}

TEST_P(ProfileTest, DeletingASectionRemovesAllItsKeys)
{
    WriteFile(ini, "[profile]\r\nversion=2\r\n[gen]\r\nlangue=0\r\nmeilleur_score=9\r\n[std]\r\nson=0\r\n");
    EXPECT_EQ(0, profile.DeleteSection(ini, "GEN"));
    EXPECT_EQ(0, profile.DeleteSection(ini, "dbg")) << "a missing section is no error";
    EXPECT_EQ("dflt", Get("gen", "langue"));
    EXPECT_EQ("dflt", Get("gen", "meilleur_score"));
    EXPECT_EQ("0", Get("std", "son"));
    EXPECT_EQ("[profile]\r\nversion=2\r\n[std]\r\nson=0\r\n", ReadFile(ini));
    EXPECT_EQ(0, profile.WriteString(ini, "gen", "langue", "1"));
    EXPECT_EQ("1", Get("gen", "langue")) << "a deleted section comes back at the end";
    EXPECT_EQ("[profile]\r\nversion=2\r\n[std]\r\nson=0\r\n[gen]\r\nlangue=1\r\n", ReadFile(ini));
}

TEST_P(ProfileTest, SectionNamesAreListedInFileOrderHoweverMany)
{
    WriteFile(ini, "top=1\r\n[profile]\r\nversion=1\r\n[ gen ]\r\n[std]\r\n");
    std::vector<std::string> expected;
    expected.push_back("profile");
    expected.push_back("gen");
    expected.push_back("std");
    EXPECT_EQ(expected, Names());

    // Far more than a 1024-character list holds.
    std::string many;
    expected.clear();
    for (int i = 0; i < 150; ++i) {
        std::string name = "section_with_a_rather_long_name_" + std::to_string(i);
        many += "[" + name + "]\r\nk=1\r\n";
        expected.push_back(name);
    }
    WriteFile(ini, many);
    EXPECT_EQ(expected, Names());
}

TEST_P(ProfileTest, AValueIsCutAt1023CharactersAndTheNextLineStillReads)
{
    WriteFile(ini, "[std]\r\nlargeur=" + std::string(5000, '7') + "\r\nhauteur=20\r\n");
    EXPECT_EQ(std::string(1023, '7'), Get("std", "largeur"));
    EXPECT_EQ("20", Get("std", "hauteur"));
    EXPECT_EQ(std::string(1023, 'd'), Get("std", "missing", std::string(2000, 'd').c_str()));
}

TEST_P(ProfileTest, AFileThatCannotBeWrittenIsLeftAloneAndReadsAsDefaults)
{
    // A folder that is really a file cannot hold an INI file, whoever runs the test.
    WriteFile(dir.Path("folder"), "not a folder");
    std::string unreachable = dir.Path("folder") + (dir.path[0] == '/' ? "/" : "\\") + "Krelmot.ini";
    EXPECT_EQ(-1, profile.WriteString(unreachable, "profile", "version", "1"));
    std::string value;
    profile.GetString(unreachable, "profile", "version", "1", value);
    EXPECT_EQ("1", value);
    std::vector<std::string> names;
    profile.GetSectionNames(unreachable, names);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ("not a folder", ReadFile(dir.Path("folder")));
}

INSTANTIATE_TEST_SUITE_P(All, ProfileTest, ::testing::ValuesIn(ProfileKinds()), ProfileKindName);

}
