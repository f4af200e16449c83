// The settings and their INI file: what a profile reads and writes, and what
// start-up reads and shutdown writes through it, for every profile
// implementation (the portable one, and the system's own under Wine).
#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "settings/PortableProfile.h"
#include "settings/SettingsStore.h"
#include "tests/shell/MessageRecorder.h"
#ifdef _WIN32
#include "settings/WinProfile.h"
#define MKDIR(path) mkdir(path)
#else
#include <sys/stat.h>
#define MKDIR(path) mkdir(path, 0700)
#endif

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& s) { std::ofstream(path.c_str(), std::ios::binary) << s; }

CPortableProfile g_portable;
#ifdef _WIN32
CWinProfile g_windows;
CProfile* const PROFILES[] = {&g_portable, &g_windows};
#else
CProfile* const PROFILES[] = {&g_portable};
#endif

#define SETTING(name) {#name, &CSettings::name}
const struct { const char* key; CIntSetting CSettings::*number; } NUMBERS[] = {
    SETTING(col_fenetre), SETTING(lig_fenetre), SETTING(langue), SETTING(largeur), SETTING(hauteur), SETTING(religion),
    SETTING(intro), SETTING(coul_fond), SETTING(temps_move), SETTING(temps_tele), SETTING(temps_sonic),
    SETTING(temps_coucou), SETTING(temps_rex), SETTING(nb_robot_base), SETTING(nb_robot_incr), SETTING(meilleur_score)};
const struct { const char* key; CBoolSetting CSettings::*flag; } FLAGS[] = {
    SETTING(son), SETTING(grille), SETTING(immortalite)};

// Every setting as " key=value", "!" marking a changed one.
std::string Describe(const CSettings& s)
{
    std::ostringstream text;
    for (auto& n : NUMBERS) text << " " << n.key << "=" << (s.*n.number).value << ((s.*n.number).changed ? "!" : "");
    for (auto& f : FLAGS) text << " " << f.key << "=" << (s.*f.flag).value << ((s.*f.flag).changed ? "!" : "");
    return text.str() + " ";
}

// Each test in a fresh folder; forward slashes serve on Windows too.
class SettingsTest : public ::testing::TestWithParam<int> {
protected:
    SettingsTest() : profile(*PROFILES[GetParam()]), store(profile) { EXPECT_EQ(0, MKDIR(folder.c_str())) << folder; }
    ~SettingsTest()
    {
        for (const std::string& file : {ini, folder + "/folder"}) remove(file.c_str());
        rmdir(folder.c_str());
    }

    // What the profile reads, after the flush that start-up does too.
    std::string Get(const char* section, const char* key, const std::string& def = "dflt")
    {
        std::string value = "not set";
        profile.Flush(ini);
        EXPECT_EQ(0, profile.GetString(ini, section, key, def.c_str(), value));
        return value;
    }

    // A start-up on fresh settings from this file (none: as it is): both groups, in the program's order.
    void Start(const char* file = nullptr)
    {
        if (file) WriteFile(ini, file);
        settings = CSettings();
        EXPECT_EQ(0, store.LoadSettings(settings, 0, facts));
        EXPECT_EQ(0, store.LoadSettings(settings, 1, facts));
    }

    CProfile& profile;
    CSettingsStore store;
    std::string folder = std::string(getenv("TEMP") ? getenv("TEMP") : "/tmp") + "/krelmot-" + std::to_string(getpid());
    std::string ini = folder + "/Krelmot.ini";
    CStartupFacts facts = {true, folder + "/Krelmot.exe", 0, {1024, 768, 8, 46, 28, 20}};  // French, 47 x 32 cells
    CSettings settings;
    std::vector<std::string> names = {"not set"};
};

