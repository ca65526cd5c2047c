#include "gain/gain_display.h"
#include "panel/kv2841a.h"

namespace kv {

namespace {

// Channels 2 and 3 have no display procedure of their own: their list
// handlers update the displays in place.
void channel2_gain_picked(Kv2841a& w) {
    show_gain_displays(w.CH2_RF_Gain, w.CH2_AGC_Gain, w.CH2_IFA_Gain, w.CH2_AC_Gain, w.CH2_DC_Gain);
    w.Reg11_Live_Value();
}

void channel3_gain_picked(Kv2841a& w) {
    show_gain_displays(w.CH3_RF_Gain, w.CH3_AGC_Gain, w.CH3_IFA_Gain, w.CH3_AC_Gain, w.CH3_DC_Gain);
    w.Reg12_Live_Value();
}

// The AGC gain can be chosen by hand only while the channel's AGC is not
// automatic.
void enable_agc_list(ComboBox& list, const CheckBox& agc_switch) {
    list.set_enabled(agc_switch.value() == 0);
}

}  // namespace

void Kv2841a::CH1_RF_Gain_Click() {
    CH1_Live_Gain();
    Reg10_Live_Value();
}

void Kv2841a::CH1_AGC_Gain_Click() {
    CH1_Live_Gain();
    Reg10_Live_Value();
}

void Kv2841a::CH1_IFA_Gain_Click() {
    CH1_Live_Gain();
    Reg10_Live_Value();
}

void Kv2841a::CH2_RF_Gain_Click() {
    channel2_gain_picked(*this);
}
void Kv2841a::CH2_AGC_Gain_Click() {
    channel2_gain_picked(*this);
}
void Kv2841a::CH2_IFA_Gain_Click() {
    channel2_gain_picked(*this);
}
void Kv2841a::CH3_RF_Gain_Click() {
    channel3_gain_picked(*this);
}
void Kv2841a::CH3_AGC_Gain_Click() {
    channel3_gain_picked(*this);
}
void Kv2841a::CH3_IFA_Gain_Click() {
    channel3_gain_picked(*this);
}

// The switches leave the gain displays alone: the displays do not depend on them.
void Kv2841a::CH1_AGC_SW_Click() {
    enable_agc_list(CH1_AGC_Gain, CH1_AGC_SW);
    Reg10_Live_Value();
}

void Kv2841a::CH2_AGC_SW_Click() {
    enable_agc_list(CH2_AGC_Gain, CH2_AGC_SW);
    Reg11_Live_Value();
}

void Kv2841a::CH3_AGC_SW_Click() {
    enable_agc_list(CH3_AGC_Gain, CH3_AGC_SW);
    Reg12_Live_Value();
}

// The IF-amplifier switch in channel 1's frame acts on all three channels.
void Kv2841a::CH1_IFA_SW_Click() {
    const bool manual = CH1_IFA_SW.value() == 1;
    for (ComboBox* list : {&CH1_IFA_Gain, &CH2_IFA_Gain, &CH3_IFA_Gain}) {
        list->set_enabled(manual);
    }
    GainRegs_Live_Value();
}

void Kv2841a::attach_gain() {
    CH1_RF_Gain.Click = [this] { CH1_RF_Gain_Click(); };
    CH1_AGC_Gain.Click = [this] { CH1_AGC_Gain_Click(); };
    CH1_IFA_Gain.Click = [this] { CH1_IFA_Gain_Click(); };
    CH2_RF_Gain.Click = [this] { CH2_RF_Gain_Click(); };
    CH2_AGC_Gain.Click = [this] { CH2_AGC_Gain_Click(); };
    CH2_IFA_Gain.Click = [this] { CH2_IFA_Gain_Click(); };
    CH3_RF_Gain.Click = [this] { CH3_RF_Gain_Click(); };
    CH3_AGC_Gain.Click = [this] { CH3_AGC_Gain_Click(); };
    CH3_IFA_Gain.Click = [this] { CH3_IFA_Gain_Click(); };
    CH1_AGC_SW.Click = [this] { CH1_AGC_SW_Click(); };
    CH2_AGC_SW.Click = [this] { CH2_AGC_SW_Click(); };
    CH3_AGC_SW.Click = [this] { CH3_AGC_SW_Click(); };
    CH1_IFA_SW.Click = [this] { CH1_IFA_SW_Click(); };
    for (TextControl* box : std::initializer_list<TextControl*>{
             &CH1_RF_Gain, &CH1_AGC_Gain, &CH1_IFA_Gain, &CH1_AC_Gain, &CH1_DC_Gain, &CH2_RF_Gain,
             &CH2_AGC_Gain, &CH2_IFA_Gain, &CH2_AC_Gain, &CH2_DC_Gain, &CH3_RF_Gain, &CH3_AGC_Gain,
             &CH3_IFA_Gain, &CH3_AC_Gain, &CH3_DC_Gain}) {
        box->KeyPress = discard_keystroke;
    }
}

}  // namespace kv
