#include "settings/WinProfile.h"

#include <windows.h>

namespace {

// A full name longer than this is cut by the system, and a cut name would
// put the INI file in some other folder.
const DWORD MODULE_NAME_SIZE = 261;
// The names list grows until it fits, up to a size no INI file of ours nears.
const DWORD FIRST_NAMES_SIZE = 1024;
const DWORD LARGEST_NAMES_SIZE = 1 << 24;

}

int CWinProfile::GetString(const std::string& path, const char* section, const char* key, const char* def,
                           std::string& value)
{
    char buffer[PROFILE_VALUE_SIZE];
    DWORD length = GetPrivateProfileStringA(section, key, def, buffer, sizeof buffer, path.c_str());
    value.assign(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
    return 0;
}

int CWinProfile::WriteString(const std::string& path, const char* section, const char* key, const char* value)
{
    return WritePrivateProfileStringA(section, key, value, path.c_str()) ? 0 : -1;
}

int CWinProfile::DeleteSection(const std::string& path, const char* section)
{
    return WritePrivateProfileStringA(section, NULL, NULL, path.c_str()) ? 0 : -1;
}

// A list that does not fit is cut at a whole name and reported as the size
// less two; the list is then asked for again in twice the room, so that no
// section escapes a clearing.
int CWinProfile::GetSectionNames(const std::string& path, std::vector<std::string>& names)
{
    names.clear();
    std::vector<char> buffer;
    DWORD length = 0;
    for (DWORD size = FIRST_NAMES_SIZE; size <= LARGEST_NAMES_SIZE; size *= 2) {
        buffer.assign(size, '\0');
        length = GetPrivateProfileSectionNamesA(&buffer[0], size, path.c_str());
        if (length + 2 < size)
            break;
    }
    for (DWORD start = 0; start < length && buffer[start];) {
        std::string name(&buffer[start]);
        start += (DWORD)name.size() + 1;
        names.push_back(name);
    }
    return 0;
}

int CWinProfile::Flush(const std::string& path)
{
    return WritePrivateProfileStringA(NULL, NULL, NULL, path.c_str()) ? 0 : -1;
}

int GetExecutableName(std::string& name)
{
    char buffer[MODULE_NAME_SIZE];
    DWORD length = GetModuleFileNameA(NULL, buffer, MODULE_NAME_SIZE);
    if (length == 0 || length >= MODULE_NAME_SIZE)
        return -1;
    name.assign(buffer, length);
    return 0;
}

CStartupFacts SystemStartupFacts(int defaultLanguage, int frameWidth, int frameHeight, int bandHeight,
                                 int statusBarHeight)
{
    CStartupFacts facts;
    facts.moduleNameKnown = GetExecutableName(facts.moduleName) == 0;
    facts.defaultLanguage = defaultLanguage;
    CScreenMetrics metrics = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), frameWidth, frameHeight,
                              bandHeight, statusBarHeight};
    facts.metrics = metrics;
    return facts;
}