// Blanks around names and values go, names match in any case, one pair of
// quotes goes; only the first of two sections counts; a value is cut to 1023
// characters. A key is written at the end of its section, a section at the end
// of the file.
TEST_P(SettingsTest, TheProfileReadsAndWritesAsTheSystemDoes)
{
    EXPECT_EQ("dflt", Get("gen", "langue")) << "no file";
    EXPECT_TRUE(profile.GetSectionNames(ini, names) == 0 && names.empty()) << "no file, no section";
    EXPECT_EQ(0, profile.WriteString(ini, "profile", "version", "1"));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini)) << "a missing file is made";
    WriteFile(ini, "; comment\r\n[ Std ]\r\n  LARGEUR =   42abc  \r\nson=yes\r\nquoted=\"16711680\"\r\nsingle='7'\r\n"
                   "unmatched=\"7'\r\nquotes=\"\"\r\nempty=\r\nname only\r\ntwice=first\r\ntwice=second\r\n\r\n"
                   "[std]\r\nlater=x\n[lf]\nkey = a b = c\nlong=" + std::string(5000, '7') + "\nlast=no line end");
    const char* cases[][3] = {
        {"std", "largeur", "42abc"}, {"STD", "son", "yes"}, {"std", "quoted", "16711680"}, {"std", "single", "7"},
        {"std", "unmatched", "\"7'"}, {"std", "quotes", ""}, {"std", "empty", ""}, {"std", "name only", "dflt"},
        {"std", "twice", "first"}, {"std", "later", "dflt"}, {"gen", "langue", "dflt"}, {"lf", "missing", "dflt"},
        {"lf", "key", "a b = c"}, {"lf", "last", "no line end"}};
    for (auto& c : cases) EXPECT_EQ(c[2], Get(c[0], c[1])) << c[0] << "/" << c[1];
    EXPECT_EQ(std::string(1023, '7'), Get("lf", "long"));
    EXPECT_EQ(std::string(1023, 'd'), Get("lf", "missing", std::string(2000, 'd')));
    EXPECT_EQ(0, profile.GetSectionNames(ini, names));
    EXPECT_EQ(std::vector<std::string>({"Std", "std", "lf"}), names);
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

// A first start takes every default but the locale's language and makes the
// file with its version; shutdown then writes the changed settings in reverse
// order, once, and the next start reads them.
TEST_P(SettingsTest, DefaultsAtTheFirstStartChangedSettingsWrittenAtShutdown)
{
    std::string defaults = " col_fenetre=-1 lig_fenetre=-1 langue=1 largeur=47 hauteur=32 religion=0 intro=1 "
                           "coul_fond=0 temps_move=200 temps_tele=100 temps_sonic=200 temps_coucou=100 temps_rex=200 "
                           "nb_robot_base=7 nb_robot_incr=3 meilleur_score=0 son=1 grille=0 immortalite=0 ";
    EXPECT_EQ(defaults, Describe(CSettings()));
    Start();
    EXPECT_EQ(defaults.replace(defaults.find("langue=1"), 8, "langue=0"), Describe(settings));
    EXPECT_EQ(ini, store.GetIniPath());
    EXPECT_EQ(0, store.WriteChangedSettings(settings));
    EXPECT_EQ("[profile]\r\nversion=1\r\n", ReadFile(ini)) << "nothing changed, nothing written";
    for (auto& n : NUMBERS) (settings.*n.number).Set((settings.*n.number).value + 1);
    for (auto& f : FLAGS) (settings.*f.flag).Set(!(settings.*f.flag).value);
    settings.temps_move.Set(200);  // changed and put back, as the intro does
    std::string read = Describe(settings);
    read.erase(std::remove(read.begin(), read.end(), '!'), read.end());
    const std::string written =
        "[profile]\r\nversion=1\r\n[gen]\r\nmeilleur_score=1\r\nlangue=1\r\nlig_fenetre=0\r\ncol_fenetre=0\r\n"
        "[std]\r\nnb_robot_incr=4\r\nnb_robot_base=8\r\ntemps_rex=201\r\ntemps_coucou=101\r\ntemps_sonic=201\r\n"
        "temps_tele=101\r\ntemps_move=200\r\ncoul_fond=1\r\nintro=2\r\nson=0\r\nreligion=1\r\nhauteur=33\r\n"
        "largeur=48\r\n[dbg]\r\nimmortalite=1\r\ngrille=1\r\n";
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(0, store.WriteChangedSettings(settings));
        EXPECT_EQ(written, ReadFile(ini)) << time;
        EXPECT_EQ(read, Describe(settings)) << "written settings are no longer changed";
    }
    Start();
    EXPECT_EQ(read, Describe(settings));
}

