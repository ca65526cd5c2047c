#include <array>
#include <cstddef>

#include "gain/gain.h"
#include "gain/gain_display.h"
#include "panel/channels.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// The procedure that writes each channel's gain word, by channel.
constexpr std::array<void (*)(Kv2841a&), kChannels.size()> kGainWordProcedures = {
    Reg10_Live_Value, Reg11_Live_Value, Reg12_Live_Value};

}  // namespace

void gain_list_Click(Kv2841a& w, std::size_t n) {
    const Channel& channel = kChannels[n];
    show_gain_displays(w.*channel.front_end_gain, w.*channel.agc_gain, w.*channel.ifa_gain,
                       w.*channel.analog_gain, w.*channel.digital_gain);
    kGainWordProcedures[n](w);
}

// The AGC gain can be chosen by hand only while the channel's AGC is not
// automatic. The switch leaves the gain displays alone: they do not depend on it.
void AGC_SW_Click(Kv2841a& w, std::size_t n) {
    const Channel& channel = kChannels[n];
    (w.*channel.agc_gain).set_enabled((w.*channel.agc_switch).value() == 0);
    kGainWordProcedures[n](w);
}

// The IF-amplifier switch in channel 1's frame acts on all three channels.
void CH1_IFA_SW_Click(Kv2841a& w) {
    const bool manual = w.CH1_IFA_SW.value() == 1;
    for (const Channel& channel : kChannels) {
        (w.*channel.ifa_gain).set_enabled(manual);
    }
    GainRegs_Live_Value(w);
}

void attach_gain(Kv2841a& w) {
    for (std::size_t n = 0; n < kChannels.size(); ++n) {
        const Channel& channel = kChannels[n];
        for (ComboBox Kv2841a::*list :
             {channel.front_end_gain, channel.agc_gain, channel.ifa_gain}) {
            (w.*list).Click = [&w, n] { gain_list_Click(w, n); };
        }
        (w.*channel.agc_switch).Click = [&w, n] { AGC_SW_Click(w, n); };
    }
    w.CH1_IFA_SW.Click = [&w] { CH1_IFA_SW_Click(w); };
}

}  // namespace kv
