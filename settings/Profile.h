// The INI file as the settings see it: the system's profile functions on
// Windows, a portable reader and writer where they are missing. Both keep the
// same rules: a missing key yields the default; writing a key replaces its
// value or appends it at the end of its section, a new section going at the
// end of the file; deleting a section removes all its keys; the section names
// can be listed. Names of sections and keys match without regard to case.
#ifndef KRELMOT_SETTINGS_PROFILE_H
#define KRELMOT_SETTINGS_PROFILE_H

#include <string>
#include <vector>

// A value read is cut to this size less one character, as the system's reader
// does with a buffer of this size.
const int PROFILE_VALUE_SIZE = 1024;

class CProfile {
public:
    virtual ~CProfile() {}

    // The key's value with blanks and one pair of enclosing quotes removed,
    // or the default when the key or its section is missing. Always 0.
    virtual int GetString(const std::string& path, const char* section, const char* key, const char* def,
                          std::string& value) = 0;
    // 0, or -1 when the file could not be written.
    virtual int WriteString(const std::string& path, const char* section, const char* key, const char* value) = 0;
    // 0, or -1 when the file could not be written. A missing section is no error.
    virtual int DeleteSection(const std::string& path, const char* section) = 0;
    // Every section name in file order; none when the file is missing.
    virtual int GetSectionNames(const std::string& path, std::vector<std::string>& names) = 0;
    // Makes the next read see the file as it is on disk. 0, or -1 when the
    // system says so (it does under Wine, harmlessly).
    virtual int Flush(const std::string& path) = 0;
};

#endif
