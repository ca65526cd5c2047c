#include "gain/gain_display.h"

#include "panel/numbers.h"

namespace kv {

namespace {

constexpr double kOutputBufferGain = 3;  // dB, the fixed "3dBm" of the OBuffer stage

}  // namespace

void show_gain_displays(const ComboBox& front_end, const ComboBox& agc, const ComboBox& ifa,
                        TextBox& analog, TextBox& digital) {
    const double total = text_value(front_end.text()) + text_value(agc.text()) +
                         text_value(ifa.text()) + kOutputBufferGain;
    analog.set_text(number_text(total));
    digital.set_text(number_text(text_value(analog.text()) - kOutputBufferGain));
}

}  // namespace kv
