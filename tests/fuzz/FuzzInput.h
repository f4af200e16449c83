// Takes the fuzzer's bytes apart: a few leading choices, then the rest as a
// file's content, written to a file of its own for the readers.
#ifndef KRELMOT_TESTS_FUZZ_FUZZINPUT_H
#define KRELMOT_TESTS_FUZZ_FUZZINPUT_H

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

struct CFuzzInput {
    const uint8_t* data;
    size_t size;

    unsigned Pick(unsigned count) { return size ? --size, *data++ % count : 0; }
    std::string Rest() const { return std::string((const char*)data, size); }
};

// Krelmot.ini in a folder of the process's own, in memory: the readers open
// it dozens of times an input, and the settings find it beside the program.
inline const std::string& ScratchFolder()
{
    static const std::string folder = "/dev/shm/krelmot-fuzz-" + std::to_string(getpid());
    static const int made = mkdir(folder.c_str(), 0700);
    return (void)made, folder;
}
inline std::string ScratchFile() { return ScratchFolder() + "/Krelmot.ini"; }
inline void WriteScratch(const std::string& content) { std::ofstream(ScratchFile(), std::ios::binary) << content; }

// A property the fuzzer broke: the input is kept as a crash.
#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : (fprintf(stderr, "%s:%d: %s fails\n", __FILE__, __LINE__, #condition), abort()))

#endif
