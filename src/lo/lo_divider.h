#pragma once

#include <optional>

namespace kv {

// The fractional-N divider of one channel LO. The LO runs at the crystal over
// the pre-divider, halved, times N = I + W / 1048573:
//   N = 2 x F x Y / C, I = floor(N), W = fraction of N x 1048573, to nearest.
//   25 MHz crystal, Y 2, F 1176 MHz: N 188.16 -> I 188, W 167772 (28F5C).
// A fraction that rounds to 0 is integer-N; one that rounds up to the modulus
// carries into I and is integer-N as well, so W never reaches 1048573.
struct LoDivider {
    int integer = 0;   // I, 0..2047: an 11-bit field in every channel's word
    int fraction = 0;  // W, 0..1048572
    bool integer_n = false;
};

inline constexpr int kLoModulus = 1048573;  // FFFFD, three less than 2^20
inline constexpr int kLoIntegerLimit = 2048;

// The divider for frequency f_mhz from a crystal of crystal_mhz over the
// pre-divider; none when the words cannot hold it (integer part of 2048 or
// more, a negative or non-finite ratio, a crystal or pre-divider not above 0).
[[nodiscard]] std::optional<LoDivider> lo_divider(double f_mhz, double crystal_mhz,
                                                  double pre_divider);

// The frequency the divider really produces minus f_mhz, in Hz. The inputs are
// taken to the nearest microhertz first, so that decimal values such as
// 19.2 MHz or 1118.4 MHz bring no binary noise into the result: an integer-N
// setting that hits the frequency exactly gives exactly 0.
[[nodiscard]] double lo_error_hz(const LoDivider& divider, double f_mhz, double crystal_mhz,
                                 double pre_divider);

}  // namespace kv
