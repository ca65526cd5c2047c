#include "clock/clock_word.h"
#include "clock/spin_divider.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The VCO runs well from 80 to 320 MHz, both bounds included.
constexpr double kVcoLowest = 80;
constexpr double kVcoHighest = 320;

// A spin moved: a position off its grid goes back onto it (which runs this
// handler again, nested), otherwise the divider box shows the divider and the
// chain is recomputed.
void spin_changed(Kv2841a& w, ScrollBar& spin, TextBox& box) {
    if (const int off = off_grid(spin); off != 0) {
        spin.set_value(spin.value() - off);
        return;
    }
    box.set_text(integer_text(divider_of(spin)));
    w.load_value();
}

}  // namespace

// Recomputes the whole chain from the spin positions and the crystal. Each
// frequency comes from the crystal and the integer dividers in one division,
// so an exact frequency stays exact (40 MHz / 3 x 6 is 80, not 79.9999999999998).
void Kv2841a::load_value() {
    fbA.set_text(integer_text(divider_of(VScroll_fbA)));
    fbB.set_text(integer_text(divider_of(VScroll_fbB)));
    reA.set_text(integer_text(divider_of(VScroll_reA)));
    reB.set_text(integer_text(divider_of(VScroll_reB)));
    SCfpb.set_text(integer_text(divider_of(VScroll_SCfpb)));

    const double xtal = text_value(crystal.text());
    const double re_a = text_value(reA.text());
    const double re_b = text_value(reB.text());
    const double fb_a = text_value(fbA.text());
    const double fb_b = text_value(fbB.text());
    const double sc_fpb = text_value(SCfpb.text());
    JXfreq.set_text(number_text(xtal / (re_a * re_b)));
    VCO.set_text(number_text(xtal * fb_a * fb_b / (re_a * re_b)));
    CYZfreq.set_text(number_text(xtal * fb_a * fb_b / (re_a * re_b * sc_fpb)));

    const ClockDividers dividers = {divider_of(VScroll_reA), divider_of(VScroll_reB),
                                    divider_of(VScroll_fbA), divider_of(VScroll_fbB),
                                    divider_of(VScroll_SCfpb)};
    if (const auto word = sample_clock_word(dividers)) {
        write_word(reg9_val, *word);
    }
    LiveRegsList();
    VCOwarm();
}

void Kv2841a::VCOwarm() {
    const double vco = text_value(VCO.text());
    VCO.set_back_color(vco < kVcoLowest || vco > kVcoHighest ? kPureRed : kWindowBackground);
}

void Kv2841a::VScroll_reA_Change() {
    spin_changed(*this, VScroll_reA, reA);
}

void Kv2841a::VScroll_reB_Change() {
    spin_changed(*this, VScroll_reB, reB);
}

void Kv2841a::VScroll_fbA_Change() {
    spin_changed(*this, VScroll_fbA, fbA);
}

void Kv2841a::VScroll_fbB_Change() {
    spin_changed(*this, VScroll_fbB, fbB);
}

void Kv2841a::VScroll_SCfpb_Change() {
    spin_changed(*this, VScroll_SCfpb, SCfpb);
}

}  // namespace kv