// A file, and items of what start-up reads from it; "!" marks a value brought
// into its bounds, which shutdown writes back. Robot numbers and the window's
// place are taken as they are.
TEST_P(SettingsTest, StartUpReadsHandEditedFilesWithinTheBounds)
{
    const char* cases[][2] = {
        {"[std]\nlargeur=abc\nhauteur=", "largeur=47 hauteur=32"}, {"[std]\nlargeur=  42a", "largeur=42"},
        {"[std]\nlargeur=15\nhauteur=80", "largeur=15 hauteur=80"}, {"[std]\nlargeur=111", "largeur=110!"},
        {"[std]\nlargeur=110\nhauteur=15", "largeur=110 hauteur=15"}, {"[std]\nhauteur=81", "hauteur=80!"},
        {"[std]\nlargeur=14\nhauteur=-2147483648", "largeur=15! hauteur=15!"},
        {"[std]\nlargeur=0\nhauteur=9999", "largeur=15! hauteur=80! nb_robot_base=6 nb_robot_incr=3"},
        {"[std]\ntemps_move=-1\ntemps_tele=999999\ntemps_rex=5001", "temps_move=0! temps_tele=5000! temps_rex=5000!"},
        {"[std]\ntemps_sonic=5000\ntemps_coucou=0", "temps_sonic=5000 temps_coucou=0"},
        {"[std]\nnb_robot_base=0\nnb_robot_incr=-3", "nb_robot_base=0 nb_robot_incr=-3"},
        {"[std]\nnb_robot_base=5000\ncoul_fond=16711680", "nb_robot_base=5000 coul_fond=16711680"},
        {"[gen]\ncol_fenetre=-99999999999\nmeilleur_score=+45\nlangue=1",
         "col_fenetre=-2147483648 meilleur_score=45 langue=1"},
        {"[gen]\nlangue=abc", "langue=0"}, {"[gen]\nlangue=2", "langue=0!"}, {"[gen]\nlangue=-1", "langue=0!"},
        {"[std]\nson=0\n[dbg]\ngrille=1", "son=0 grille=1"}, {"[std]\nson=\n[dbg]\ngrille= 1 ", "son=1 grille=1"},
        {"[std]\nson=yes\n[dbg]\ngrille=-1", "son=1 grille=0"}, {"[std]\nson=2\n[dbg]\ngrille=2", "son=1 grille=0"},
        {"[profile]\nversion=2\n[gen]\nmeilleur_score=999", "meilleur_score=0"},  // another version: emptied
        {"[gen]\nmeilleur_score=999", "meilleur_score=999"}};  // no version: kept
    for (auto& c : cases) {
        Start(c[0]);
        std::istringstream items(c[1]);
        for (std::string item; items >> item;)
            EXPECT_NE(std::string::npos, Describe(settings).find(" " + item + " ")) << c[0] << ": " << item;
    }
    Start("[std]\r\nlargeur=0\r\n[gen]\r\nlangue=7\r\n");
    store.WriteChangedSettings(settings);
    EXPECT_EQ("[std]\r\nlargeur=15\r\n[gen]\r\nlangue=0\r\n[profile]\r\nversion=1\r\n", ReadFile(ini));
    facts.defaultLanguage = 1;
    Start("[gen]\r\nlangue=0\r\n");
    EXPECT_EQ(0, settings.langue.Get()) << "ours, even when not the locale's";
}

