// Reading the settings at start-up and writing the changed ones at shutdown,
// through every profile implementation, in a temporary folder.
#include <gtest/gtest.h>

#include <limits.h>

#include "settings/SettingsStore.h"
#include "tests/settings/Profiles.h"
#include "tests/settings/TempDir.h"
#include "tests/shell/MessageRecorder.h"

namespace {

const int FRENCH = 0;

// 1024 x 768 with a frame, a band and a status bar: a 47 x 32 board.
CStartupFacts Facts(const std::string& moduleName)
{
    CStartupFacts facts;
    facts.moduleNameKnown = true;
    facts.moduleName = moduleName;
    facts.defaultLanguage = FRENCH;
    CScreenMetrics metrics = {1024, 768, 8, 46, 28, 20};
    facts.metrics = metrics;
    return facts;
}

class SettingsStoreTest : public ::testing::TestWithParam<CProfileKind> {
protected:
    SettingsStoreTest()
        : store(GetParam().get()), ini(dir.Path("Krelmot.ini")), facts(Facts(dir.Path("Krelmot.exe")))
    {
    }
    void SetUp() { ASSERT_TRUE(dir.Made()); }

    // A start-up: both groups, in the order the program reads them.
    void Start()
    {
        EXPECT_EQ(0, store.LoadSettings(settings, 0, facts));
        EXPECT_EQ(0, store.LoadSettings(settings, 1, facts));
    }

    // A run from start to shutdown on a fresh set of settings.
    void Restart()
    {
        settings = CSettings();
        Start();
    }

    CTempDir dir;
    CSettingsStore store;
    std::string ini;
    CStartupFacts facts;
    CSettings settings;
};

struct CIntCase {
    CIntSetting CSettings::*setting;
    const char* section;
    const char* key;
    int value;
};

struct CBoolCase {
    CBoolSetting CSettings::*setting;
    const char* section;
    const char* key;
    bool value;
};

// Every setting with its section and its default on a 1024 x 768 screen.
const CIntCase INT_DEFAULTS[] = {
    {&CSettings::col_fenetre, "gen", "col_fenetre", -1},
    {&CSettings::lig_fenetre, "gen", "lig_fenetre", -1},
    {&CSettings::langue, "gen", "langue", FRENCH},
    {&CSettings::largeur, "std", "largeur", 47},
    {&CSettings::hauteur, "std", "hauteur", 32},
    {&CSettings::religion, "std", "religion", 0},
    {&CSettings::intro, "std", "intro", 1},
    {&CSettings::coul_fond, "std", "coul_fond", 0},
    {&CSettings::temps_move, "std", "temps_move", 200},
    {&CSettings::temps_tele, "std", "temps_tele", 100},
    {&CSettings::temps_sonic, "std", "temps_sonic", 200},
    {&CSettings::temps_coucou, "std", "temps_coucou", 100},
    {&CSettings::temps_rex, "std", "temps_rex", 200},
    {&CSettings::nb_robot_base, "std", "nb_robot_base", 7},
    {&CSettings::nb_robot_incr, "std", "nb_robot_incr", 3},
    {&CSettings::meilleur_score, "gen", "meilleur_score", 0},
};

const CBoolCase BOOL_DEFAULTS[] = {
    {&CSettings::son, "std", "son", true},
    {&CSettings::grille, "dbg", "grille", false},
    {&CSettings::immortalite, "dbg", "immortalite", false},
};

TEST_P(SettingsStoreTest, FirstStartTakesEveryDefaultAndCreatesTheFileWithItsVersion)
{
    ASSERT_FALSE(FileExists(ini));
    settings.langue.value = 1;  // not the locale's language: the default must come from the facts
    Start();
    for (const CIntCase& c : INT_DEFAULTS) {
        const CIntSetting& s = settings.*c.setting;
        EXPECT_EQ(c.value, s.value) << c.key;
        EXPECT_EQ(c.section, s.section) << c.key;
        EXPECT_EQ(c.key, s.key);
        EXPECT_FALSE(s.changed) << c.key;
    }
    for (const CBoolCase& c : BOOL_DEFAULTS) {
        const CBoolSetting& s = settings.*c.setting;
        EXPECT_EQ(c.value, s.value) << c.key;
        EXPECT_EQ(c.section, s.section) << c.key;
        EXPECT_EQ(c.key, s.key);
        EXPECT_FALSE(s.changed) << c.key;
    }
    EXPECT_EQ(ini, store.GetIniPath());
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini));
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini)) << "nothing changed, nothing written";
}

