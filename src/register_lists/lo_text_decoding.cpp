#include <cmath>
#include <cstdint>
#include <string>

#include "lo/lo_divider.h"
#include "lo/lo_words.h"
#include "panel/numbers.h"
#include "register_lists/register_list_decoding.h"

namespace kv {

namespace {

// Enough for a step of the fractional word at every crystal (about 2e-6 MHz).
constexpr int kMostDecimals = 12;

struct LoWords {
    std::uint32_t integer;
    std::uint32_t fraction;
    bool operator==(const LoWords&) const = default;
};

std::optional<LoWords> lo_words(int channel, double f_mhz, double crystal_mhz, int pre_divider) {
    const auto divider = lo_divider(f_mhz, crystal_mhz, pre_divider);
    if (!divider) {
        return std::nullopt;
    }
    const std::uint32_t integer =
        channel == 1 ? channel1_lo_word(*divider, pre_divider) : channel23_lo_word(*divider);
    return LoWords{integer, lo_fraction_word(*divider)};
}

// The frequency the words stand for, in MHz: where the search starts.
double frequency_of(int channel, const LoWords& words, double crystal_mhz, int pre_divider) {
    const int at = channel == 1 ? kReg2At.integer : kReg4IntegerAt;
    const auto integer = static_cast<double>((words.integer >> at) & (kLoIntegerLimit - 1));
    const double ratio = integer + static_cast<double>(words.fraction) / kLoModulus;
    return ratio * crystal_mhz / (2.0 * pre_divider);
}

// m / 10^decimals as a decimal text: 157542, 2 -> "1575.42".
std::string decimal_text(long long m, int decimals) {
    const std::string digits = std::to_string(m);
    if (decimals == 0) {
        return digits;
    }
    const auto places = static_cast<std::size_t>(decimals);
    const std::string padded =
        digits.size() > places ? digits : std::string(places + 1 - digits.size(), '0') + digits;
    const std::size_t point = padded.size() - places;
    return padded.substr(0, point) + "." + padded.substr(point);
}

}  // namespace

bool channel1_integer_word_fits(std::uint32_t integer_word, int pre_divider) {
    LoDivider divider;
    divider.integer = static_cast<int>((integer_word >> kReg2At.integer) & (kLoIntegerLimit - 1));
    divider.integer_n = ((integer_word >> kReg2At.integer_n) & 1) != 0;
    return channel1_lo_word(divider, pre_divider) == integer_word;
}

// With each further decimal the texts nearest the frequency are tried, the
// nearest first; a text ending in 0 was tried with one decimal less.
std::optional<std::string> lo_text(int channel, std::uint32_t integer_word,
                                   std::uint32_t fraction_word, double crystal_mhz,
                                   int pre_divider) {
    const LoWords wanted{integer_word, fraction_word};
    const double centre = frequency_of(channel, wanted, crystal_mhz, pre_divider);
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        const double nearest = std::nearbyint(centre * std::pow(10.0, decimals));
        for (const int step : {0, -1, 1, -2, 2}) {
            const auto m = static_cast<long long>(nearest) + step;
            if (m < 0 || (decimals > 0 && m % 10 == 0)) {
                continue;
            }
            const std::string text = decimal_text(m, decimals);
            if (lo_words(channel, text_value(text), crystal_mhz, pre_divider) == wanted) {
                return text;
            }
        }
    }
    return std::nullopt;
}

}  // namespace kv
