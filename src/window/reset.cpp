#include <string>

#include "panel/kv2841a.h"
#include "panel/register_map.h"

namespace kv {

namespace {

void restore_design_text(std::initializer_list<TextControl*> controls) {
    for (TextControl* control : controls) {
        control->set_text(control->design_text());
    }
}

}  // namespace

void Kv2841a::Default_Regs() {
    for (std::size_t n = 0; n < Text1.size(); ++n) {
        Text1[n].set_text(std::string(kDefaultWords[n]));
    }
}

// Brings every setting back to its working value and the image to its default
// set. Each assignment that changes a value runs that control's handler at
// once; the producers then run once more from the reset values, so the words
// do not depend on which values changed. Only REG19 stays marked.
void Kv2841a::Reset_All() {
    Default_Regs();
    apply_working_clock();
    chafen.set_value(true);
    danduan.set_value(false);
    ACout.set_value(1);
    DCout.set_value(0);
    Option4bit.set_value(true);
    for (CheckBox* test_switch : {&D2S_ck, &ADC_ck, &Freq_ck}) {
        test_switch->set_value(0);
    }
    restore_design_text({&Combo1, &Combo2, &Combo3, &ch1bz, &ch2bz, &ch3bz, &crylist});
    for (CheckBox* gain_switch : {&CH1_AGC_SW, &CH2_AGC_SW, &CH3_AGC_SW, &CH1_IFA_SW}) {
        gain_switch->set_value(gain_switch->design_value());
    }
    restore_design_text({&CH1_RF_Gain, &CH2_RF_Gain, &CH3_RF_Gain, &CH1_AGC_Gain, &CH2_AGC_Gain,
                         &CH3_AGC_Gain, &CH1_IFA_Gain, &CH2_IFA_Gain, &CH3_IFA_Gain, &CH1_AC_Gain,
                         &CH2_AC_Gain, &CH3_AC_Gain, &CH1_DC_Gain, &CH2_DC_Gain, &CH3_DC_Gain});
    load_value();
    callreg();
    reg1fuzhi();
    reg8_val();
    reg40_val();
    callbycry();
    exchcry();
    for (int n = 0; n < kRegisterCount; ++n) {
        mark(n, false);
    }
    mark(kAlwaysMarkedRegister, true);
    for (auto [reg, show] : {std::pair{10, &Reg10_Show}, {11, &Reg11_Show}, {12, &Reg12_Show}}) {
        TextBox& box = Text1[static_cast<std::size_t>(reg)];
        box.set_text(std::string(kDefaultWords[static_cast<std::size_t>(reg)]));
        show->set_text(box.text());
    }
}

void Kv2841a::ResetAll_Click() {
    Default_Regs();
    Reset_All();
    SetFocus(FocusSeter);
}

void Kv2841a::RessetAll2_Click() {
    Default_Regs();
    Reset_All();
    SetFocus(FocusSeter);
}

void Kv2841a::default_reg_list_Click() {
    Reset_All();
    SetFocus(FocusSeter);
}

// The KV2841A menu item: the first page comes into view while the tab strip
// keeps its selection, then the power-on set and the reset; the focus stays.
void Kv2841a::Kv2841a_Click() {
    TabStrip1.set_visible(true);
    show_page(Frame1);
    Default_Regs();
    Reset_All();
}

void Kv2841a::attach_reset() {
    ResetAll.Click = [this] { ResetAll_Click(); };
    RessetAll2.Click = [this] { RessetAll2_Click(); };
    default_reg_list.Click = [this] { default_reg_list_Click(); };
    Kv2841a_item.Click = [this] { Kv2841a_Click(); };
}

}  // namespace kv
