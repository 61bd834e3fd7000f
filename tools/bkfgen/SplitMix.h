// A small seeded random generator whose sequence is the same on every platform and compiler (the
// standard distributions are not), so a seed names one backup everywhere.
#pragma once

#include <cstdint>

namespace tarvelo::bkfgen {

class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform enough in [0, bound); 0 when bound is 0.
    std::uint64_t Below(std::uint64_t bound) { return bound == 0 ? 0 : Next() % bound; }
    // In [low, high].
    std::uint64_t Between(std::uint64_t low, std::uint64_t high) { return low + Below(high - low + 1); }
    // True with the given chance in percent.
    bool Percent(std::uint64_t chance) { return Below(100) < chance; }

private:
    std::uint64_t state_;
};

} // namespace tarvelo::bkfgen
