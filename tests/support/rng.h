#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv::test {

// A small deterministic generator (SplitMix64). The same seed gives the same
// numbers with every compiler and standard library, so a session that failed
// anywhere replays everywhere from its seed.
class Rng final {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number 0..n-1; n must be above 0.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

    // A number lowest..highest, both included.
    int between(int lowest, int highest) {
        return lowest + static_cast<int>(below(static_cast<std::size_t>(highest - lowest + 1)));
    }

    // True in about `percent` of the calls.
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }

    template <typename T>
    const T& one_of(const std::vector<T>& choices) {
        return choices[below(choices.size())];
    }

private:
    std::uint64_t state_;
};

}  // namespace kv::test
