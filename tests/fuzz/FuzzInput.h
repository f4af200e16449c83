// Takes the fuzzer's bytes apart: a few leading choices, then the rest as a
// file's content.
#ifndef KRELMOT_TESTS_FUZZ_FUZZINPUT_H
#define KRELMOT_TESTS_FUZZ_FUZZINPUT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

struct CFuzzInput {
    const uint8_t* data;
    size_t size;

    // The next byte, or 0 when none is left.
    unsigned Byte()
    {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    unsigned Pick(unsigned count) { return Byte() % count; }
    std::string Rest() { return std::string((const char*)data, size); }
};

// One file per fuzzing process, rewritten at every input, in memory: the
// readers open it dozens of times an input.
inline const std::string& ScratchFile()
{
    static const std::string path = "/dev/shm/krelmot-fuzz-" + std::to_string(getpid()) + ".ini";
    return path;
}

inline void WriteScratch(const std::string& content)
{
    FILE* f = fopen(ScratchFile().c_str(), "wb");
    if (!f) abort();
    fwrite(content.data(), 1, content.size(), f);
    fclose(f);
}

inline std::string ReadScratch()
{
    std::string content;
    FILE* f = fopen(ScratchFile().c_str(), "rb");
    if (!f) abort();
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) content.append(chunk, n);
    fclose(f);
    return content;
}

// A property the fuzzer broke: the input is kept as a crash.
#define FUZZ_CHECK(condition)                                                    \
    do {                                                                         \
        if (!(condition)) {                                                      \
            fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            abort();                                                             \
        }                                                                        \
    } while (0)

#endif
