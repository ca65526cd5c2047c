#include <cstddef>
#include <cstdint>

#include "lo/lo_divider.h"
#include "lo/lo_words.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The error box takes at most this many characters; the error is rounded to fit.
constexpr std::size_t kErrorLength = 9;

// Channels 2 and 3 take no pre-divider bits.
std::uint32_t channel23_word(const LoDivider& divider, double /*pre_divider*/) {
    return channel23_lo_word(divider);
}

using IntegerWord = std::uint32_t (*)(const LoDivider&, double);

struct LoChannel {
    ComboBox& list;
    TextBox& integer_box;
    TextBox& fraction_box;
    TextBox& error_box;
    IntegerWord integer_word;
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
        Kv2841a::write_word(channel.fraction_box, lo_fraction_word(*divider));
        channel.error_box.set_text(
            fitted_number_text(lo_error_hz(*divider, f, xtal, pre_divider), kErrorLength));
        channel.list.set_back_color(kWindowBackground);
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
    compute_channel(*this, {ch1bz, reg2_te, reg3_te, Ch1_Deviation, channel1_lo_word});
}

void Kv2841a::cdreg4() {
    compute_channel(*this, {ch2bz, reg4_te, reg5_te, Ch2_Deviation, channel23_word});
}

void Kv2841a::cdreg6() {
    compute_channel(*this, {ch3bz, reg6_te, reg7_te, Ch3_Deviation, channel23_word});
}

}  // namespace kv
