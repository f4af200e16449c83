#include "settings/SettingsStore.h"

#include <stdio.h>

#include "core/Cell.h"
#include "core/Game.h"
#include "shell/sl/ErrorReport.h"

namespace {

const char INI_FILE_NAME[] = "Krelmot.ini";
const char PROFILE_SECTION[] = "profile";
const char VERSION_KEY[] = "version";
const char GENERAL_SECTION[] = "gen";
const char STANDARD_SECTION[] = "std";
const char DEBUG_SECTION[] = "dbg";

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

int Smaller(int a, int b) { return a < b ? a : b; }

std::string DecimalText(int value)
{
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A hand-edited value outside the bounds would break the game (a board of no
// column divides by zero, a negative duration never ends an animation): it is
// brought into them and, like a corrected language, written back at shutdown.
void ClampSetting(CIntSetting& setting, int low, int high) { setting.Set(Clamp(setting.value, low, high)); }

}

CBoardSize DefaultBoardSize(const CScreenMetrics& m)
{
    CBoardSize size;
    size.columns = Smaller((BOUNDS.maxColumns - BOUNDS.minColumns) / 2, (m.screenWidth - m.frameWidth - 1) / CELL_PITCH);
    size.lines = Smaller((BOUNDS.maxLines - BOUNDS.minLines) / 2,
                         (m.screenHeight - m.frameHeight - m.bandHeight - m.statusBarHeight) / CELL_PITCH);
    // A screen too small for the smallest board still gets the smallest board.
    size.columns = Clamp(size.columns, BOUNDS.minColumns, BOUNDS.maxColumns);
    size.lines = Clamp(size.lines, BOUNDS.minLines, BOUNDS.maxLines);
    return size;
}

std::string IniPathFromModuleName(const std::string& moduleName)
{
    size_t separator = moduleName.find_last_of("\\/");
    std::string folder = separator == std::string::npos ? std::string() : moduleName.substr(0, separator + 1);
    return folder + INI_FILE_NAME;
}

bool ParseSettingNumber(const std::string& text, int& number)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i]))
        return false;
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    number = (int)(negative ? -magnitude : magnitude);
    return true;
}

CSettingsStore::CSettingsStore(CProfile& profile_) : profile(profile_) {}

int CSettingsStore::LoadSettings(CSettings& settings, int group, const CStartupFacts& facts)
{
    // Without the executable's name there is no INI file: every setting then
    // takes its default and nothing is ever written.
    OpenProfile(facts.moduleNameKnown ? IniPathFromModuleName(facts.moduleName) : std::string(), PROFILE_VERSION);
    switch (group) {
    case 0:
        LoadGeneral(settings, facts.defaultLanguage);
        return 0;
    case 1:
        LoadDimensions(settings, facts.metrics);
        return 0;
    default:
        SL_Erreur("CKrelmot init partie %d non geree", group);
        return -1;
    }
}

void CSettingsStore::LoadGeneral(CSettings& s, int defaultLanguage)
{
    ReadSetting(s.langue, GENERAL_SECTION, "langue", defaultLanguage);
    if (s.langue.value < 0 || s.langue.value > 1)
        s.langue.Set(defaultLanguage);
    ReadSetting(s.col_fenetre, GENERAL_SECTION, "col_fenetre", -1);
    ReadSetting(s.lig_fenetre, GENERAL_SECTION, "lig_fenetre", -1);
    ReadSetting(s.religion, STANDARD_SECTION, "religion", 0);
    ReadSetting(s.son, STANDARD_SECTION, "son", true);
    ReadSetting(s.intro, STANDARD_SECTION, "intro", 1);
    ReadSetting(s.coul_fond, STANDARD_SECTION, "coul_fond", 0);
    ReadSetting(s.grille, DEBUG_SECTION, "grille", false);
    ReadSetting(s.immortalite, DEBUG_SECTION, "immortalite", false);
    ReadSetting(s.meilleur_score, GENERAL_SECTION, "meilleur_score", 0);
    ReadDuration(s.temps_move, "temps_move", 200);
    ReadDuration(s.temps_tele, "temps_tele", 100);
    ReadDuration(s.temps_sonic, "temps_sonic", 200);
    ReadDuration(s.temps_coucou, "temps_coucou", 100);
    ReadDuration(s.temps_rex, "temps_rex", 200);
}

void CSettingsStore::ReadDuration(CIntSetting& setting, const char* key, int def)
{
    ReadSetting(setting, STANDARD_SECTION, key, def);
    ClampSetting(setting, 0, BOUNDS.maxDuration);
}

