// The settings and their INI file: what a profile reads and writes, and what
// start-up reads and shutdown writes through it, for every profile
// implementation (the portable one, and the system's own under Wine), each
// test in a fresh folder.
#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "settings/PortableProfile.h"
#include "settings/SettingsStore.h"
#include "tests/shell/MessageRecorder.h"
#ifdef _WIN32
#include <direct.h>
#include <process.h>
#include <windows.h>

#include "settings/WinProfile.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
const char SEPARATOR[] = "\\";
int MakeFolder(const std::string& path) { return _mkdir(path.c_str()); }
int RemoveFolder(const std::string& path) { return _rmdir(path.c_str()); }
int ProcessId() { return _getpid(); }
#else
const char SEPARATOR[] = "/";
int MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0700); }
int RemoveFolder(const std::string& path) { return rmdir(path.c_str()); }
int ProcessId() { return getpid(); }
#endif

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& s) { std::ofstream(path.c_str(), std::ios::binary) << s; }

struct CProfileKind {
    const char* name;
    CProfile* profile;
};

void PrintTo(const CProfileKind& kind, std::ostream* out) { *out << kind.name; }

std::vector<CProfileKind> ProfileKinds()
{
    static CPortableProfile portable;
#ifdef _WIN32
    static CWinProfile windows;
    return {{"Portable", &portable}, {"Windows", &windows}};
#else
    return {{"Portable", &portable}};
#endif
}

const struct {
    const char* key;
    CIntSetting CSettings::*number;
} NUMBERS[] = {{"col_fenetre", &CSettings::col_fenetre},     {"lig_fenetre", &CSettings::lig_fenetre},
               {"langue", &CSettings::langue},               {"largeur", &CSettings::largeur},
               {"hauteur", &CSettings::hauteur},             {"religion", &CSettings::religion},
               {"intro", &CSettings::intro},                 {"coul_fond", &CSettings::coul_fond},
               {"temps_move", &CSettings::temps_move},       {"temps_tele", &CSettings::temps_tele},
               {"temps_sonic", &CSettings::temps_sonic},     {"temps_coucou", &CSettings::temps_coucou},
               {"temps_rex", &CSettings::temps_rex},         {"nb_robot_base", &CSettings::nb_robot_base},
               {"nb_robot_incr", &CSettings::nb_robot_incr}, {"meilleur_score", &CSettings::meilleur_score}};
const struct {
    const char* key;
    CBoolSetting CSettings::*flag;
} FLAGS[] = {{"son", &CSettings::son}, {"grille", &CSettings::grille}, {"immortalite", &CSettings::immortalite}};

// Every setting as " key=value", "!" marking a changed one.
std::string Describe(const CSettings& s)
{
    std::ostringstream text;
    for (auto& n : NUMBERS) text << " " << n.key << "=" << (s.*n.number).value << ((s.*n.number).changed ? "!" : "");
    for (auto& f : FLAGS) text << " " << f.key << "=" << (s.*f.flag).value << ((s.*f.flag).changed ? "!" : "");
    return text.str() + " ";
}

class SettingsTest : public ::testing::TestWithParam<CProfileKind> {
protected:
    SettingsTest() : profile(*GetParam().profile), store(profile)
    {
        static int counter = 0;
        folder = std::string(getenv("TEMP") ? getenv("TEMP") : "/tmp") + SEPARATOR + "krelmot-" +
                 std::to_string(ProcessId()) + "-" + std::to_string(++counter);
        made = MakeFolder(folder) == 0;
        ini = Path("Krelmot.ini");
        facts.moduleNameKnown = true;
        facts.moduleName = Path("Krelmot.exe");
        facts.defaultLanguage = 0;  // French
        facts.metrics = {1024, 768, 8, 46, 28, 20};  // a 47 x 32 board
    }
    ~SettingsTest()
    {
        remove(ini.c_str());
        remove(Path("folder").c_str());
        RemoveFolder(folder);
    }
    void SetUp() { ASSERT_TRUE(made) << folder; }

    std::string Path(const std::string& name) const { return folder + SEPARATOR + name; }

    // What the profile reads, after the flush that start-up does too.
    std::string Get(const char* section, const char* key, const std::string& def = "dflt", std::string path = "")
    {
        std::string value = "not set";
        profile.Flush(path.empty() ? ini : path);
        EXPECT_EQ(0, profile.GetString(path.empty() ? ini : path, section, key, def.c_str(), value));
        return value;
    }

