#include "output/output.h"
#include "output/output_words.h"
#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

void reg40_val(Kv2841a& w) {
    w.write_word(w.testmode, test_mode_word(w.D2S_ck.value() == 1, w.ADC_ck.value() == 1,
                                            w.Freq_ck.value() == 1));
    w.LiveRegsList();
}

// The single-ended choice enters REG8 only through the output handlers, so
// this switch does not recompute REG8.
void D2S_ck_Click(Kv2841a& w) {
    enable_polarity_choice(w);
    reg40_val(w);
}

// Unchecking a switch closes its frame again but keeps the values set inside.
void ADC_ck_Click(Kv2841a& w) {
    w.Frame6.set_enabled(w.ADC_ck.value() == 1);
    reg40_val(w);
}

void Freq_ck_Click(Kv2841a& w) {
    w.Frame8.set_enabled(w.Freq_ck.value() == 1);
    reg40_val(w);
}

}  // namespace kv
