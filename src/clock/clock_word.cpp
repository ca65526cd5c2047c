#include "clock/clock_word.h"

namespace kv {

namespace {

bool within(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool even_within(int value, int lowest, int highest) {
    return value % 2 == 0 && within(value, lowest, highest);
}

std::uint32_t field(double value, int at) {
    return static_cast<std::uint32_t>(value) << at;
}

}  // namespace

std::optional<std::uint32_t> sample_clock_word(const ClockDividers& d) {
    if (!within(d.re_a, 1, 2) || !within(d.re_b, 0, 7) || !within(d.fb_a, 0, 31) ||
        !even_within(d.fb_b, 2, 4) || !even_within(d.sc_fpb, 2, 8)) {
        return std::nullopt;
    }
    const ClockDividers& at = kReg9At;
    return field(re_a_code(d.re_a), at.re_a) | field(d.re_b, at.re_b) | field(d.fb_a, at.fb_a) |
           field(halved_code(d.fb_b), at.fb_b) | field(halved_code(d.sc_fpb), at.sc_fpb);
}

}  // namespace kv
