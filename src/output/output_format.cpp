#include "output/output_words.h"
#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

void Kv2841a::reg8_val() {
    write_word(outmode,
               output_format_word(DCout.value() == 1, ACout.value() == 1, danduan.value()));
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
    write_word(Reg23Ctrl, sample_width_word(false));
    LiveRegsList();
}

void Kv2841a::Option4bit_Click() {
    write_word(Reg23Ctrl, sample_width_word(true));
    LiveRegsList();
}

}  // namespace kv
