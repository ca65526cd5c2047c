#include <cstddef>
#include <cstdint>

#include "lo/lo_divider.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The error box takes at most this many characters; the error is rounded to fit.
constexpr std::size_t kErrorLength = 9;

// REG2, channel 1's integer word:
//   bit  17      always set
//   bit  16      pre-divider 2
//   bit  15      pre-divider 4
//   bit  13      always set
//   bit  12      integer-N
//   bits 11..1   I
//   bit  0       zero
//   I 188, fractional, pre-divider 2 -> 20000 + 10000 + 2000 + 178 = 32178
std::int64_t channel1_word(const LoDivider& divider, double pre_divider) {
    std::int64_t word = 0x20000 + 0x2000 + 2 * std::int64_t{divider.integer};
    if (divider.integer_n) {
        word += 0x1000;
    }
    if (pre_divider == 4) {
        word += 0x8000;
    } else if (pre_divider == 2) {
        word += 0x10000;
    }
    return word;
}

// REG4 and REG6, the integer words of channels 2 and 3:
//   bit  19      integer-N
//   bits 18..8   I
//   bits 7..0    zero
//   I 251, fractional -> 0FB00
std::int64_t channel23_word(const LoDivider& divider, double /*pre_divider*/) {
    const std::int64_t word = 0x100 * std::int64_t{divider.integer};
    return divider.integer_n ? word + 0x80000 : word;
}

using IntegerWord = std::int64_t (*)(const LoDivider&, double);

struct LoChannel {
    ComboBox& list;
    TextBox& integer_box;
    TextBox& fraction_box;
    TextBox& error_box;
    IntegerWord integer_word;
    std::string& words_frequency;
};

// One channel: its two words and its error from the LO frequency, the crystal
// and the pre-divider. A frequency the words cannot hold keeps the words of
// the last good one, empties the error box and turns the list red until a
// frequency that fits is given.
void compute_channel(Kv2841a& w, const LoChannel& channel) {
    const double f = text_value(channel.list.text());
    const double pre_divider = text_value(w.YFPB.text());
    const double xtal = text_value(w.crystal.text());
    channel.error_box.set_max_length(kErrorLength);
    if (const auto divider = lo_divider(f, xtal, pre_divider)) {
        Kv2841a::write_word(channel.integer_box, channel.integer_word(*divider, pre_divider));
        Kv2841a::write_word(channel.fraction_box, divider->fraction);
        channel.error_box.set_text(
            fitted_number_text(lo_error_hz(*divider, f, xtal, pre_divider), kErrorLength));
        channel.list.set_back_color(kWindowBackground);
        channel.words_frequency = number_text(f);
    } else {
        channel.error_box.set_text("");
        channel.list.set_back_color(kPureRed);
    }
    w.LiveRegsList();
}

}  // namespace

void Kv2841a::callreg() {
    cdreg2();
    cdreg4();
    cdreg6();
}

void Kv2841a::cdreg2() {
    compute_channel(*this,
                    {ch1bz, reg2_te, reg3_te, Ch1_Deviation, channel1_word, lo_words_frequency[0]});
}

void Kv2841a::cdreg4() {
    compute_channel(
        *this, {ch2bz, reg4_te, reg5_te, Ch2_Deviation, channel23_word, lo_words_frequency[1]});
}

void Kv2841a::cdreg6() {
    compute_channel(
        *this, {ch3bz, reg6_te, reg7_te, Ch3_Deviation, channel23_word, lo_words_frequency[2]});
}

}  // namespace kv
