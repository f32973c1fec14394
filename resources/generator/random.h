#pragma once
// SplitMix64: a tiny generator whose sequence is fixed by its seed on every
// platform, so the committed pictures can be made again bit for bit.
#include <cstdint>

namespace kanmeri::generator {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11U) * (1.0 / 9007199254740992.0); }

    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    std::uint64_t state_;
};

}  // namespace kanmeri::generator