TEST_P(SettingsStoreTest, TheExampleRunWritesTheExampleFileAndReadsItBack)
{
    Start();
    // The intro sets its own glide duration and the former one back.
    int former = settings.temps_move.Get();
    settings.temps_move.Set(50);
    settings.temps_move.Set(former);
    // A game lost with 45 points, the window left at 200, 120.
    settings.meilleur_score.Set(45);
    settings.col_fenetre.Set(200);
    settings.lig_fenetre.Set(120);
    EXPECT_EQ(0, store.WriteChangedSettings(settings));

    const char* expected[] = {"[profile]",    "version=1",   "[gen]", "meilleur_score=45", "lig_fenetre=120",
                              "col_fenetre=200", "[std]",      "temps_move=200"};
    EXPECT_EQ(std::vector<std::string>(expected, expected + 8), CrlfLines(ReadFile(ini)));
    EXPECT_EQ("\r\n", ReadFile(ini).substr(ReadFile(ini).size() - 2));

    // The next run finds them; if it changes nothing the file stays as it is.
    std::string before = ReadFile(ini);
    Restart();
    EXPECT_EQ(45, settings.meilleur_score.Get());
    EXPECT_EQ(200, settings.col_fenetre.Get());
    EXPECT_EQ(120, settings.lig_fenetre.Get());
    settings.col_fenetre.Set(200);
    settings.lig_fenetre.Set(120);
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ(before, ReadFile(ini));
}

TEST_P(SettingsStoreTest, ShutdownWritesOnlyChangedSettingsInReverseOrderOnce)
{
    Start();
    for (const CIntCase& c : INT_DEFAULTS)
        (settings.*c.setting).Set(c.value + 1);
    for (const CBoolCase& c : BOOL_DEFAULTS)
        (settings.*c.setting).Set(!c.value);
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ("[profile]\r\nversion=1\r\n"
              "[gen]\r\nmeilleur_score=1\r\nlangue=1\r\nlig_fenetre=0\r\ncol_fenetre=0\r\n"
              "[std]\r\nnb_robot_incr=4\r\nnb_robot_base=8\r\ntemps_rex=201\r\ntemps_coucou=101\r\n"
              "temps_sonic=201\r\ntemps_tele=101\r\ntemps_move=201\r\ncoul_fond=1\r\nintro=2\r\nson=0\r\n"
              "religion=1\r\nhauteur=33\r\nlargeur=48\r\n"
              "[dbg]\r\nimmortalite=1\r\ngrille=1\r\n",
              ReadFile(ini));
    for (const CIntCase& c : INT_DEFAULTS)
        EXPECT_FALSE((settings.*c.setting).changed) << c.key;

    // Written settings are clean: a second shutdown writes nothing, even over a hand edit.
    WriteFile(ini, "[profile]\r\nversion=1\r\n");
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini));
}

TEST_P(SettingsStoreTest, AFileOfAnotherVersionIsEmptiedBeforeUse)
{
    std::string sections;
    for (int i = 0; i < 100; ++i)
        sections += "[old_section_number_" + std::to_string(i) + "]\r\nkey=1\r\n";
    WriteFile(ini, "[profile]\r\nversion=2\r\n[gen]\r\nmeilleur_score=999\r\n[std]\r\nlargeur=20\r\n" + sections);
    Start();
    EXPECT_EQ(0, settings.meilleur_score.Get());
    EXPECT_EQ(47, settings.largeur.Get());
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini));
}

TEST_P(SettingsStoreTest, AFileWithoutAVersionKeepsItsSettings)
{
    WriteFile(ini, "[gen]\r\nmeilleur_score=999\r\n");
    Start();
    EXPECT_EQ(999, settings.meilleur_score.Get());
    EXPECT_EQ("[gen]\r\nmeilleur_score=999\r\n[profile]\r\nversion=1\r\n", ReadFile(ini));
}

