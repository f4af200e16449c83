#include "tests/settings/TempDir.h"

#include <stdio.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>
#endif

#ifdef _WIN32

CTempDir::CTempDir()
{
    static int counter = 0;
    char base[MAX_PATH + 1];
    GetTempPathA(sizeof base, base);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[64];
        snprintf(name, sizeof name, "krelmot-%lu-%d", (unsigned long)GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA((std::string(base) + name).c_str(), NULL)) {
            path = std::string(base) + name;
            return;
        }
    }
}

CTempDir::~CTempDir()
{
    if (path.empty())
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Path("*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string file = Path(found.cFileName);
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string CTempDir::Path(const std::string& name) const { return path + "\\" + name; }

#else

CTempDir::CTempDir()
{
    std::string pattern = "/tmp/krelmot-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(&buffer[0]))
        path = &buffer[0];
}

CTempDir::~CTempDir()
{
    if (path.empty())
        return;
    if (DIR* folder = opendir(path.c_str())) {
        while (dirent* entry = readdir(folder)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                unlink(Path(name).c_str());
        }
        closedir(folder);
    }
    rmdir(path.c_str());
}

std::string CTempDir::Path(const std::string& name) const { return path + "/" + name; }

#endif

bool FileExists(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (file)
        fclose(file);
    return file != 0;
}

std::string ReadFile(const std::string& path)
{
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char chunk[4096];
    size_t count;
    while ((count = fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, count);
    fclose(file);
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return;
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

std::vector<std::string> CrlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
