#include "output/output_words.h"

#include "panel/word_fields.h"

namespace kv {

namespace {

// The same group in each of three places.
std::uint32_t repeated(std::uint32_t group, const int (&at)[3]) {
    return group << at[0] | group << at[1] | group << at[2];
}

}  // namespace

std::uint32_t output_format_word(bool digital, bool analog, bool single_ended) {
    const std::uint32_t group = (digital ? kReg8BothBits : 0) << kReg8At.digital |
                                (analog ? kReg8BothBits : 0) << kReg8At.analog |
                                flag(single_ended, kReg8At.single_ended);
    return repeated(group, kReg8GroupAt) | kReg8Constant;
}

std::uint32_t sample_width_word(bool four_bit) {
    const std::uint32_t group = kReg23Group | flag(four_bit, kReg23FourBitAt);
    return kReg23TopGroup << kReg23TopGroupAt | repeated(group, kReg23GroupAt);
}

std::uint32_t test_mode_word(bool d2s, bool adc, bool freq) {
    return flag(d2s, kReg40D2SAt) | flag(adc, kReg40AdcAt) | flag(freq, kReg40FreqAt);
}

}  // namespace kv
