#pragma once

#include <cstdint>
#include <optional>

namespace kv {

// A register word is a sum of fields, each a value shifted left to the field's
// lowest bit. Most encoders shift whole numbers (value << at); an encoder fed
// with a setting read from a text (a gain in dB, a bandwidth in MHz) shifts it
// with `shifted`, so that a text from outside the lists, with a fraction,
// gives the same sum it always gave. Sums of whole fields are exact.
[[nodiscard]] constexpr double shifted(double value, int at) {
    return value * static_cast<double>(std::uint32_t{1} << at);
}

// A one-bit field: on << at.
[[nodiscard]] constexpr std::uint32_t flag(bool on, int at) {
    return std::uint32_t{on} << at;
}

// The word a sum of shifted fields gives: rounded to nearest, a half to the
// even neighbour; none when the sum is not a number or lies outside 0..FFFFF.
[[nodiscard]] std::optional<std::uint32_t> word_of(double sum);

}  // namespace kv
