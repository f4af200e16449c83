#include "settings/PortableProfile.h"

#include <stdio.h>

namespace {

// A line of a section: a key with its value, or a line kept as it is
// (a comment, a name without "=").
struct CIniLine {
    std::string name;
    std::string value;
    bool hasValue = false;
};

// The lines before the first header form a section without a name.
struct CIniSection {
    std::string name;
    bool named = false;
    std::vector<CIniLine> lines;
};

typedef std::vector<CIniSection> CIniFile;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimLeft(const std::string& text)
{
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::string TrimRight(const std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string Trim(const std::string& text) { return TrimRight(TrimLeft(text)); }

bool IsComment(const std::string& line) { return !line.empty() && line[0] == ';'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return i == a.size() && !b[i];
}

void ParseLine(const std::string& text, CIniFile& file)
{
    std::string line = Trim(text);
    if (line.empty())
        return;
    if (line[0] == '[') {
        size_t close = line.find(']');
        CIniSection section;
        section.name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        section.named = true;
        file.push_back(section);
        return;
    }
    if (file.empty()) {
        CIniSection top;
        top.named = false;
        file.push_back(top);
    }
    CIniLine entry;
    size_t equals = IsComment(line) ? std::string::npos : line.find('=');
    entry.hasValue = equals != std::string::npos;
    entry.name = entry.hasValue ? TrimRight(line.substr(0, equals)) : line;
    if (entry.hasValue)
        entry.value = TrimLeft(line.substr(equals + 1));
    file.back().lines.push_back(entry);
}

// A missing file reads as an empty one.
void Load(const std::string& path, CIniFile& file)
{
    file.clear();
    FILE* stream = fopen(path.c_str(), "rb");
    if (!stream)
        return;
    std::string line;
    char chunk[4096];
    size_t count;
    while ((count = fread(chunk, 1, sizeof chunk, stream)) > 0) {
        for (size_t i = 0; i < count; ++i) {
            if (chunk[i] == '\n') {
                ParseLine(line, file);
                line.clear();
            } else if (chunk[i] != '\r') {
                line += chunk[i];
            }
        }
    }
    ParseLine(line, file);
    fclose(stream);
}

int Save(const std::string& path, const CIniFile& file)
{
    std::string text;
    for (size_t s = 0; s < file.size(); ++s) {
        if (file[s].named)
            text += "[" + file[s].name + "]\r\n";
        for (size_t l = 0; l < file[s].lines.size(); ++l) {
            const CIniLine& line = file[s].lines[l];
            text += line.hasValue ? line.name + "=" + line.value : line.name;
            text += "\r\n";
        }
    }
    FILE* stream = fopen(path.c_str(), "wb");
    if (!stream)
        return -1;
    bool written = fwrite(text.data(), 1, text.size(), stream) == text.size();
    if (fclose(stream) != 0)
        written = false;
    return written ? 0 : -1;
}

// Only the first section of a name counts, as with the system's functions.
CIniSection* FindSection(CIniFile& file, const char* name)
{
    for (size_t s = 0; s < file.size(); ++s)
        if (SameName(file[s].name, name))
            return &file[s];
    return 0;
}

CIniLine* FindKey(CIniSection& section, const char* key)
{
    for (size_t l = 0; l < section.lines.size(); ++l)
        if (!IsComment(section.lines[l].name) && SameName(section.lines[l].name, key))
            return &section.lines[l];
    return 0;
}

std::string Unquote(const std::string& value)
{
    size_t n = value.size();
    if (n >= 2 && (value[0] == '"' || value[0] == '\'') && value[n - 1] == value[0])
        return value.substr(1, n - 2);
    return value;
}

}

int CPortableProfile::GetString(const std::string& path, const char* section, const char* key, const char* def,
                                std::string& value)
{
    CIniFile file;
    Load(path, file);
    CIniSection* found = FindSection(file, section);
    CIniLine* line = found ? FindKey(*found, key) : 0;
    if (line && line->hasValue)
        value = Unquote(TrimRight(line->value));
    else
        value = TrimRight(def ? def : "");
    if (value.size() > (size_t)PROFILE_VALUE_SIZE - 1)
        value.resize(PROFILE_VALUE_SIZE - 1);
    return 0;
}

int CPortableProfile::WriteString(const std::string& path, const char* section, const char* key, const char* value)
{
    CIniFile file;
    Load(path, file);
    CIniSection* found = FindSection(file, section);
    if (!found) {
        CIniSection added;
        added.name = section;
        added.named = true;
        file.push_back(added);
        found = &file.back();
    }
    CIniLine* line = FindKey(*found, key);
    if (!line) {
        CIniLine added;
        added.name = key;
        found->lines.push_back(added);
        line = &found->lines.back();
    }
    line->value = TrimLeft(value);
    line->hasValue = true;
    return Save(path, file);
}

int CPortableProfile::DeleteSection(const std::string& path, const char* section)
{
    CIniFile file;
    Load(path, file);
    for (size_t s = 0; s < file.size(); ++s) {
        if (file[s].named && SameName(file[s].name, section)) {
            file.erase(file.begin() + s);
            return Save(path, file);
        }
    }
    return 0;
}

int CPortableProfile::GetSectionNames(const std::string& path, std::vector<std::string>& names)
{
    CIniFile file;
    Load(path, file);
    names.clear();
    for (size_t s = 0; s < file.size(); ++s)
        if (file[s].named)
            names.push_back(file[s].name);
    return 0;
}

int CPortableProfile::Flush(const std::string&) { return 0; }
