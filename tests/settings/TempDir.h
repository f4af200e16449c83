// A fresh folder under the system's temporary folder for the INI files of a
// test, removed with its files afterwards, and plain file helpers.
#ifndef KRELMOT_TESTS_SETTINGS_TEMPDIR_H
#define KRELMOT_TESTS_SETTINGS_TEMPDIR_H

#include <string>
#include <vector>

class CTempDir {
public:
    CTempDir();
    ~CTempDir();

    // Empty when no folder could be made.
    bool Made() const { return !path.empty(); }
    // A name inside the folder.
    std::string Path(const std::string& name) const;

    std::string path;

private:
    CTempDir(const CTempDir&);
    CTempDir& operator=(const CTempDir&);
};

bool FileExists(const std::string& path);
// The bytes of the file; empty when it is missing.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// The lines of a text written with CRLF line ends; anything else shows up as
// a stray "\r" or "\n" in a line.
std::vector<std::string> CrlfLines(const std::string& text);

#endif
