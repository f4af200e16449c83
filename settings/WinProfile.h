// The system's profile functions behind the profile interface, and the
// executable's own name, which tells where the INI file lives.
#ifndef KRELMOT_SETTINGS_WINPROFILE_H
#define KRELMOT_SETTINGS_WINPROFILE_H

#include <string>

#include "settings/Profile.h"
#include "settings/SettingsStore.h"

class CWinProfile : public CProfile {
public:
    int GetString(const std::string& path, const char* section, const char* key, const char* def,
                  std::string& value);
    int WriteString(const std::string& path, const char* section, const char* key, const char* value);
    int DeleteSection(const std::string& path, const char* section);
    int GetSectionNames(const std::string& path, std::vector<std::string>& names);
    int Flush(const std::string& path);
};

// The executable's full name; -1 when it cannot be obtained, or only cut short.
int GetExecutableName(std::string& name);

// What start-up hands to LoadSettings: the executable's name and the screen's
// size from the system, the rest from the string table and the main window.
CStartupFacts SystemStartupFacts(int defaultLanguage, int frameWidth, int frameHeight, int bandHeight,
                                 int statusBarHeight);

#endif
