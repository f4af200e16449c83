// Any bytes as an INI file: reading never fails, a value written reads back
// as written, every other key keeps its value, and the file stays bounded.
#include <vector>

#include "settings/PortableProfile.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

const char* const SECTIONS[] = {"std", "gen", "dbg", "profile", "a b"};
const char* const KEYS[] = {"largeur", "langue", "version", "k", "x y"};
const int SECTION_COUNT = 5, KEY_COUNT = 5;

std::vector<std::string> ReadAll(CPortableProfile& profile)
{
    std::vector<std::string> values;
    for (int s = 0; s < SECTION_COUNT; ++s)
        for (int k = 0; k < KEY_COUNT; ++k) {
            std::string value;
            FUZZ_CHECK(profile.GetString(ScratchFile(), SECTIONS[s], KEYS[k], "<none>", value) == 0);
            FUZZ_CHECK(value.size() < (size_t)PROFILE_VALUE_SIZE);
            values.push_back(value);
        }
    return values;
}

// What the game writes: a number, or a word.
std::string ValueFrom(CFuzzInput& in)
{
    static const char letters[] = "0123456789-abcXYZ_.";
    std::string value;
    for (unsigned n = 1 + in.Pick(12); n > 0; --n) value += letters[in.Pick(sizeof letters - 1)];
    return value;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFuzzInput in = {data, size};
    int section = in.Pick(SECTION_COUNT), key = in.Pick(KEY_COUNT);
    std::string value = ValueFrom(in);
    std::string file = in.Rest();
    WriteScratch(file);

    CPortableProfile profile;
    std::vector<std::string> before = ReadAll(profile);
    FUZZ_CHECK(profile.WriteString(ScratchFile(), SECTIONS[section], KEYS[key], value.c_str()) == 0);
    std::vector<std::string> after = ReadAll(profile);

    int written = section * KEY_COUNT + key;
    for (size_t i = 0; i < after.size(); ++i)
        FUZZ_CHECK(after[i] == ((int)i == written ? value : before[i]));
    // CR LF for every LF, the new section and the new line: never more.
    FUZZ_CHECK(std::ifstream(ScratchFile(), std::ios::binary | std::ios::ate).tellg() <= (long)(2 * file.size() + 64));
    return 0;
}