TEST_P(SettingsStoreTest, ALanguageOtherThanOursIsReplacedByTheLocalesAndWrittenBack)
{
    const struct {
        const char* text;
        int expected;
        bool changed;
    } cases[] = {
        {"7", FRENCH, true}, {"-1", FRENCH, true}, {"1", 1, false}, {"0", 0, false}, {"abc", FRENCH, false},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        WriteFile(ini, std::string("[profile]\r\nversion=1\r\n[gen]\r\nlangue=") + cases[i].text + "\r\n");
        Restart();
        EXPECT_EQ(cases[i].expected, settings.langue.Get()) << cases[i].text;
        EXPECT_EQ(cases[i].changed, settings.langue.changed) << cases[i].text;
    }
    WriteFile(ini, "[profile]\r\nversion=1\r\n[gen]\r\nlangue=7\r\n");
    Restart();
    store.WriteChangedSettings(settings);
    EXPECT_EQ("[profile]\r\nversion=1\r\n[gen]\r\nlangue=0\r\n", ReadFile(ini));
}

// A hand-edited file: what each text reads as, and whether the reading
// corrected it (a corrected value is written back at shutdown).
TEST_P(SettingsStoreTest, HandEditedValuesReadAsNumbersWithinTheirBounds)
{
    const struct {
        const char* section;
        const char* key;
        std::string text;
        int expected;
        bool corrected;
    } cases[] = {
        {"std", "largeur", "abc", 47, false},
        {"std", "largeur", "", 47, false},
        {"std", "largeur", "  42abc", 42, false},
        {"std", "largeur", "\"42\"", 42, false},
        {"std", "largeur", "200", 110, true},
        {"std", "largeur", "0", 15, true},
        {"std", "largeur", "1", 15, true},
        {"std", "largeur", "-5", 15, true},
        {"std", "largeur", "99999999999999999999", 110, true},
        {"std", "largeur", std::string(5000, '9'), 110, true},
        {"std", "hauteur", "0", 15, true},
        {"std", "hauteur", "-2147483648", 15, true},
        {"std", "hauteur", "4000", 80, true},
        {"std", "hauteur", "80", 80, false},
        {"std", "temps_move", "-1", 0, true},
        {"std", "temps_tele", "999999", 5000, true},
        {"std", "temps_sonic", "5000", 5000, false},
        {"std", "temps_coucou", "0", 0, false},
        {"std", "temps_rex", "-99999999999", 0, true},
        {"std", "nb_robot_base", "0", 0, false},
        {"std", "nb_robot_incr", "0", 0, false},
        {"std", "nb_robot_base", "5000", 5000, false},
        {"gen", "col_fenetre", "-99999999999", INT_MIN, false},
        {"gen", "meilleur_score", "+45", 45, false},
        {"std", "coul_fond", "16711680", 16711680, false},
    };
    for (const auto& c : cases) {
        WriteFile(ini, std::string("[profile]\r\nversion=1\r\n[") + c.section + "]\r\n" + c.key + "=" + c.text + "\r\n");
        Restart();
        const CIntSetting* found = 0;
        for (const CIntCase& d : INT_DEFAULTS)
            if (std::string(d.key) == c.key)
                found = &(settings.*d.setting);
        ASSERT_TRUE(found != 0) << c.key;
        EXPECT_EQ(c.expected, found->value) << c.key << "=" << c.text.substr(0, 30);
        EXPECT_EQ(c.corrected, found->changed) << c.key << "=" << c.text.substr(0, 30);
    }
}

