#include <cmath>
#include <string>

#include "panel/numbers.h"
#include "support/register_oracle.h"
#include "support/rule_checks.h"

namespace kv::test::rules {

namespace {

// A divider box shows K - p for its spin's position p, and the spin keeps its
// range and, with step 2, its grid.
struct Divider {
    const TextBox& box;
    const ScrollBar& spin;
    int k;
    int lowest;
    int highest;
    int step;
};

void check_divider(const Divider& d, Problems& problems) {
    const int p = d.spin.value();
    if (d.spin.min() != d.lowest || d.spin.max() != d.highest || d.spin.small_change() != d.step) {
        problems.add(d.spin.name() + " lost its range or step");
    }
    if (p < d.lowest || p > d.highest || (p - d.lowest) % d.step != 0) {
        problems.add(d.spin.name() + " stands at " + std::to_string(p) + ", off its grid");
    }
    if (d.box.text() != std::to_string(d.k - p)) {
        problems.differ(d.box.name() + " (divider of " + d.spin.name() + ")", d.box.text(),
                        std::to_string(d.k - p));
    }
}

bool close(double shown, double expected) {
    return std::fabs(shown - expected) <= 1e-12 * std::fabs(expected);
}

void expect_frequency(const TextBox& box, double expected, Problems& problems) {
    if (!close(text_value(box.text()), expected)) {
        problems.add(box.name() + " shows '" + box.text() + "', not " + std::to_string(expected));
    }
}

void check_frequencies(const Kv2841a& w, double crystal, Problems& problems) {
    const auto re_a = oracle::whole_number(w.reA.text());
    const auto re_b = oracle::whole_number(w.reB.text());
    const auto fb_a = oracle::whole_number(w.fbA.text());
    const auto fb_b = oracle::whole_number(w.fbB.text());
    const auto sc_fpb = oracle::whole_number(w.SCfpb.text());
    if (!re_a || !re_b || !fb_a || !fb_b || !sc_fpb || *re_a * *re_b * *sc_fpb == 0) {
        return;  // the divider rules tell what is wrong
    }
    const double reference = *re_a * *re_b;
    expect_frequency(w.JXfreq, crystal / reference, problems);
    expect_frequency(w.VCO, crystal * *fb_a * *fb_b / reference, problems);
    expect_frequency(w.CYZfreq, crystal * *fb_a * *fb_b / (reference * *sc_fpb), problems);
    const double vco = text_value(w.VCO.text());
    const Colour expected = vco < 80 || vco > 320 ? kPureRed : kWindowBackground;
    if (w.VCO.back_color() != expected) {
        problems.add("VCO " + w.VCO.text() + " has the wrong colour");
    }
}

}  // namespace

void check_clock(const Kv2841a& w, const Module& module, Problems& problems) {
    for (const Divider& d :
         {Divider{w.reA, w.VScroll_reA, 3, 1, 2, 1}, Divider{w.reB, w.VScroll_reB, 8, 1, 7, 1},
          Divider{w.fbA, w.VScroll_fbA, 32, 1, 31, 1}, Divider{w.fbB, w.VScroll_fbB, 6, 2, 4, 2},
          Divider{w.SCfpb, w.VScroll_SCfpb, 10, 2, 8, 2}}) {
        check_divider(d, problems);
    }
    if (w.VScroll_crystal.value() != module.cry_index) {
        problems.add("cry_index " + std::to_string(module.cry_index) +
                     " is not the position of VScroll_crystal " +
                     std::to_string(w.VScroll_crystal.value()));
    }
    const oracle::Crystal* row = oracle::crystal(module.cry_index);
    if (row == nullptr) {
        problems.add("cry_index " + std::to_string(module.cry_index) + " names no crystal");
        return;
    }
    if (w.crystal.text() != row->text) {
        problems.differ("crystal", w.crystal.text(), row->text);
    }
    if (w.crylist.text() != row->text) {
        problems.differ("crylist", w.crylist.text(), row->text);
    }
    if (w.YFPB.text() != std::to_string(row->pre_divider)) {
        problems.differ("YFPB", w.YFPB.text(), std::to_string(row->pre_divider));
    }
    check_frequencies(w, row->mhz, problems);
}

}  // namespace kv::test::rules
