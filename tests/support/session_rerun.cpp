#include <array>

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "gain/gain.h"
#include "lo/lo.h"
#include "output/output.h"
#include "support/session.h"

namespace kv::test {

namespace {

// What the producers show: their texts and colours.
struct Shown {
    std::vector<std::string> texts;
    std::vector<Colour> colours;
};

std::vector<const TextControl*> shown_controls(const Kv2841a& w) {
    std::vector<const TextControl*> out = {
        &w.reg1_te,     &w.reg2_te,     &w.reg3_te,       &w.reg4_te,       &w.reg5_te,
        &w.reg6_te,     &w.reg7_te,     &w.outmode,       &w.reg9_val,      &w.Reg23Ctrl,
        &w.testmode,    &w.Reg10_Show,  &w.Reg11_Show,    &w.Reg12_Show,    &w.JXfreq,
        &w.VCO,         &w.CYZfreq,     &w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation,
        &w.crystal,     &w.crylist,     &w.YFPB,          &w.reA,           &w.reB,
        &w.fbA,         &w.fbB,         &w.SCfpb,         &w.ch1bz,         &w.ch2bz,
        &w.ch3bz,       &w.CH1_AC_Gain, &w.CH2_AC_Gain,   &w.CH3_AC_Gain,   &w.CH1_DC_Gain,
        &w.CH2_DC_Gain, &w.CH3_DC_Gain};
    for (const TextBox& box : w.Text1) {
        out.push_back(&box);
    }
    return out;
}

Shown take(const std::vector<const TextControl*>& controls) {
    Shown shown;
    for (const TextControl* control : controls) {
        shown.texts.push_back(control->text());
        shown.colours.push_back(control->back_color());
    }
    return shown;
}

}  // namespace

// The producers, run again with no setting changed, reproduce every word,
// frequency and colour they showed. Only a word typed by hand into a register
// they write gives way to the program's word again.
void Session::rerun_producers(Problems& problems) {
    Kv2841a& window = w();
    std::array<bool, kRegisterCount> typed{};
    for (int n = 0; n < kRegisterCount; ++n) {
        typed[static_cast<std::size_t>(n)] = model().hand_typed(n);
    }
    const auto controls = shown_controls(window);
    const Shown before = take(controls);
    load_value(window);
    callreg(window);
    reg1fuzhi(window);
    reg8_val(window);
    reg40_val(window);
    exchcry(window);
    window.LiveRegsList();
    const std::array<void (*)(Kv2841a&), 3> gain_words = {Reg10_Live_Value, Reg11_Live_Value,
                                                          Reg12_Live_Value};
    for (int channel = 1; channel <= 3; ++channel) {
        if (model().gain_current(channel)) {
            gain_words[static_cast<std::size_t>(channel - 1)](window);
        }
    }
    ++figures_.reruns;
    note("run the producers again", true);
    const Shown after = take(controls);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const TextControl& control = *controls[i];
        const bool register_box = control.index() >= 0;
        if (register_box && typed[static_cast<std::size_t>(control.index())]) {
            continue;
        }
        if (after.texts[i] != before.texts[i]) {
            problems.differ(control.name() + " after running its producer again", after.texts[i],
                            before.texts[i]);
        }
        if (after.colours[i] != before.colours[i]) {
            problems.add(control.name() + " changed colour when its producer ran again");
        }
    }
}

}  // namespace kv::test