    std::vector<std::string> Names(const std::string& path)
    {
        std::vector<std::string> names = {"not set"};
        EXPECT_EQ(0, profile.GetSectionNames(path, names));
        return names;
    }

    // A start-up on fresh settings: both groups, in the order the program reads them.
    void Start()
    {
        settings = CSettings();
        EXPECT_EQ(0, store.LoadSettings(settings, 0, facts));
        EXPECT_EQ(0, store.LoadSettings(settings, 1, facts));
    }

    CProfile& profile;
    CSettingsStore store;
    std::string folder;
    bool made;
    CStartupFacts facts;
    std::string ini;
    CSettings settings;
};

TEST_P(SettingsTest, ValuesReadAsTheSystemReadsThem)
{
    EXPECT_EQ("dflt", Get("gen", "langue")) << "no file";
    EXPECT_TRUE(Names(ini).empty());
    WriteFile(ini, "; comment\r\n[ Std ]\r\n  LARGEUR =   42abc  \r\nson=yes\r\nquoted=\"16711680\"\r\nsingle='7'\r\n"
                   "unmatched=\"7'\r\nquotes=\"\"\r\nempty=\r\nname only\r\ntwice=first\r\ntwice=second\r\n\r\n"
                   "[std]\r\nlater=x\n[lf]\nkey = a b = c\nlong=" + std::string(5000, '7') + "\nlast=no line end");
    const char* cases[][3] = {
        {"std", "largeur", "42abc"},  // blanks around names and values go; names match in any case
        {"STD", "son", "yes"}, {"std", "quoted", "16711680"}, {"std", "single", "7"}, {"std", "unmatched", "\"7'"},
        {"std", "quotes", ""}, {"std", "empty", ""}, {"std", "name only", "dflt"}, {"std", "twice", "first"},
        {"std", "later", "dflt"},  // only the first of two sections counts
        {"gen", "langue", "dflt"}, {"lf", "missing", "dflt"}, {"lf", "key", "a b = c"}, {"lf", "last", "no line end"}};
    for (auto& c : cases) EXPECT_EQ(c[2], Get(c[0], c[1])) << c[0] << "/" << c[1];
    EXPECT_EQ(std::string(1023, '7'), Get("lf", "long"));
    EXPECT_EQ(std::string(1023, 'd'), Get("lf", "missing", std::string(2000, 'd')));
    std::vector<std::string> names = {"Std", "std", "lf"};  // and far more than a 1024-character list holds
    std::string file = ReadFile(ini);
    for (int i = 0; i < 150; ++i) {
        names.push_back("section_with_a_long_name_" + std::to_string(i));
        file += "\n[" + names.back() + "]";
    }
    WriteFile(ini, file);
    EXPECT_EQ(names, Names(ini));
}

TEST_P(SettingsTest, WritingReplacesAValueOrAppendsAtTheEndOfItsSectionOrFile)
{
    EXPECT_EQ(0, profile.WriteString(ini, "profile", "version", "1"));
    EXPECT_EQ("1", Get("profile", "version"));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini)) << "a missing file is made";
    WriteFile(ini, "; kept\r\n[profile]\r\nversion=1\r\n\r\n[gen]\r\n  Meilleur_Score = 12 \r\ncol_fenetre=5\r\n");
    EXPECT_EQ(0, profile.WriteString(ini, "gen", "meilleur_score", "45"));
    EXPECT_EQ(0, profile.WriteString(ini, "std", "temps_move", "200"));
    EXPECT_EQ(0, profile.WriteString(ini, "GEN", "lig_fenetre", "120"));
    EXPECT_EQ(0, profile.DeleteSection(ini, "dbg")) << "a missing section is no error";
    EXPECT_EQ("45", Get("gen", "meilleur_score"));
    EXPECT_EQ("; kept\r\n[profile]\r\nversion=1\r\n[gen]\r\nMeilleur_Score=45\r\ncol_fenetre=5\r\nlig_fenetre=120\r\n"
              "[std]\r\ntemps_move=200\r\n", ReadFile(ini));
    EXPECT_EQ(0, profile.DeleteSection(ini, "Gen"));
    EXPECT_EQ(0, profile.WriteString(ini, "gen", "langue", "1"));
    EXPECT_EQ("1", Get("gen", "langue")) << "a deleted section comes back at the end";
    EXPECT_EQ("; kept\r\n[profile]\r\nversion=1\r\n[std]\r\ntemps_move=200\r\n[gen]\r\nlangue=1\r\n", ReadFile(ini));
}

