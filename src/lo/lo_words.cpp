#include "lo/lo_words.h"

#include "panel/word_fields.h"

namespace kv {

std::uint32_t channel1_lo_word(const LoDivider& divider, double pre_divider) {
    const Reg2FieldsAt& at = kReg2At;
    return flag(true, at.constant_high) | flag(pre_divider == 2, at.pre_divider_2) |
           flag(pre_divider == 4, at.pre_divider_4) | flag(true, at.constant_low) |
           flag(divider.integer_n, at.integer_n) |
           static_cast<std::uint32_t>(divider.integer) << at.integer;
}

std::uint32_t channel23_lo_word(const LoDivider& divider) {
    return flag(divider.integer_n, kReg4IntegerNAt) | static_cast<std::uint32_t>(divider.integer)
                                                          << kReg4IntegerAt;
}

std::uint32_t lo_fraction_word(const LoDivider& divider) {
    return static_cast<std::uint32_t>(divider.fraction);
}

}  // namespace kv
