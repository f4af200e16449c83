// The INI reader and writer for where the system's profile functions are
// missing. It reads the whole file at every call and rewrites it at every
// change, the way the system's writer leaves it: CRLF line ends, no blank
// lines, no blanks around "=", comments and unknown lines kept in place.
#ifndef KRELMOT_SETTINGS_PORTABLEPROFILE_H
#define KRELMOT_SETTINGS_PORTABLEPROFILE_H

#include "settings/Profile.h"

class CPortableProfile : public CProfile {
public:
    int GetString(const std::string& path, const char* section, const char* key, const char* def,
                  std::string& value);
    int WriteString(const std::string& path, const char* section, const char* key, const char* value);
    int DeleteSection(const std::string& path, const char* section);
    int GetSectionNames(const std::string& path, std::vector<std::string>& names);
    int Flush(const std::string& path);
};

#endif
