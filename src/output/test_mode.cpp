#include "output/output_words.h"
#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

void Kv2841a::reg40_val() {
    write_word(testmode,
               test_mode_word(D2S_ck.value() == 1, ADC_ck.value() == 1, Freq_ck.value() == 1));
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