TEST_P(SettingsStoreTest, BooleansReadOnlyZeroOrOneAndOtherwiseTakeTheirDefault)
{
    const struct {
        const char* text;
        bool son;  // default true
        bool grille;  // default false
    } cases[] = {{"0", false, false}, {"1", true, true},  {" 0 ", false, false}, {"yes", true, false},
                 {"2", true, false},  {"-1", true, false}, {"", true, false}};
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        WriteFile(ini, std::string("[std]\r\nson=") + cases[i].text + "\r\n[dbg]\r\ngrille=" + cases[i].text + "\r\n");
        Restart();
        EXPECT_EQ(cases[i].son, settings.son.Get()) << cases[i].text;
        EXPECT_EQ(cases[i].grille, settings.grille.Get()) << cases[i].text;
        EXPECT_FALSE(settings.son.changed);
        EXPECT_FALSE(settings.grille.changed);
    }
}

TEST_P(SettingsStoreTest, CorrectedBoardSizesGiveTheirOwnRobotNumbersAndAreWrittenBack)
{
    WriteFile(ini, "[profile]\r\nversion=1\r\n[std]\r\nlargeur=0\r\nhauteur=9999\r\n");
    Start();
    EXPECT_EQ(15, settings.largeur.Get());
    EXPECT_EQ(80, settings.hauteur.Get());
    EXPECT_EQ(6, settings.nb_robot_base.Get());  // 15 x 80 cells: 12 a hundred
    EXPECT_EQ(3, settings.nb_robot_incr.Get());
    store.WriteChangedSettings(settings);
    EXPECT_EQ("[profile]\r\nversion=1\r\n[std]\r\nlargeur=15\r\nhauteur=80\r\n", ReadFile(ini));
}

TEST_P(SettingsStoreTest, AnUnknownGroupIsReportedAndReadsNothing)
{
    CMessageRecorder recorder;
    settings.meilleur_score.value = 77;
    WriteFile(ini, "[gen]\r\nmeilleur_score=5\r\n");
    EXPECT_EQ(-1, store.LoadSettings(settings, 2, facts));
    EXPECT_EQ(-1, store.LoadSettings(settings, -1, facts));
    ASSERT_EQ(2u, recorder.boxes.size());
    EXPECT_EQ("CKrelmot init partie 2 non geree", recorder.boxes[0].text);
    EXPECT_EQ("CKrelmot init partie -1 non geree", recorder.boxes[1].text);
    EXPECT_EQ(77, settings.meilleur_score.value);
    EXPECT_TRUE(settings.meilleur_score.key.empty());
    EXPECT_EQ("[gen]\r\nmeilleur_score=5\r\n[profile]\r\nversion=1\r\n", ReadFile(ini)) << "the profile check ran";
}

TEST_P(SettingsStoreTest, WithoutTheExecutablesNameEverySettingTakesItsDefaultAndNothingIsWritten)
{
    facts.moduleNameKnown = false;
    WriteFile(ini, "[gen]\r\nmeilleur_score=5\r\n");
    Start();
    EXPECT_EQ("", store.GetIniPath());
    EXPECT_EQ(0, settings.meilleur_score.Get());
    EXPECT_EQ(47, settings.largeur.Get());
    EXPECT_EQ(FRENCH, settings.langue.Get());
    settings.meilleur_score.Set(45);
    store.WriteChangedSettings(settings);
    EXPECT_EQ("[gen]\r\nmeilleur_score=5\r\n", ReadFile(ini));
}

TEST_P(SettingsStoreTest, AnUnwritableFolderLeavesTheGameRunningOnDefaults)
{
    WriteFile(dir.Path("folder"), "not a folder");
    std::string separator = dir.path[0] == '/' ? "/" : "\\";
    facts.moduleName = dir.Path("folder") + separator + "Krelmot.exe";
    Start();
    EXPECT_EQ(47, settings.largeur.Get());
    EXPECT_EQ(200, settings.temps_move.Get());
    settings.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteChangedSettings(settings));
    EXPECT_EQ("not a folder", ReadFile(dir.Path("folder")));
}

TEST_P(SettingsStoreTest, ASettingThatWasNeverReadIsNeverWritten)
{
    store.OpenProfile(ini, PROFILE_VERSION);
    settings.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteSetting(settings.meilleur_score));
    EXPECT_TRUE(settings.meilleur_score.changed);
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini));
}

INSTANTIATE_TEST_SUITE_P(All, SettingsStoreTest, ::testing::ValuesIn(ProfileKinds()), ProfileKindName);

}
