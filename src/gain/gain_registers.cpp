#include <cstddef>
#include <cstdint>
#include <optional>

#include "gain/gain.h"
#include "gain/gain_words.h"
#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_map.h"

namespace kv {

namespace {

ChannelGains read_gains(const Kv2841a& w, const Channel& channel) {
    return {text_value((w.*channel.front_end_gain).text()),
            text_value((w.*channel.agc_gain).text()), text_value((w.*channel.ifa_gain).text())};
}

// Writes a channel's gain word into its register box, marks the box against
// the register's power-on word and mirrors the box into the page's copy.
// Gains without a word form (only a gain text from outside the lists gives
// them) leave the register, its mark and its copy as they were.
void write_gain_word(Kv2841a& w, const Channel& channel, std::optional<std::uint32_t> word) {
    if (!word) {
        return;
    }
    TextBox& box = w.register_box(channel.gain_reg);
    Kv2841a::write_word(box, *word);
    w.mark_by_comparison(channel.gain_reg, default_word(channel.gain_reg));
    (w.*channel.gain_word).set_text(box.text());
}

bool switched_on(const Kv2841a& w, const Channel& channel) {
    return (w.*channel.agc_switch).value() == 1;
}

}  // namespace

void Reg10_Live_Value(Kv2841a& w) {
    const Channel& channel = kChannels[0];
    write_gain_word(w, channel,
                    channel1_gain_word(read_gains(w, channel), w.CH1_IFA_SW.value() == 1,
                                       switched_on(w, channel)));
}

void Reg11_Live_Value(Kv2841a& w) {
    const Channel& channel = kChannels[1];
    write_gain_word(w, channel,
                    channel23_gain_word(read_gains(w, channel), switched_on(w, channel)));
}

void Reg12_Live_Value(Kv2841a& w) {
    const Channel& channel = kChannels[2];
    write_gain_word(w, channel,
                    channel23_gain_word(read_gains(w, channel), switched_on(w, channel)));
}

void GainRegs_Live_Value(Kv2841a& w) {
    Reg10_Live_Value(w);
    Reg11_Live_Value(w);
    Reg12_Live_Value(w);
}

}  // namespace kv
