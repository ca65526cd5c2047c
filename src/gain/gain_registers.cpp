#include <cstddef>
#include <cstdint>
#include <optional>

#include "gain/gain_words.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_map.h"

namespace kv {

namespace {

ChannelGains read_gains(const ComboBox& front_end, const ComboBox& agc, const ComboBox& ifa) {
    return {text_value(front_end.text()), text_value(agc.text()), text_value(ifa.text())};
}

// Writes a gain word into its register box, marks the box against the
// register's power-on word and mirrors the box into the page's copy. Gains
// without a word form (only a gain text from outside the lists gives them)
// leave the register, its mark and its copy as they were.
void write_gain_word(Kv2841a& w, int reg, std::optional<std::uint32_t> word, TextBox& copy) {
    if (!word) {
        return;
    }
    TextBox& box = w.Text1[static_cast<std::size_t>(reg)];
    Kv2841a::write_word(box, *word);
    w.mark_by_comparison(reg, kDefaultWords[static_cast<std::size_t>(reg)]);
    copy.set_text(box.text());
}

}  // namespace

void Kv2841a::Reg10_Live_Value() {
    const ChannelGains gains = read_gains(CH1_RF_Gain, CH1_AGC_Gain, CH1_IFA_Gain);
    write_gain_word(*this, 10,
                    channel1_gain_word(gains, CH1_IFA_SW.value() == 1, CH1_AGC_SW.value() == 1),
                    Reg10_Show);
}

void Kv2841a::Reg11_Live_Value() {
    const ChannelGains gains = read_gains(CH2_RF_Gain, CH2_AGC_Gain, CH2_IFA_Gain);
    write_gain_word(*this, 11, channel23_gain_word(gains, CH2_AGC_SW.value() == 1), Reg11_Show);
}

void Kv2841a::Reg12_Live_Value() {
    const ChannelGains gains = read_gains(CH3_RF_Gain, CH3_AGC_Gain, CH3_IFA_Gain);
    write_gain_word(*this, 12, channel23_gain_word(gains, CH3_AGC_SW.value() == 1), Reg12_Show);
}

void Kv2841a::GainRegs_Live_Value() {
    Reg10_Live_Value();
    Reg11_Live_Value();
    Reg12_Live_Value();
}

}  // namespace kv
