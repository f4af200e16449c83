// Reading the settings from the INI file beside the executable at start-up,
// and writing back the changed ones at shutdown.
#ifndef KRELMOT_SETTINGS_SETTINGSSTORE_H
#define KRELMOT_SETTINGS_SETTINGSSTORE_H

#include <string>

#include "settings/Profile.h"
#include "settings/Settings.h"

const int PROFILE_VERSION = 1;

// The screen and what the main window puts around the grid, in pixels.
struct CScreenMetrics {
    int screenWidth;  // SM_CXSCREEN
    int screenHeight;  // SM_CYSCREEN
    int frameWidth;  // what the main window's frame adds to its client area
    int frameHeight;
    int bandHeight;  // the toolbar band above the grid
    int statusBarHeight;  // the status bar below it
};

struct CBoardSize {
    int columns;
    int lines;
};

// What start-up knows when it reads a group of settings.
struct CStartupFacts {
    bool moduleNameKnown;  // false when the executable's name could not be obtained
    std::string moduleName;  // the executable's full name
    int defaultLanguage;  // the string table's, from the user's locale
    CScreenMetrics metrics;  // used by the dimension group only
};

// The board that fits the screen, at most half-way between the bounds.
CBoardSize DefaultBoardSize(const CScreenMetrics& metrics);
// "Krelmot.ini" in the executable's folder.
std::string IniPathFromModuleName(const std::string& moduleName);
// A decimal integer after optional blanks and sign, up to the first other
// character; false when there is no digit. Values beyond 32 bits saturate.
bool ParseSettingNumber(const std::string& text, int& number);

// The system's profile functions on Windows, the portable ones elsewhere.
CProfile& SystemProfile();

class CSettingsStore {
public:
    explicit CSettingsStore(CProfile& profile);

    // Group 0: the general settings; group 1: the board size and the robot
    // numbers, whose defaults depend on the metrics. 0, or -1 for another
    // group, which is reported and reads nothing.
    int LoadSettings(CSettings& settings, int group, const CStartupFacts& facts);
    // Makes path the INI path and the file one of this version, emptying a
    // file of another; the file exists afterwards when it can be written.
    int OpenProfile(const std::string& path, int expectedVersion);
    // Deletes every section of the file.
    int ClearProfile();
    // Empty when there is no INI file.
    const std::string& GetIniPath() const { return iniPath; }

    // A setting takes the section, the key and the value found in the file,
    // or the default when the key is missing, does not read as the type, or
    // there is no INI path. It is then unchanged.
    int ReadSetting(CIntSetting& setting, const char* section, const char* key, int def);
    int ReadSetting(CBoolSetting& setting, const char* section, const char* key, bool def);
    // Writes a changed setting and clears its flag; nothing for the others.
    int WriteSetting(CIntSetting& setting);
    int WriteSetting(CBoolSetting& setting);
    // At shutdown: the changed settings, in the reverse order of their declaration.
    int WriteChangedSettings(CSettings& settings);

    CProfile& profile;
    std::string iniPath;
    CIntSetting version;

private:
    void LoadGeneral(CSettings& settings, int defaultLanguage);
    void LoadDimensions(CSettings& settings, const CScreenMetrics& metrics);
    void ReadDuration(CIntSetting& setting, const char* key, int def);
    bool ReadNumber(const char* section, const char* key, int def, int& number);
    int WriteText(const std::string& section, const std::string& key, const std::string& text);
};

#endif
