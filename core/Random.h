// The game's one random generator: a 32-bit linear congruential generator.
#ifndef KRELMOT_CORE_RANDOM_H
#define KRELMOT_CORE_RANDOM_H

#include <stdint.h>

class CRandom {
public:
    explicit CRandom(uint32_t seed = 0) : state(seed) {}

    void Seed(uint32_t seed) { state = seed; }

    // A number from 0 to 32767.
    int Next()
    {
        state = state * 214013u + 2531011u;
        return (int)((state >> 16) & 0x7FFF);
    }

    uint32_t state;
};

#endif
