#include "panel/kv2841a.h"

#include <utility>

#include "panel/numbers.h"

namespace kv {

// What the window's design sets beyond the start texts: the display-only boxes
// are locked, the frames of the test switches and the lists of the automatic
// stages start disabled, YFPB is never shown and REG19 starts marked.
void Kv2841a::apply_design_state() {
    for (TextBox* box : {&reg1_te,  &reg2_te,    &reg3_te,    &reg4_te,    &reg5_te,   &reg6_te,
                         &reg7_te,  &outmode,    &Reg23Ctrl,  &testmode,   &crystal,   &reA,
                         &JXfreq,   &fbB,        &VCO,        &SCfpb,      &CYZfreq,   &YFPB,
                         &reg9_val, &Reg10_Show, &Reg11_Show, &Reg12_Show, &FocusSeter}) {
        box->set_locked(true);
    }
    for (Control* control :
         std::initializer_list<Control*>{&Frame6, &Frame8, &Option2bit, &Option4bit, &CH1_AGC_Gain,
                                         &CH2_AGC_Gain, &CH3_AGC_Gain, &CH1_IFA_Gain, &CH2_IFA_Gain,
                                         &CH3_IFA_Gain, &CH1_OBuffer, &CH2_OBuffer, &CH3_OBuffer}) {
        control->set_enabled(false);
    }
    YFPB.set_visible(false);
    Text1[kAlwaysMarkedRegister].set_back_color(kHighlight);
}

Control* Kv2841a::find(std::string_view name) const {
    return find_control(controls_, name);
}

void Kv2841a::SetFocus(Control& control) {
    focused_ = &control;
    platform_.set_focus(control);
}

MessageAnswer Kv2841a::MsgBox(MessageIcon icon, MessageButtons buttons, std::string title,
                              std::string text) {
    if (boxes_held_ > 0) {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    return platform_.message_box({icon, buttons, std::move(title), std::move(text)});
}

bool Kv2841a::write_word(TextBox& box, std::int64_t value) {
    const auto word = hex5(value);
    if (!word) {
        return false;
    }
    box.set_text(*word);
    return true;
}

void Kv2841a::mark_by_comparison(int n, std::string_view power_on_word) {
    mark(n, Text1[static_cast<std::size_t>(n)].text() != power_on_word);
}

void Kv2841a::mark(int n, bool on) {
    Text1[static_cast<std::size_t>(n)].set_back_color(on ? kHighlight : kWindowBackground);
}

void Kv2841a::lock_all_registers(bool locked) {
    for (TextBox& box : Text1) {
        box.set_locked(locked);
    }
}

}  // namespace kv