TEST_P(SettingsTest, AFirstStartTakesEveryDefaultAndMakesTheFileWithItsVersion)
{
    std::string defaults = " col_fenetre=-1 lig_fenetre=-1 langue=1 largeur=47 hauteur=32 religion=0 intro=1 "
                           "coul_fond=0 temps_move=200 temps_tele=100 temps_sonic=200 temps_coucou=100 temps_rex=200 "
                           "nb_robot_base=7 nb_robot_incr=3 meilleur_score=0 son=1 grille=0 immortalite=0 ";
    EXPECT_EQ(defaults, Describe(CSettings()));
    Start();
    EXPECT_EQ(defaults.replace(defaults.find("langue=1"), 8, "langue=0"), Describe(settings)) << "the locale's";
    EXPECT_EQ(ini, store.GetIniPath());
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini)) << "nothing changed, nothing written";
}

TEST_P(SettingsTest, ShutdownWritesTheChangedSettingsInReverseOrderOnceAndTheNextStartReadsThem)
{
    Start();
    for (auto& n : NUMBERS) (settings.*n.number).Set((settings.*n.number).value + 1);
    for (auto& f : FLAGS) (settings.*f.flag).Set(!(settings.*f.flag).value);
    settings.temps_move.Set(200);  // changed and put back, as the intro does
    std::string read = Describe(settings);
    read.erase(std::remove(read.begin(), read.end(), '!'), read.end());
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    const std::string written =
        "[profile]\r\nversion=1\r\n[gen]\r\nmeilleur_score=1\r\nlangue=1\r\nlig_fenetre=0\r\ncol_fenetre=0\r\n"
        "[std]\r\nnb_robot_incr=4\r\nnb_robot_base=8\r\ntemps_rex=201\r\ntemps_coucou=101\r\ntemps_sonic=201\r\n"
        "temps_tele=101\r\ntemps_move=200\r\ncoul_fond=1\r\nintro=2\r\nson=0\r\nreligion=1\r\nhauteur=33\r\n"
        "largeur=48\r\n[dbg]\r\nimmortalite=1\r\ngrille=1\r\n";
    EXPECT_EQ(written, ReadFile(ini));
    EXPECT_EQ(read, Describe(settings)) << "written settings are no longer changed";
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ(written, ReadFile(ini));
    Start();
    EXPECT_EQ(read, Describe(settings));
}

// A file, and items of what start-up reads from it; "!" marks a value brought
// into its bounds, which shutdown writes back.
TEST_P(SettingsTest, StartUpReadsHandEditedFilesWithinTheBounds)
{
    const char* cases[][2] = {
        {"[std]\nlargeur=abc", "largeur=47"}, {"[std]\nlargeur=", "largeur=47"},
        {"[std]\nlargeur=\"42\"", "largeur=42"}, {"[std]\nlargeur=  42a", "largeur=42"},
        {"[std]\nlargeur=15\nhauteur=80", "largeur=15 hauteur=80"},
        {"[std]\nlargeur=110\nhauteur=15", "largeur=110 hauteur=15"}, {"[std]\nlargeur=111", "largeur=110!"},
        {"[std]\nlargeur=14\nhauteur=14", "largeur=15! hauteur=15!"}, {"[std]\nhauteur=81", "hauteur=80!"},
        {"[std]\nlargeur=-5\nhauteur=-2147483648", "largeur=15! hauteur=15!"},
        {"[std]\nlargeur=9999999999", "largeur=110!"},
        {"[std]\nlargeur=0\nhauteur=9999", "largeur=15! hauteur=80! nb_robot_base=6 nb_robot_incr=3"},
        {"[std]\ntemps_move=-1\ntemps_tele=999999", "temps_move=0! temps_tele=5000!"},
        {"[std]\ntemps_sonic=5000\ntemps_coucou=0", "temps_sonic=5000 temps_coucou=0"},
        {"[std]\ntemps_rex=-99999999999", "temps_rex=0!"}, {"[std]\ntemps_rex=5001", "temps_rex=5000!"},
        {"[std]\nnb_robot_base=0\nnb_robot_incr=-3", "nb_robot_base=0 nb_robot_incr=-3"},
        {"[std]\nnb_robot_base=5000\ncoul_fond=16711680", "nb_robot_base=5000 coul_fond=16711680"},
        {"[gen]\ncol_fenetre=-99999999999\nmeilleur_score=+45", "col_fenetre=-2147483648 meilleur_score=45"},
        {"[gen]\nlangue=1", "langue=1"}, {"[gen]\nlangue=0", "langue=0"}, {"[gen]\nlangue=abc", "langue=0"},
        {"[gen]\nlangue=2", "langue=0!"}, {"[gen]\nlangue=7", "langue=0!"}, {"[gen]\nlangue=-1", "langue=0!"},
        {"[std]\nson=0\n[dbg]\ngrille=1", "son=0 grille=1"}, {"[std]\nson=\n[dbg]\ngrille= 1 ", "son=1 grille=1"},
        {"[std]\nson=yes\n[dbg]\ngrille=-1", "son=1 grille=0"}, {"[std]\nson=2\n[dbg]\ngrille=2", "son=1 grille=0"},
        {"[profile]\nversion=2\n[gen]\nmeilleur_score=999", "meilleur_score=0"},  // another version: emptied
        {"[gen]\nmeilleur_score=999", "meilleur_score=999"}};  // no version: kept
    for (auto& c : cases) {
        WriteFile(ini, c[0]);
        Start();
        std::istringstream items(c[1]);
        for (std::string item; items >> item;)
            EXPECT_NE(std::string::npos, Describe(settings).find(" " + item + " ")) << c[0] << ": " << item;
    }
    WriteFile(ini, "[std]\r\nlargeur=0\r\n[gen]\r\nlangue=7\r\n");
    Start();
    store.WriteChangedSettings(settings);
    EXPECT_EQ("[std]\r\nlargeur=15\r\n[gen]\r\nlangue=0\r\n[profile]\r\nversion=1\r\n", ReadFile(ini));
    facts.defaultLanguage = 1;
    WriteFile(ini, "[gen]\r\nlangue=0\r\n");
    Start();
    EXPECT_EQ(0, settings.langue.Get()) << "ours, even when not the locale's";
}