// An unknown group, or no executable's name, reads nothing; the latter
// writes nothing either, nor does a setting that was never given its key. A
// folder that is really a file cannot hold an INI file, whoever runs the
// test: any failed write fails the shutdown, two as well as one.
TEST_P(SettingsTest, AnUnknownGroupNoExecutableNameOrAnUnwritableFileLeaveTheGameRunning)
{
    CMessageRecorder recorder;
    WriteFile(ini, "[gen]\r\nmeilleur_score=5\r\n");
    EXPECT_EQ(-1, store.LoadSettings(settings, 2, facts));
    EXPECT_EQ(-1, store.LoadSettings(settings, -1, facts));
    EXPECT_EQ(std::vector<std::string>({"CKrelmot init partie 2 non geree", "CKrelmot init partie -1 non geree"}),
              recorder.texts);
    EXPECT_EQ(Describe(CSettings()), Describe(settings));
    EXPECT_TRUE(settings.meilleur_score.key.empty());
    const std::string file = "[gen]\r\nmeilleur_score=5\r\n[profile]\r\nversion=1\r\n";
    EXPECT_EQ(file, ReadFile(ini)) << "the version check ran";
    facts.moduleNameKnown = false;
    facts.defaultLanguage = 1;
    Start();
    EXPECT_EQ("", store.GetIniPath());
    EXPECT_EQ(Describe(CSettings()), Describe(settings));
    settings.meilleur_score.Set(45);
    EXPECT_EQ(-1, store.WriteChangedSettings(settings));
    EXPECT_EQ(0, store.ClearProfile());
    EXPECT_EQ(0, store.OpenProfile(ini, PROFILE_VERSION));
    settings.meilleur_score.key.clear();
    EXPECT_EQ(-1, store.WriteSetting(settings.meilleur_score));
    EXPECT_TRUE(settings.meilleur_score.changed);
    EXPECT_EQ(file, ReadFile(ini));
    WriteFile(folder + "/folder", "not a folder");
    EXPECT_EQ(-1, profile.WriteString(folder + "/folder/Krelmot.ini", "profile", "version", "1"));
    facts = {true, folder + "/folder/Krelmot.exe", 0, facts.metrics};
    for (int i = 0; i < 19; ++i) {
        Start();
        if (i < 16) (settings.*NUMBERS[i].number).Set(12345);
        else (settings.*FLAGS[i - 16].flag).Set(!(settings.*FLAGS[i - 16].flag).value);
        settings.son.Set(false);
        EXPECT_EQ(-1, store.WriteChangedSettings(settings)) << i;
    }
    EXPECT_EQ("not a folder", ReadFile(folder + "/folder"));
}

INSTANTIATE_TEST_SUITE_P(All, SettingsTest, ::testing::Range(0, (int)(sizeof PROFILES / sizeof PROFILES[0])),
                         [](const ::testing::TestParamInfo<int>& p) { return p.param ? "Windows" : "Portable"; });


// Numbers read as decimal integers that saturate; the INI file lives in the executable's
// folder; the board fits the screen (screen, frame, band and status bar sizes; the board's
// columns and lines).
TEST(SettingValues, NumbersSaturateTheIniFileIsBesideTheProgramAndTheBoardFitsTheScreen)
{
    const struct { const char* text; bool reads; int number; } cases[] = {
        {"42", true, 42}, {"+5", true, 5}, {"42abc", true, 42}, {"0x10", true, 0}, {"\t\n\v\f\r 7", true, 7},
        {"2147483647", true, INT_MAX}, {"2147483648", true, INT_MAX}, {"-2147483648", true, INT_MIN},
        {"-2147483649", true, INT_MIN}, {"99999999999999999999999999", true, INT_MAX}, {"", false, 0},
        {"-", false, 0}, {"- 5", false, 0}, {"+-5", false, 0}, {"\b7", false, 0}, {"\x0e" "7", false, 0}};
    for (auto& c : cases) {
        int number = 12345;
        EXPECT_EQ(c.reads, ParseSettingNumber(c.text, number)) << c.text;
        EXPECT_EQ(c.reads ? c.number : 12345, number) << c.text;
    }
    EXPECT_EQ("C:\\a.b\\Krelmot.ini /opt/Krelmot.ini Krelmot.ini", IniPathFromModuleName("C:\\a.b\\KRELMOT.EXE") + " " +
                                                                    IniPathFromModuleName("/opt/krelmot") + " " +
                                                                    IniPathFromModuleName("Krelmot.exe"));
    const int screens[][8] = {{1024, 768, 8, 46, 28, 20, 47, 32},  // 59 x 39 cells would fit: the half-way caps
                              {640, 480, 8, 46, 28, 20, 37, 22},   // (640 - 8 - 1) / 17 and (480 - 94) / 17
                              {800, 544, 0, 0, 0, 0, 47, 32},      // 47 cells and the last grid line across
                              {799, 543, 0, 0, 0, 0, 46, 31},      // a pixel short
                              {200, 200, 8, 46, 28, 20, 15, 15}};  // too small for the smallest board
    for (auto& c : screens) {
        CBoardSize size = DefaultBoardSize({c[0], c[1], c[2], c[3], c[4], c[5]});
        EXPECT_EQ(std::vector<int>({c[6], c[7]}), std::vector<int>({size.columns, size.lines})) << c[0];
    }
}

}
