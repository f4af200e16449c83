// What only the Windows builds can check: the executable's own name, and an
// INI file that another program holds open against writing.
#include <gtest/gtest.h>

#include <windows.h>

#include "settings/SettingsStore.h"
#include "settings/WinProfile.h"
#include "tests/settings/Profiles.h"
#include "tests/settings/TempDir.h"

namespace {

const int FRENCH = 0;

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(WinProfile, StartUpFindsTheIniFileBesideTheRunningExecutable)
{
    CStartupFacts facts = SystemStartupFacts(FRENCH, 8, 46, 28, 20);
    ASSERT_TRUE(facts.moduleNameKnown);
    const std::string program = "krelmot_settings_tests.exe";
    ASSERT_TRUE(EndsWith(facts.moduleName, "\\" + program)) << facts.moduleName;
    EXPECT_EQ(facts.moduleName.substr(0, facts.moduleName.size() - program.size()) + "Krelmot.ini",
              IniPathFromModuleName(facts.moduleName));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), facts.metrics.screenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), facts.metrics.screenHeight);
    EXPECT_EQ(46, facts.metrics.frameHeight);
    EXPECT_EQ(FRENCH, facts.defaultLanguage);
}

class LockedIniTest : public ::testing::TestWithParam<CProfileKind> {};

TEST_P(LockedIniTest, AFileThatCannotBeWrittenIsReadAndLeftUnchanged)
{
    CTempDir dir;
    ASSERT_TRUE(dir.Made());
    std::string ini = dir.Path("Krelmot.ini");
    const std::string content = "[profile]\r\nversion=1\r\n[gen]\r\nmeilleur_score=12\r\n";
    WriteFile(ini, content);
    // Others may read the file but not write it, as with a read-only file.
    HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    CSettingsStore store(GetParam().get());
    CSettings settings;
    CStartupFacts facts;
    facts.moduleNameKnown = true;
    facts.moduleName = dir.Path("Krelmot.exe");
    facts.defaultLanguage = 1;
    CScreenMetrics metrics = {1024, 768, 8, 46, 28, 20};
    facts.metrics = metrics;
    EXPECT_EQ(0, store.LoadSettings(settings, 0, facts));
    EXPECT_EQ(0, store.LoadSettings(settings, 1, facts));
    EXPECT_EQ(12, settings.meilleur_score.Get());
    EXPECT_EQ(47, settings.largeur.Get());
    settings.meilleur_score.Set(45);
    settings.col_fenetre.Set(200);
    EXPECT_EQ(-1, store.WriteChangedSettings(settings));
    CloseHandle(lock);
    EXPECT_EQ(content, ReadFile(ini));
}

INSTANTIATE_TEST_SUITE_P(All, LockedIniTest, ::testing::ValuesIn(ProfileKinds()), ProfileKindName);

}
