#include "gain/gain_words.h"

#include <cmath>

#include "panel/word_fields.h"

namespace kv {

namespace {

constexpr double kFrontEndBase = 22;  // dB of front-end code 0
constexpr double kFrontEndStep = 9;   // dB per front-end code
constexpr double kIfaStep = 5;

// The fields are added from the top, so that a front-end fraction rounds the
// same way whichever word it goes into.
std::optional<std::uint32_t> gain_word(const GainFieldsAt& at, std::uint32_t constant,
                                       const ChannelGains& gains, bool ifa_switch,
                                       bool agc_switch) {
    const double ifa_switch_field = at.ifa_switch < 0 ? 0 : flag(ifa_switch, at.ifa_switch);
    return word_of(shifted(front_end_code(gains.front_end), at.front_end) + ifa_switch_field +
                   flag(agc_switch, at.agc_switch) + shifted(gains.agc, at.agc) +
                   shifted(gains.agc, at.agc_again) + shifted(ifa_code(gains.ifa), at.ifa) +
                   constant);
}

}  // namespace

double front_end_code(double gain) {
    return (gain - kFrontEndBase) / kFrontEndStep;
}

double ifa_code(double gain) {
    return std::floor(gain / kIfaStep);
}

std::optional<std::uint32_t> channel1_gain_word(const ChannelGains& gains, bool ifa_switch,
                                                bool agc_switch) {
    return gain_word(kReg10At, kReg10Constant, gains, ifa_switch, agc_switch);
}

std::optional<std::uint32_t> channel23_gain_word(const ChannelGains& gains, bool agc_switch) {
    return gain_word(kReg11At, kReg11Constant, gains, false, agc_switch);
}

}  // namespace kv
