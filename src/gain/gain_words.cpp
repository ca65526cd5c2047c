#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "panel/register_map.h"

namespace kv {

namespace {

// The gain words of the three channels. Each is a sum of fields; with the
// gains the lists offer every field is a whole number and none overlaps.
//
// REG10, channel 1:
//   19-18 front-end code (R - 22) / 9   17 CH1_IFA_SW   16 CH1_AGC_SW
//   15-10 and 9-4 the AGC gain A, twice   3-2 IF-amplifier code floor(I / 5)   1-0 binary 10
//   R 40, A 35, I 16, IFA switch 0, AGC switch 1 -> 98E3E
// REG11 and REG12, channels 2 and 3 (no bit for the IF-amplifier switch):
//   19-18 front-end code   17 the channel's AGC switch   16-11 and 10-5 the AGC gain, twice
//   4-3 IF-amplifier code   2-0 binary 100
//   R 40, A 33, I 16, AGC switch 1 -> B0C3C
constexpr double kFrontEndBase = 22;  // dB of front-end code 0
constexpr double kFrontEndStep = 9;   // dB per front-end code
constexpr double kIfaStep = 5;        // 0 dB -> code 0, 8 dB -> 1, 16 dB -> 3

struct ChannelGains {
    double front_end;
    double agc;
    double ifa;
};

ChannelGains read_gains(const ComboBox& front_end, const ComboBox& agc, const ComboBox& ifa) {
    return {text_value(front_end.text()), text_value(agc.text()), text_value(ifa.text())};
}

double front_end_field(double gain) {
    return (1 << 18) * (gain - kFrontEndBase) / kFrontEndStep;
}

double ifa_code(double gain) {
    return std::floor(gain / kIfaStep);
}

double channel1_word(const ChannelGains& g, int ifa_switch, int agc_switch) {
    return front_end_field(g.front_end) + (1 << 17) * ifa_switch + (1 << 16) * agc_switch +
           ((1 << 10) + (1 << 4)) * g.agc + 4 * ifa_code(g.ifa) + 2;
}

double channel23_word(const ChannelGains& g, int agc_switch) {
    return front_end_field(g.front_end) + (1 << 17) * agc_switch + ((1 << 11) + (1 << 5)) * g.agc +
           8 * ifa_code(g.ifa) + 4;
}

// The sum rounded to the nearest integer, a half to the even neighbour;
// nullopt when no 64-bit integer holds it.
std::optional<std::int64_t> rounded(double sum) {
    constexpr double kInt64Limit = 9.2e18;
    const double value = std::nearbyint(sum);
    if (!(std::fabs(value) < kInt64Limit)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
}

// Writes a gain word into its register box, marks the box against the
// register's power-on word and mirrors the box into the page's copy. A sum
// without a word form (only a gain text from outside the lists gives one) is
// refused and leaves the register, its mark and its copy as they were.
void write_gain_word(Kv2841a& w, int reg, double sum, TextBox& copy) {
    TextBox& box = w.Text1[static_cast<std::size_t>(reg)];
    const auto value = rounded(sum);
    if (!value || !Kv2841a::write_word(box, *value)) {
        return;
    }
    w.mark_by_comparison(reg, kDefaultWords[static_cast<std::size_t>(reg)]);
    copy.set_text(box.text());
}

}  // namespace

void Kv2841a::Reg10_Live_Value() {
    const ChannelGains gains = read_gains(CH1_RF_Gain, CH1_AGC_Gain, CH1_IFA_Gain);
    write_gain_word(*this, 10, channel1_word(gains, CH1_IFA_SW.value(), CH1_AGC_SW.value()),
                    Reg10_Show);
}

void Kv2841a::Reg11_Live_Value() {
    const ChannelGains gains = read_gains(CH2_RF_Gain, CH2_AGC_Gain, CH2_IFA_Gain);
    write_gain_word(*this, 11, channel23_word(gains, CH2_AGC_SW.value()), Reg11_Show);
}

void Kv2841a::Reg12_Live_Value() {
    const ChannelGains gains = read_gains(CH3_RF_Gain, CH3_AGC_Gain, CH3_IFA_Gain);
    write_gain_word(*this, 12, channel23_word(gains, CH3_AGC_SW.value()), Reg12_Show);
}

void Kv2841a::GainRegs_Live_Value() {
    Reg10_Live_Value();
    Reg11_Live_Value();
    Reg12_Live_Value();
}

}  // namespace kv
