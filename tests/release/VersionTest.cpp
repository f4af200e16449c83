// The built Krelmot.exe read back from the file, as the file's properties
// and the program itself read it: the version resource and the window title.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Version.h"

TEST(Version, TheExecutableCarriesTheVersionInItsResourceAndItsTitle)
{
    DWORD size = GetFileVersionInfoSizeA(KRELMOT_EXE, NULL);
    std::vector<char> block(size + 1);
    ASSERT_TRUE(size && GetFileVersionInfoA(KRELMOT_EXE, 0, size, block.data())) << KRELMOT_EXE;
    auto value = [&block](const char* name) {
        char* text = nullptr;
        UINT length = 0;
        std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
        return VerQueryValueA(block.data(), path.c_str(), (void**)&text, &length) && length ? text : "(missing)";
    };
    const struct { const char *name, *expected; } rows[] = {
        {"ProductVersion", KRELMOT_VERSION}, {"FileVersion", KRELMOT_VERSION}, {"OriginalFilename", "Krelmot.exe"}};
    for (auto& row : rows) EXPECT_STREQ(row.expected, value(row.name)) << row.name;

    // The title names the product version without its last number.
    HMODULE exe = LoadLibraryExA(KRELMOT_EXE, NULL, LOAD_LIBRARY_AS_DATAFILE);
    char title[64] = "";
    EXPECT_TRUE(exe && LoadStringA(exe, 105, title, sizeof title));
    FreeLibrary(exe);
    const std::string version = KRELMOT_VERSION;
    EXPECT_EQ("Krelmot " + version.substr(0, version.rfind('.')), title);
}