TEST_P(SettingsTest, AnUnknownGroupIsReportedAndReadsNothing)
{
    CMessageRecorder recorder;
    WriteFile(ini, "[gen]\r\nmeilleur_score=5\r\n");
    EXPECT_EQ(-1, store.LoadSettings(settings, 2, facts));
    EXPECT_EQ(-1, store.LoadSettings(settings, -1, facts));
    EXPECT_EQ(std::vector<std::string>({"CKrelmot init partie 2 non geree", "CKrelmot init partie -1 non geree"}),
              recorder.Texts());
    EXPECT_EQ(Describe(CSettings()), Describe(settings));
    EXPECT_TRUE(settings.meilleur_score.key.empty());
    EXPECT_EQ("[gen]\r\nmeilleur_score=5\r\n[profile]\r\nversion=1\r\n", ReadFile(ini)) << "the version check ran";
}

TEST_P(SettingsTest, WithoutTheExecutablesNameEverySettingTakesItsDefaultAndNothingIsWritten)
{
    facts.moduleNameKnown = false;
    facts.defaultLanguage = 1;
    WriteFile(ini, "[gen]\r\nmeilleur_score=5\r\n");
    Start();
    EXPECT_EQ("", store.GetIniPath());
    EXPECT_EQ(Describe(CSettings()), Describe(settings));
    settings.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteChangedSettings(settings));
    EXPECT_EQ(0, store.ClearProfile());
    EXPECT_EQ(0, store.OpenProfile(ini, PROFILE_VERSION));
    CSettings unread;  // a setting never read has no place in the file
    unread.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteSetting(unread.meilleur_score));
    unread.meilleur_score.section = "gen";
    EXPECT_EQ(-1, store.WriteSetting(unread.meilleur_score));
    EXPECT_TRUE(unread.meilleur_score.changed);
    EXPECT_EQ("[gen]\r\nmeilleur_score=5\r\n[profile]\r\nversion=1\r\n", ReadFile(ini));
}

// A folder that is really a file cannot hold an INI file, whoever runs the test.
TEST_P(SettingsTest, AnUnwritableFolderLeavesTheGameRunningOnDefaults)
{
    WriteFile(Path("folder"), "not a folder");
    std::string unreachable = Path("folder") + SEPARATOR + "Krelmot.ini";
    EXPECT_EQ(-1, profile.WriteString(unreachable, "profile", "version", "1"));
    EXPECT_EQ("1", Get("profile", "version", "1", unreachable));
    EXPECT_TRUE(Names(unreachable).empty());
    facts.moduleName = Path("folder") + SEPARATOR + "Krelmot.exe";
    for (auto& n : NUMBERS) {  // any failed write fails the shutdown, two as well as one
        Start();
        (settings.*n.number).Set(12345);
        settings.son.Set(false);
        EXPECT_EQ(-1, store.WriteChangedSettings(settings)) << n.key;
    }
    EXPECT_EQ("not a folder", ReadFile(Path("folder")));
}

