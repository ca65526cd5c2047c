#include "output/output.h"
#include "output/output_words.h"
#include "output/polarity_choice.h"
#include "panel/kv2841a.h"

namespace kv {

void reg8_val(Kv2841a& w) {
    w.write_word(w.outmode,
                 output_format_word(w.DCout.value() == 1, w.ACout.value() == 1, w.danduan.value()));
    w.LiveRegsList();
}

// An option raises Click when it becomes selected; the other option of the
// pair is then deselected. Called while not selected, it selects the other one.
void chafen_Click(Kv2841a& w) {
    w.danduan.set_value(!w.chafen.value());
    reg8_val(w);
}

void danduan_Click(Kv2841a& w) {
    w.chafen.set_value(!w.danduan.value());
    reg8_val(w);
}

void ACout_Click(Kv2841a& w) {
    enable_polarity_choice(w);
    reg8_val(w);
}

// The sample width matters only to the digital output; its options keep their
// selection and REG23 keeps its word while they are disabled.
void DCout_Click(Kv2841a& w) {
    const bool digital = w.DCout.value() == 1;
    w.Option2bit.set_enabled(digital);
    w.Option4bit.set_enabled(digital);
    reg8_val(w);
}

void Option2bit_Click(Kv2841a& w) {
    w.write_word(w.Reg23Ctrl, sample_width_word(false));
    w.LiveRegsList();
}

void Option4bit_Click(Kv2841a& w) {
    w.write_word(w.Reg23Ctrl, sample_width_word(true));
    w.LiveRegsList();
}

}  // namespace kv
