#include "clock/clock.h"
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
    load_value(w);
}

}  // namespace

// Recomputes the whole chain from the spin positions and the crystal. Each
// frequency comes from the crystal and the integer dividers in one division,
// so an exact frequency stays exact (40 MHz / 3 x 6 is 80, not 79.9999999999998).
void load_value(Kv2841a& w) {
    w.fbA.set_text(integer_text(divider_of(w.VScroll_fbA)));
    w.fbB.set_text(integer_text(divider_of(w.VScroll_fbB)));
    w.reA.set_text(integer_text(divider_of(w.VScroll_reA)));
    w.reB.set_text(integer_text(divider_of(w.VScroll_reB)));
    w.SCfpb.set_text(integer_text(divider_of(w.VScroll_SCfpb)));

    const double xtal = text_value(w.crystal.text());
    const double re_a = text_value(w.reA.text());
    const double re_b = text_value(w.reB.text());
    const double fb_a = text_value(w.fbA.text());
    const double fb_b = text_value(w.fbB.text());
    const double sc_fpb = text_value(w.SCfpb.text());
    w.JXfreq.set_text(number_text(xtal / (re_a * re_b)));
    w.VCO.set_text(number_text(xtal * fb_a * fb_b / (re_a * re_b)));
    w.CYZfreq.set_text(number_text(xtal * fb_a * fb_b / (re_a * re_b * sc_fpb)));

    const ClockDividers dividers = {divider_of(w.VScroll_reA), divider_of(w.VScroll_reB),
                                    divider_of(w.VScroll_fbA), divider_of(w.VScroll_fbB),
                                    divider_of(w.VScroll_SCfpb)};
    if (const auto word = sample_clock_word(dividers)) {
        w.write_word(w.reg9_val, *word);
    }
    w.LiveRegsList();
    VCOwarm(w);
}

void VCOwarm(Kv2841a& w) {
    const double vco = text_value(w.VCO.text());
    w.VCO.set_back_color(vco < kVcoLowest || vco > kVcoHighest ? kPureRed : kWindowBackground);
}

void VScroll_reA_Change(Kv2841a& w) {
    spin_changed(w, w.VScroll_reA, w.reA);
}

void VScroll_reB_Change(Kv2841a& w) {
    spin_changed(w, w.VScroll_reB, w.reB);
}

void VScroll_fbA_Change(Kv2841a& w) {
    spin_changed(w, w.VScroll_fbA, w.fbA);
}

void VScroll_fbB_Change(Kv2841a& w) {
    spin_changed(w, w.VScroll_fbB, w.fbB);
}

void VScroll_SCfpb_Change(Kv2841a& w) {
    spin_changed(w, w.VScroll_SCfpb, w.SCfpb);
}

}  // namespace kv
