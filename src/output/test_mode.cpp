#include <cstdint>

#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// REG40: one bit per test switch, every other bit 0.
//   D2S_ck and Freq_ck checked -> 14000
constexpr std::int64_t kD2SBit = std::int64_t{1} << 16;
constexpr std::int64_t kADCBit = std::int64_t{1} << 15;
constexpr std::int64_t kFreqBit = std::int64_t{1} << 14;

}  // namespace

void Kv2841a::reg40_val() {
    const std::int64_t word =
        kD2SBit * D2S_ck.value() + kADCBit * ADC_ck.value() + kFreqBit * Freq_ck.value();
    write_word(testmode, word);
    LiveRegsList();
}

// The single-ended choice enters REG8 only through the output handlers, so
// this switch does not recompute REG8.
void Kv2841a::D2S_ck_Click() {
    enable_polarity_choice(*this);
    reg40_val();
}

// Unchecking a switch closes its frame again but keeps the values set inside.
void Kv2841a::ADC_ck_Click() {
    Frame6.set_enabled(ADC_ck.value() == 1);
    reg40_val();
}

void Kv2841a::Freq_ck_Click() {
    Frame8.set_enabled(Freq_ck.value() == 1);
    reg40_val();
}

}  // namespace kv