// Robot numbers are taken as they are: every count is playable. None (or a
// negative one) gives levels that complete at once, a huge one is held to
// the level cap.
void CSettingsStore::LoadDimensions(CSettings& s, const CScreenMetrics& metrics)
{
    CBoardSize board = DefaultBoardSize(metrics);
    ReadSetting(s.largeur, STANDARD_SECTION, "largeur", board.columns);
    ClampSetting(s.largeur, BOUNDS.minColumns, BOUNDS.maxColumns);
    ReadSetting(s.hauteur, STANDARD_SECTION, "hauteur", board.lines);
    ClampSetting(s.hauteur, BOUNDS.minLines, BOUNDS.maxLines);
    CRobotCounts counts = DefaultRobotCounts(s.largeur.value, s.hauteur.value);
    ReadSetting(s.nb_robot_base, STANDARD_SECTION, "nb_robot_base", counts.base);
    ReadSetting(s.nb_robot_incr, STANDARD_SECTION, "nb_robot_incr", counts.added);
}

int CSettingsStore::OpenProfile(const std::string& path, int expectedVersion)
{
    iniPath = path;
    if (!iniPath.empty())
        profile.Flush(iniPath);
    ReadSetting(version, PROFILE_SECTION, VERSION_KEY, expectedVersion);
    if (version.value != expectedVersion) {
        ClearProfile();
        version.Set(expectedVersion);
    }
    if (iniPath.empty())
        return 0;
    // Written whether it changed or not, so that the file exists after every start.
    version.changed = true;
    WriteSetting(version);
    version.changed = false;
    profile.Flush(iniPath);
    return 0;
}

int CSettingsStore::ClearProfile()
{
    if (iniPath.empty())
        return 0;
    std::vector<std::string> names;
    profile.GetSectionNames(iniPath, names);
    int result = 0;
    for (size_t i = 0; i < names.size(); ++i)
        if (profile.DeleteSection(iniPath, names[i].c_str()) != 0)
            result = -1;
    return result;
}

namespace {

template <class V>
void StartReading(CSetting<V>& setting, const char* section, const char* key, V def)
{
    setting.section = section;
    setting.key = key;
    setting.value = def;
    setting.changed = false;
}

}

// The number the file holds for the key, the default's text standing for a
// missing key; false when there is no INI file or the text is no number.
bool CSettingsStore::ReadNumber(const char* section, const char* key, int def, int& number)
{
    if (iniPath.empty())
        return false;
    std::string text;
    profile.GetString(iniPath, section, key, DecimalText(def).c_str(), text);
    return ParseSettingNumber(text, number);
}

int CSettingsStore::ReadSetting(CIntSetting& setting, const char* section, const char* key, int def)
{
    StartReading(setting, section, key, def);
    int number;
    if (ReadNumber(section, key, def, number))
        setting.value = number;
    return 0;
}

int CSettingsStore::ReadSetting(CBoolSetting& setting, const char* section, const char* key, bool def)
{
    StartReading(setting, section, key, def);
    int number;
    if (ReadNumber(section, key, def ? 1 : 0, number) && (number == 0 || number == 1))
        setting.value = number == 1;
    return 0;
}

int CSettingsStore::WriteText(const std::string& section, const std::string& key, const std::string& text)
{
    // A setting that was never read has no place in the file.
    if (iniPath.empty() || section.empty() || key.empty())
        return -1;
    return profile.WriteString(iniPath, section.c_str(), key.c_str(), text.c_str());
}

// A failed write keeps the flag: the file does not hold the value.
int CSettingsStore::WriteSetting(CIntSetting& setting)
{
    if (!setting.changed)
        return 0;
    if (WriteText(setting.section, setting.key, DecimalText(setting.value)) != 0)
        return -1;
    setting.changed = false;
    return 0;
}

int CSettingsStore::WriteSetting(CBoolSetting& setting)
{
    if (!setting.changed)
        return 0;
    if (WriteText(setting.section, setting.key, setting.value ? "1" : "0") != 0)
        return -1;
    setting.changed = false;
    return 0;
}

int CSettingsStore::WriteChangedSettings(CSettings& s)
{
    int failures = 0;
    failures += WriteSetting(s.meilleur_score);
    failures += WriteSetting(s.nb_robot_incr);
    failures += WriteSetting(s.nb_robot_base);
    failures += WriteSetting(s.temps_rex);
    failures += WriteSetting(s.temps_coucou);
    failures += WriteSetting(s.temps_sonic);
    failures += WriteSetting(s.temps_tele);
    failures += WriteSetting(s.temps_move);
    failures += WriteSetting(s.immortalite);
    failures += WriteSetting(s.grille);
    failures += WriteSetting(s.coul_fond);
    failures += WriteSetting(s.intro);
    failures += WriteSetting(s.son);
    failures += WriteSetting(s.religion);
    failures += WriteSetting(s.hauteur);
    failures += WriteSetting(s.largeur);
    failures += WriteSetting(s.langue);
    failures += WriteSetting(s.lig_fenetre);
    failures += WriteSetting(s.col_fenetre);
    return failures == 0 ? 0 : -1;
}
