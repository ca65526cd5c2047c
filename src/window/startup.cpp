#include <string>

#include "clock/crystals.h"
#include "panel/kv2841a.h"
#include "panel/numbers.h"

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
void Kv2841a::Form_Load() {
    show_page(Frame1);
    apply_working_clock();
    chafen.set_value(true);
    ACout.set_value(1);
    DCout.set_value(0);
    module_.RegsUnlocked = 0;
    Option4bit.set_value(true);
    lock_all_registers(true);
    combo_load();
    reg1fuzhi();
    tips();
}

// The 25 MHz crystal and its divider positions, the working values of start-up
// and reset: each assignment that moves a spin runs its handler.
void Kv2841a::apply_working_clock() {
    VScroll_crystal.set_value(3);
    module_.cry_index = static_cast<std::int16_t>(VScroll_crystal.value());
    VScroll_reA.set_value(2);
    VScroll_reB.set_value(3);
    VScroll_fbA.set_value(22);
    VScroll_fbB.set_value(2);
    VScroll_SCfpb.set_value(2);
}

void Kv2841a::Form_Activate() {
    SetFocus(FocusSeter);
}

void Kv2841a::combo_load() {
    for (ComboBox* list : {&Combo1, &Combo2, &Combo3}) {
        fill(*list, {"10", "20", "30", "40"});
    }
    for (ComboBox* list : {&ch1bz, &ch2bz, &ch3bz}) {
        fill(*list, {"1176", "1207", "1227", "1242", "1268", "1560", "1574.5", "1598"});
    }
    for (auto row = kCrystals.rbegin(); row != kCrystals.rend(); ++row) {
        crylist.AddItem(number_text(row->mhz));
    }
    for (ComboBox* list : {&CH1_RF_Gain, &CH2_RF_Gain, &CH3_RF_Gain}) {
        fill(*list, {"22", "31", "40", "49"});
    }
    for (ComboBox* list : {&CH1_AGC_Gain, &CH2_AGC_Gain, &CH3_AGC_Gain}) {
        for (int gain = 0; gain <= 63; ++gain) {
            list->AddItem(std::to_string(gain));
        }
    }
    for (ComboBox* list : {&CH1_IFA_Gain, &CH2_IFA_Gain, &CH3_IFA_Gain}) {
        fill(*list, {"0", "8", "16"});
    }
}

void Kv2841a::tips() {
    Text1[kAlwaysMarkedRegister].set_tool_tip("上电默认值" + std::string(kChipPowerOnWord19));
    Text1[28].set_tool_tip("上电默认值90C00");
    Text1[35].set_tool_tip("上电默认值90C00");
    for (ComboBox* list : {&ch1bz, &ch2bz, &ch3bz}) {
        list->set_tool_tip("可手动输入 范围1.1G-1.6G");
    }
    reA.set_tool_tip("可选1,2");
    reB.set_tool_tip("可输入范围1-7");
    fbA.set_tool_tip("可输入范围1-31");
    fbB.set_tool_tip("可选2,4");
    SCfpb.set_tool_tip("可选2,4,6,8");
    JXfreq.set_tool_tip("尽量接近10MHz");
    VCO.set_tool_tip("范围80-320MHz");
}

}  // namespace kv
