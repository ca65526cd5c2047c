#include <string>

#include "bandwidth/bandwidth.h"
#include "clock/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"
#include "window/window.h"

namespace kv {

namespace {

void fill(ComboBox& list, std::initializer_list<const char*> items) {
    for (const char* item : items) {
        list.AddItem(item);
    }
}

}  // namespace

// Brings the window from its design values into its working state. The
// assignments below raise the handlers of the other subsystems, nested, and
// those compute the words; steps 2 to 7 run while the lists are still empty.
void Form_Load(Kv2841a& w) {
    w.show_page(w.Frame1);
    apply_working_clock(w);
    w.chafen.set_value(true);
    w.ACout.set_value(1);
    w.DCout.set_value(0);
    w.module().RegsUnlocked = 0;
    w.Option4bit.set_value(true);
    w.lock_all_registers(true);
    combo_load(w);
    reg1fuzhi(w);
    tips(w);
}

// The 25 MHz crystal and its divider positions, the working values of start-up
// and reset: each assignment that moves a spin runs its handler.
void apply_working_clock(Kv2841a& w) {
    w.VScroll_crystal.set_value(3);
    w.module().cry_index = static_cast<std::int16_t>(w.VScroll_crystal.value());
    w.VScroll_reA.set_value(2);
    w.VScroll_reB.set_value(3);
    w.VScroll_fbA.set_value(22);
    w.VScroll_fbB.set_value(2);
    w.VScroll_SCfpb.set_value(2);
}

void Form_Activate(Kv2841a& w) {
    w.SetFocus(w.FocusSeter);
}

void combo_load(Kv2841a& w) {
    for (ComboBox* list : {&w.Combo1, &w.Combo2, &w.Combo3}) {
        fill(*list, {"10", "20", "30", "40"});
    }
    for (ComboBox* list : {&w.ch1bz, &w.ch2bz, &w.ch3bz}) {
        fill(*list, {"1176", "1207", "1227", "1242", "1268", "1560", "1574.5", "1598"});
    }
    for (auto row = kCrystals.rbegin(); row != kCrystals.rend(); ++row) {
        w.crylist.AddItem(number_text(row->mhz));
    }
    for (ComboBox* list : {&w.CH1_RF_Gain, &w.CH2_RF_Gain, &w.CH3_RF_Gain}) {
        fill(*list, {"22", "31", "40", "49"});
    }
    for (ComboBox* list : {&w.CH1_AGC_Gain, &w.CH2_AGC_Gain, &w.CH3_AGC_Gain}) {
        for (int gain = 0; gain <= 63; ++gain) {
            list->AddItem(std::to_string(gain));
        }
    }
    for (ComboBox* list : {&w.CH1_IFA_Gain, &w.CH2_IFA_Gain, &w.CH3_IFA_Gain}) {
        fill(*list, {"0", "8", "16"});
    }
}

void tips(Kv2841a& w) {
    w.Text1[kAlwaysMarkedRegister].set_tool_tip("上电默认值" + std::string(kChipPowerOnWord19));
    w.Text1[28].set_tool_tip("上电默认值90C00");
    w.Text1[35].set_tool_tip("上电默认值90C00");
    for (ComboBox* list : {&w.ch1bz, &w.ch2bz, &w.ch3bz}) {
        list->set_tool_tip("可手动输入 范围1.1G-1.6G");
    }
    w.reA.set_tool_tip("可选1,2");
    w.reB.set_tool_tip("可输入范围1-7");
    w.fbA.set_tool_tip("可输入范围1-31");
    w.fbB.set_tool_tip("可选2,4");
    w.SCfpb.set_tool_tip("可选2,4,6,8");
    w.JXfreq.set_tool_tip("尽量接近10MHz");
    w.VCO.set_tool_tip("范围80-320MHz");
}

}  // namespace kv
