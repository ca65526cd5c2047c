#include "gain/gain.h"
#include "gain/gain_display.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// Channels 2 and 3 have no display procedure of their own: their list
// handlers update the displays in place.
void channel2_gain_picked(Kv2841a& w) {
    show_gain_displays(w.CH2_RF_Gain, w.CH2_AGC_Gain, w.CH2_IFA_Gain, w.CH2_AC_Gain, w.CH2_DC_Gain);
    Reg11_Live_Value(w);
}

void channel3_gain_picked(Kv2841a& w) {
    show_gain_displays(w.CH3_RF_Gain, w.CH3_AGC_Gain, w.CH3_IFA_Gain, w.CH3_AC_Gain, w.CH3_DC_Gain);
    Reg12_Live_Value(w);
}

// The AGC gain can be chosen by hand only while the channel's AGC is not
// automatic.
void enable_agc_list(ComboBox& list, const CheckBox& agc_switch) {
    list.set_enabled(agc_switch.value() == 0);
}

}  // namespace

void CH1_RF_Gain_Click(Kv2841a& w) {
    CH1_Live_Gain(w);
    Reg10_Live_Value(w);
}

void CH1_AGC_Gain_Click(Kv2841a& w) {
    CH1_Live_Gain(w);
    Reg10_Live_Value(w);
}

void CH1_IFA_Gain_Click(Kv2841a& w) {
    CH1_Live_Gain(w);
    Reg10_Live_Value(w);
}

void CH2_RF_Gain_Click(Kv2841a& w) {
    channel2_gain_picked(w);
}
void CH2_AGC_Gain_Click(Kv2841a& w) {
    channel2_gain_picked(w);
}
void CH2_IFA_Gain_Click(Kv2841a& w) {
    channel2_gain_picked(w);
}
void CH3_RF_Gain_Click(Kv2841a& w) {
    channel3_gain_picked(w);
}
void CH3_AGC_Gain_Click(Kv2841a& w) {
    channel3_gain_picked(w);
}
void CH3_IFA_Gain_Click(Kv2841a& w) {
    channel3_gain_picked(w);
}

// The switches leave the gain displays alone: the displays do not depend on them.
void CH1_AGC_SW_Click(Kv2841a& w) {
    enable_agc_list(w.CH1_AGC_Gain, w.CH1_AGC_SW);
    Reg10_Live_Value(w);
}

void CH2_AGC_SW_Click(Kv2841a& w) {
    enable_agc_list(w.CH2_AGC_Gain, w.CH2_AGC_SW);
    Reg11_Live_Value(w);
}

void CH3_AGC_SW_Click(Kv2841a& w) {
    enable_agc_list(w.CH3_AGC_Gain, w.CH3_AGC_SW);
    Reg12_Live_Value(w);
}

// The IF-amplifier switch in channel 1's frame acts on all three channels.
void CH1_IFA_SW_Click(Kv2841a& w) {
    const bool manual = w.CH1_IFA_SW.value() == 1;
    for (ComboBox* list : {&w.CH1_IFA_Gain, &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        list->set_enabled(manual);
    }
    GainRegs_Live_Value(w);
}

void attach_gain(Kv2841a& w) {
    w.CH1_RF_Gain.Click = [&w] { CH1_RF_Gain_Click(w); };
    w.CH1_AGC_Gain.Click = [&w] { CH1_AGC_Gain_Click(w); };
    w.CH1_IFA_Gain.Click = [&w] { CH1_IFA_Gain_Click(w); };
    w.CH2_RF_Gain.Click = [&w] { CH2_RF_Gain_Click(w); };
    w.CH2_AGC_Gain.Click = [&w] { CH2_AGC_Gain_Click(w); };
    w.CH2_IFA_Gain.Click = [&w] { CH2_IFA_Gain_Click(w); };
    w.CH3_RF_Gain.Click = [&w] { CH3_RF_Gain_Click(w); };
    w.CH3_AGC_Gain.Click = [&w] { CH3_AGC_Gain_Click(w); };
    w.CH3_IFA_Gain.Click = [&w] { CH3_IFA_Gain_Click(w); };
    w.CH1_AGC_SW.Click = [&w] { CH1_AGC_SW_Click(w); };
    w.CH2_AGC_SW.Click = [&w] { CH2_AGC_SW_Click(w); };
    w.CH3_AGC_SW.Click = [&w] { CH3_AGC_SW_Click(w); };
    w.CH1_IFA_SW.Click = [&w] { CH1_IFA_SW_Click(w); };
    for (TextControl* box : std::initializer_list<TextControl*>{
             &w.CH1_RF_Gain, &w.CH1_AGC_Gain, &w.CH1_IFA_Gain, &w.CH1_AC_Gain, &w.CH1_DC_Gain,
             &w.CH2_RF_Gain, &w.CH2_AGC_Gain, &w.CH2_IFA_Gain, &w.CH2_AC_Gain, &w.CH2_DC_Gain,
             &w.CH3_RF_Gain, &w.CH3_AGC_Gain, &w.CH3_IFA_Gain, &w.CH3_AC_Gain, &w.CH3_DC_Gain}) {
        box->KeyPress = discard_keystroke;
    }
}

}  // namespace kv
