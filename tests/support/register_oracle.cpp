#include "support/register_oracle.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kv::test::oracle {

namespace {

constexpr std::array<std::string_view, 44> kDefaultWords = {
    "FFF00", "011D5", "32178", "28F5C", "0FB00", "EB84F", "0C400", "51EB7", "318C2",
    "55700", "9965E", "B145C", "B249C", "62625", "8AAFE", "FFF80", "5F910", "40077",
    "7C030", "90708", "008B2", "420AE", "75541", "F7BDE", "FFF80", "5FA10", "40077",
    "FC030", "90C00", "4208D", "75541", "FFF80", "5F910", "40077", "7C030", "90C00",
    "420A8", "75541", "EE296", "47002", "00000", "FFFFD", "FFFFD", "FFFFD"};

constexpr std::array<Crystal, 7> kCrystals = {{
    {"40", 40, 4, 0x0245},
    {"30", 30, 2, 0x2645},
    {"25", 25, 2, 0x11D5},
    {"20", 20, 2, 0x0245},
    {"19.2", 19.2, 2, 0x0245},
    {"16.368", 16.368, 1, 0x12F5},
    {"10", 10, 1, 0x0245},
}};

std::optional<std::uint32_t> front_end_code(int gain) {
    switch (gain) {
        case 22:
            return 0;
        case 31:
            return 1;
        case 40:
            return 2;
        case 49:
            return 3;
        default:
            return std::nullopt;
    }
}

// 16 dB sets both bits of the field.
std::optional<std::uint32_t> ifa_code(int gain) {
    switch (gain) {
        case 0:
            return 0;
        case 8:
            return 1;
        case 16:
            return 3;
        default:
            return std::nullopt;
    }
}

std::optional<std::uint32_t> bandwidth_code(int mhz) {
    if (mhz == 10 || mhz == 20 || mhz == 30 || mhz == 40) {
        return static_cast<std::uint32_t>(mhz / 10 - 1);
    }
    return std::nullopt;
}

constexpr double kModulus = 1048573;  // FFFFD
constexpr double kLargestInteger = 2047;

}  // namespace

std::string_view default_word(int n) {
    return kDefaultWords.at(static_cast<std::size_t>(n));
}

std::string word(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%05X", static_cast<unsigned>(value));
    return text;
}

bool is_word(std::string_view text) {
    if (text.size() != 5) {
        return false;
    }
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) {
            return false;
        }
    }
    return true;
}

std::optional<int> whole_number(std::string_view text) {
    if (text.empty() || text.size() > 9 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

const Crystal* crystal(int index) {
    if (index < 1 || index > static_cast<int>(kCrystals.size())) {
        return nullptr;
    }
    return &kCrystals[static_cast<std::size_t>(index - 1)];
}

std::optional<std::uint32_t> reg1(int cry_index, int b1, int b2, int b3) {
    const Crystal* row = crystal(cry_index);
    const auto c1 = bandwidth_code(b1);
    const auto c2 = bandwidth_code(b2);
    const auto c3 = bandwidth_code(b3);
    if (row == nullptr || !c1 || !c2 || !c3) {
        return std::nullopt;
    }
    return *c1 << 18 | *c2 << 16 | *c3 << 14 | row->reg1_low_bits;
}

std::uint32_t reg9(int re_a, int re_b, int fb_a, int fb_b, int sc_fpb) {
    return static_cast<std::uint32_t>((re_a - 1) << 19 | re_b << 16 | fb_a << 11 |
                                      (fb_b / 2 - 1) << 10 | (sc_fpb / 2 - 1) << 8);
}

std::uint32_t reg8(int analog, int digital, bool single_ended) {
    const std::uint32_t group =
        (digital ? 0b11000U : 0U) | (analog ? 0b00110U : 0U) | (single_ended ? 0b00001U : 0U);
    return group << 15 | group << 10 | group << 5 | 0b00010U;
}

std::string_view reg23(bool two_bit) {
    return two_bit ? "F6B5A" : "F7BDE";
}

std::uint32_t reg40(int d2s, int adc, int freq) {
    return static_cast<std::uint32_t>(d2s << 16 | adc << 15 | freq << 14);
}

std::optional<std::uint32_t> reg10(int front_end, int agc, int ifa, int ifa_switch,
                                   int agc_switch) {
    const auto rf = front_end_code(front_end);
    const auto i = ifa_code(ifa);
    if (!rf || !i || agc < 0 || agc > 63) {
        return std::nullopt;
    }
    const auto a = static_cast<std::uint32_t>(agc);
    return *rf << 18 | static_cast<std::uint32_t>(ifa_switch) << 17 |
           static_cast<std::uint32_t>(agc_switch) << 16 | a << 10 | a << 4 | *i << 2 | 0b10U;
}

std::optional<std::uint32_t> reg11_12(int front_end, int agc, int ifa, int agc_switch) {
    const auto rf = front_end_code(front_end);
    const auto i = ifa_code(ifa);
    if (!rf || !i || agc < 0 || agc > 63) {
        return std::nullopt;
    }
    const auto a = static_cast<std::uint32_t>(agc);
    return *rf << 18 | static_cast<std::uint32_t>(agc_switch) << 17 | a << 11 | a << 5 | *i << 3 |
           0b100U;
}

BandwidthWord bandwidth_word(int channel, int mhz) {
    const bool wide = mhz > 25;
    switch (channel) {
        case 1:
            return {wide ? "7FFE0" : "7C030", wide};
        case 2:
            return {wide ? "FE830" : "FC030", wide};
        default:
            return {wide ? "7EBE0" : "7C030", wide};
    }
}

// N = 2 F Y / C splits into the whole part I and the fraction W / FFFFD. A
// fraction that rounds up to a whole FFFFD is the next whole step, with no
// fraction: the program carries it into I and runs integer-N.
std::optional<LoWords> lo_words(int channel, double f_mhz, double crystal_mhz, int pre_divider) {
    const double n = (f_mhz + f_mhz) * pre_divider / crystal_mhz;
    if (!std::isfinite(n) || n < 0) {
        return std::nullopt;
    }
    double whole = std::floor(n);
    double fraction = std::floor((n - whole) * kModulus + 0.5);
    if (fraction >= kModulus) {
        whole += 1;
        fraction = 0;
    }
    if (whole > kLargestInteger) {
        return std::nullopt;
    }
    const auto i = static_cast<std::uint32_t>(whole);
    const bool integer_n = fraction == 0;
    std::uint32_t integer = 0;
    if (channel == 1) {
        integer = 1U << 17 | 1U << 13 | (integer_n ? 1U << 12 : 0U) | i << 1;
        integer |= pre_divider == 4 ? 1U << 15 : (pre_divider == 2 ? 1U << 16 : 0U);
    } else {
        integer = (integer_n ? 1U << 19 : 0U) | i << 8;
    }
    const double error_mhz = (fraction / kModulus + whole) * crystal_mhz / 2 / pre_divider - f_mhz;
    return LoWords{integer, static_cast<std::uint32_t>(fraction), error_mhz * 1e6};
}

}  // namespace kv::test::oracle
