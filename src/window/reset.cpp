#include <initializer_list>
#include <string>

#include "bandwidth/bandwidth.h"
#include "clock/clock.h"
#include "lo/lo.h"
#include "output/output.h"
#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "panel/register_map.h"
#include "window/window.h"

namespace kv {

namespace {

void restore_design_text(TextControl& control) {
    control.set_text(control.design_text());
}

// The lists of one kind, channel 1 to 3, back to their design texts.
template <typename Member>
void restore_channels(Kv2841a& w, std::initializer_list<Member Kv2841a::*Channel::*> kinds) {
    for (const auto kind : kinds) {
        for (const Channel& channel : kChannels) {
            restore_design_text(w.*(channel.*kind));
        }
    }
}

}  // namespace

void Default_Regs(Kv2841a& w) {
    for (int n = 0; n < kRegisterCount; ++n) {
        w.register_box(n).set_text(std::string(default_word(n)));
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
    restore_channels(w, {&Channel::bandwidth, &Channel::lo});
    restore_design_text(w.crylist);
    for (const Channel& channel : kChannels) {
        CheckBox& agc_switch = w.*channel.agc_switch;
        agc_switch.set_value(agc_switch.design_value());
    }
    w.CH1_IFA_SW.set_value(w.CH1_IFA_SW.design_value());
    restore_channels(w, {&Channel::front_end_gain, &Channel::agc_gain, &Channel::ifa_gain});
    restore_channels(w, {&Channel::analog_gain, &Channel::digital_gain});
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
    // REG10 to REG12 are written once more, with their default words, after
    // the gain procedures above have written theirs: the window has always
    // ended its reset so, and saved lists rely on it. Keep it.
    for (const Channel& channel : kChannels) {
        TextBox& box = w.register_box(channel.gain_reg);
        box.set_text(std::string(default_word(channel.gain_reg)));
        (w.*channel.gain_word).set_text(box.text());
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
