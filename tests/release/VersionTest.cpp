// The built Krelmot.exe read back from the file, as the file's properties
// and the program itself read it: the version resource and the window title.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Version.h"

namespace {

std::string VersionString(const std::vector<char>& block, const char* name)
{
    char* value = nullptr;
    UINT size = 0;
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), (void**)&value, &size) || size == 0)
        return "(missing)";
    return value;
}

}

TEST(Version, TheExecutableCarriesTheVersionInItsResourceAndItsTitle)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(KRELMOT_EXE, &handle);
    ASSERT_NE(0u, size) << KRELMOT_EXE;
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(KRELMOT_EXE, 0, size, block.data()));
    const struct { const char *name, *expected; } rows[] = {
        {"ProductVersion", KRELMOT_VERSION}, {"FileVersion", KRELMOT_VERSION}, {"ProductName", "Krelmot"},
        {"OriginalFilename", "Krelmot.exe"}, {"LegalCopyright", "Copyright (c) 2026 The Krelmot developers, MIT licence"}};
    for (auto& row : rows) EXPECT_EQ(row.expected, VersionString(block, row.name)) << row.name;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", (void**)&fixed, &fixedSize));
    EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(KRELMOT_VERSION_MINOR, KRELMOT_VERSION_MAJOR), (LONG)fixed->dwProductVersionMS);
    EXPECT_EQ(MAKELONG(0, KRELMOT_VERSION_PATCH), (LONG)fixed->dwProductVersionLS);

    // The title names the product version without its last number.
    HMODULE exe = LoadLibraryExA(KRELMOT_EXE, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe != NULL);
    char title[64] = "";
    LoadStringA(exe, 105, title, sizeof title);
    FreeLibrary(exe);
    std::string product = VersionString(block, "ProductVersion");
    EXPECT_EQ("Krelmot " + product.substr(0, product.rfind('.')), title);
}