#ifdef _WIN32
// Others may read the file but not write it, as with a read-only file.
TEST_P(SettingsTest, AFileThatCannotBeWrittenIsReadAndLeftUnchanged)
{
    WriteFile(ini, "[profile]\r\nversion=1\r\n[gen]\r\nmeilleur_score=12\r\n");
    HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Start();
    EXPECT_EQ(12, settings.meilleur_score.Get());
    settings.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteChangedSettings(settings));
    CloseHandle(lock);
    EXPECT_EQ("[profile]\r\nversion=1\r\n[gen]\r\nmeilleur_score=12\r\n", ReadFile(ini));
}

TEST(WinProfile, StartUpFindsTheIniFileBesideTheRunningExecutable)
{
    CStartupFacts facts = SystemStartupFacts(0, 8, 46, 28, 20);
    size_t folder = facts.moduleName.rfind("\\krelmot_settings_tests.exe");
    ASSERT_TRUE(facts.moduleNameKnown && folder != std::string::npos && folder + 27 == facts.moduleName.size());
    EXPECT_EQ(facts.moduleName.substr(0, folder) + "\\Krelmot.ini", IniPathFromModuleName(facts.moduleName));
    CScreenMetrics m = facts.metrics;
    EXPECT_EQ(std::vector<int>({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 8, 46, 28, 20, 0}),
              std::vector<int>({m.screenWidth, m.screenHeight, m.frameWidth, m.frameHeight, m.bandHeight,
                                m.statusBarHeight, facts.defaultLanguage}));
}
#endif

INSTANTIATE_TEST_SUITE_P(All, SettingsTest, ::testing::ValuesIn(ProfileKinds()),
                         [](const ::testing::TestParamInfo<CProfileKind>& k) { return std::string(k.param.name); });

TEST(SettingValues, NumbersReadAsDecimalIntegersThatSaturate)
{
    const struct {
        const char* text;
        bool reads;
        int number;
    } cases[] = {{"42", true, 42}, {"+5", true, 5}, {"42abc", true, 42}, {"0x10", true, 0}, {"\t\n\v\f\r 7", true, 7},
                 {"2147483647", true, INT_MAX}, {"2147483648", true, INT_MAX}, {"-2147483648", true, INT_MIN},
                 {"-2147483649", true, INT_MIN}, {"99999999999999999999999999", true, INT_MAX}, {"", false, 0},
                 {"-", false, 0}, {"- 5", false, 0}, {"+-5", false, 0}, {"\b7", false, 0}, {"\x0e" "7", false, 0}};
    for (auto& c : cases) {
        int number = 12345;
        EXPECT_EQ(c.reads, ParseSettingNumber(c.text, number)) << c.text;
        EXPECT_EQ(c.reads ? c.number : 12345, number) << c.text;
    }
}

TEST(SettingValues, TheIniFileLivesInTheExecutablesFolderAndTheBoardFitsTheScreen)
{
    EXPECT_EQ("C:\\a.b\\Krelmot.ini /opt/Krelmot.ini Krelmot.ini", IniPathFromModuleName("C:\\a.b\\KRELMOT.EXE") + " " +
                                                                    IniPathFromModuleName("/opt/krelmot") + " " +
                                                                    IniPathFromModuleName("Krelmot.exe"));
    // Screen, frame, band and status bar sizes; the board's columns and lines.
    const int cases[][8] = {{1024, 768, 8, 46, 28, 20, 47, 32},  // 59 x 39 cells would fit: the half-way caps
                            {640, 480, 8, 46, 28, 20, 37, 22},   // (640 - 8 - 1) / 17 and (480 - 94) / 17
                            {800, 544, 0, 0, 0, 0, 47, 32},      // 47 cells and the last grid line across
                            {799, 543, 0, 0, 0, 0, 46, 31},      // a pixel short
                            {200, 200, 8, 46, 28, 20, 15, 15}};  // too small for the smallest board
    for (auto& c : cases) {
        CBoardSize size = DefaultBoardSize({c[0], c[1], c[2], c[3], c[4], c[5]});
        EXPECT_EQ(std::vector<int>({c[6], c[7]}), std::vector<int>({size.columns, size.lines})) << c[0];
    }
}

}
