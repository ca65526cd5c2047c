#include <array>
#include <cstddef>
#include <cstdint>

#include "lo/lo.h"
#include "lo/lo_divider.h"
#include "lo/lo_words.h"
#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// Channels 2 and 3 take no pre-divider bits.
std::uint32_t channel23_word(const LoDivider& divider, double /*pre_divider*/) {
    return channel23_lo_word(divider);
}

// The layout of each channel's integer word, by channel.
using IntegerWord = std::uint32_t (*)(const LoDivider&, double);
constexpr std::array<IntegerWord, kChannels.size()> kIntegerWords = {
    channel1_lo_word, channel23_word, channel23_word};

// One channel: its two words and its error from the LO frequency, the crystal
// and the pre-divider. A frequency the words cannot hold keeps the words of
// the last good one, empties the error box and turns the list red until a
// frequency that fits is given.
void compute_channel(Kv2841a& w, std::size_t n) {
    const Channel& channel = kChannels[n];
    ComboBox& list = w.*channel.lo;
    TextBox& error_box = w.*channel.lo_error;
    const double f = text_value(list.text());
    const double pre_divider = text_value(w.YFPB.text());
    const double xtal = text_value(w.crystal.text());
    if (const auto divider = lo_divider(f, xtal, pre_divider)) {
        Kv2841a::write_word(w.*channel.integer_word, kIntegerWords[n](*divider, pre_divider));
        Kv2841a::write_word(w.*channel.fraction_word, lo_fraction_word(*divider));
        error_box.set_text(fitted_number_text(lo_error_hz(*divider, f, xtal, pre_divider),
                                              error_box.max_length()));
        list.set_back_color(kWindowBackground);
        w.lo_words_frequency[n] = number_text(f);
    } else {
        error_box.set_text("");
        list.set_back_color(kPureRed);
    }
    w.LiveRegsList();
}

}  // namespace

void callreg(Kv2841a& w) {
    cdreg2(w);
    cdreg4(w);
    cdreg6(w);
}

void cdreg2(Kv2841a& w) {
    compute_channel(w, 0);
}

void cdreg4(Kv2841a& w) {
    compute_channel(w, 1);
}

void cdreg6(Kv2841a& w) {
    compute_channel(w, 2);
}

}  // namespace kv
