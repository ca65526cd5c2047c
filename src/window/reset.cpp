#include <string>

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "lo/lo.h"
#include "output/output.h"
#include "panel/kv2841a.h"
#include "panel/register_map.h"
#include "window/window.h"

namespace kv {

namespace {

void restore_design_text(std::initializer_list<TextControl*> controls) {
    for (TextControl* control : controls) {
        control->set_text(control->design_text());
    }
}

}  // namespace

void Default_Regs(Kv2841a& w) {
    for (std::size_t n = 0; n < w.Text1.size(); ++n) {
        w.Text1[n].set_text(std::string(kDefaultWords[n]));
    }
}

// Brings every setting back to its working value and the image to its default
// set. Each assignment that changes a value runs that control's handler at
// once; the producers then run once more from the reset values, so the words
// do not depend on which values changed. Only REG19 stays marked.
void Reset_All(Kv2841a& w) {
    Default_Regs(w);
    apply_working_clock(w);
    w.chafen.set_value(true);
    w.danduan.set_value(false);
    w.ACout.set_value(1);
    w.DCout.set_value(0);
    w.Option4bit.set_value(true);
    for (CheckBox* test_switch : {&w.D2S_ck, &w.ADC_ck, &w.Freq_ck}) {
        test_switch->set_value(0);
    }
    restore_design_text(
        {&w.Combo1, &w.Combo2, &w.Combo3, &w.ch1bz, &w.ch2bz, &w.ch3bz, &w.crylist});
    for (CheckBox* gain_switch : {&w.CH1_AGC_SW, &w.CH2_AGC_SW, &w.CH3_AGC_SW, &w.CH1_IFA_SW}) {
        gain_switch->set_value(gain_switch->design_value());
    }
    restore_design_text({&w.CH1_RF_Gain, &w.CH2_RF_Gain, &w.CH3_RF_Gain, &w.CH1_AGC_Gain,
                         &w.CH2_AGC_Gain, &w.CH3_AGC_Gain, &w.CH1_IFA_Gain, &w.CH2_IFA_Gain,
                         &w.CH3_IFA_Gain, &w.CH1_AC_Gain, &w.CH2_AC_Gain, &w.CH3_AC_Gain,
                         &w.CH1_DC_Gain, &w.CH2_DC_Gain, &w.CH3_DC_Gain});
    load_value(w);
    callreg(w);
    reg1fuzhi(w);
    reg8_val(w);
    reg40_val(w);
    callbycry(w);
    exchcry(w);
    for (int n = 0; n < kRegisterCount; ++n) {
        w.mark(n, false);
    }
    w.mark(kAlwaysMarkedRegister, true);
    for (auto [reg, show] :
         {std::pair{10, &w.Reg10_Show}, {11, &w.Reg11_Show}, {12, &w.Reg12_Show}}) {
        TextBox& box = w.Text1[static_cast<std::size_t>(reg)];
        box.set_text(std::string(kDefaultWords[static_cast<std::size_t>(reg)]));
        show->set_text(box.text());
    }
}

void ResetAll_Click(Kv2841a& w) {
    Default_Regs(w);
    Reset_All(w);
    w.SetFocus(w.FocusSeter);
}

void RessetAll2_Click(Kv2841a& w) {
    Default_Regs(w);
    Reset_All(w);
    w.SetFocus(w.FocusSeter);
}

void default_reg_list_Click(Kv2841a& w) {
    Reset_All(w);
    w.SetFocus(w.FocusSeter);
}

// The KV2841A menu item: the first page comes into view while the tab strip
// keeps its selection, then the power-on set and the reset; the focus stays.
void Kv2841a_Click(Kv2841a& w) {
    w.TabStrip1.set_visible(true);
    w.show_page(w.Frame1);
    Default_Regs(w);
    Reset_All(w);
}

void attach_reset(Kv2841a& w) {
    w.ResetAll.Click = [&w] { ResetAll_Click(w); };
    w.RessetAll2.Click = [&w] { RessetAll2_Click(w); };
    w.default_reg_list.Click = [&w] { default_reg_list_Click(w); };
    w.Kv2841a_item.Click = [&w] { Kv2841a_Click(w); };
}

}  // namespace kv
