#include <cstdint>
#include <string>
#include <string_view>

#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// REG8 holds three identical 5-bit groups in bits 19-15, 14-10 and 9-5, then
// the constant group 00010 in bits 4-0. In each group the two top bits are the
// digital output, the next two the analog output, the last one single-ended.
//   analog on, differential, digital off -> 318C2
constexpr std::int64_t kDigitalBit = 0x42100;      // bits 18, 13, 8
constexpr std::int64_t kAnalogBit = 0x10840;       // bits 16, 11, 6
constexpr std::int64_t kSingleEndedBits = 0x8420;  // bits 15, 10, 5
constexpr std::int64_t kBothBits = 3;              // a switch sets both bits of its pair
constexpr std::int64_t kReg8Constant = 2;

// REG23 by sample width; the 4-bit word also sets bits 12, 7 and 2.
constexpr std::string_view kTwoBitSamples = "F6B5A";
constexpr std::string_view kFourBitSamples = "F7BDE";

}  // namespace

void Kv2841a::reg8_val() {
    const std::int64_t single_ended = danduan.value() ? 1 : 0;
    const std::int64_t word = kBothBits * DCout.value() * kDigitalBit +
                              kBothBits * ACout.value() * kAnalogBit +
                              single_ended * kSingleEndedBits + kReg8Constant;
    write_word(outmode, word);
    LiveRegsList();
}

// An option raises Click when it becomes selected; the other option of the
// pair is then deselected. Called while not selected, it selects the other one.
void Kv2841a::chafen_Click() {
    danduan.set_value(!chafen.value());
    reg8_val();
}

void Kv2841a::danduan_Click() {
    chafen.set_value(!danduan.value());
    reg8_val();
}

void Kv2841a::ACout_Click() {
    enable_polarity_choice(*this);
    reg8_val();
}

// The sample width matters only to the digital output; its options keep their
// selection and REG23 keeps its word while they are disabled.
void Kv2841a::DCout_Click() {
    const bool digital = DCout.value() == 1;
    Option2bit.set_enabled(digital);
    Option4bit.set_enabled(digital);
    reg8_val();
}

void Kv2841a::Option2bit_Click() {
    Reg23Ctrl.set_text(std::string(kTwoBitSamples));
    LiveRegsList();
}

void Kv2841a::Option4bit_Click() {
    Reg23Ctrl.set_text(std::string(kFourBitSamples));
    LiveRegsList();
}

}  // namespace kv
