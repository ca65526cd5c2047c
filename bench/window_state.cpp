#include "window_state.h"

namespace kv::bench {

namespace {

std::string control_state(const Control& control) {
    switch (control.kind()) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            return static_cast<const TextControl&>(control).text();
        case ControlKind::CheckBox:
            return std::to_string(static_cast<const CheckBox&>(control).value());
        case ControlKind::OptionButton:
            return static_cast<const OptionButton&>(control).value() ? "on" : "off";
        case ControlKind::ScrollBar:
            return std::to_string(static_cast<const ScrollBar&>(control).value());
        case ControlKind::TabStrip:
            return static_cast<const TabStrip&>(control).selected_key();
        default:
            return {};
    }
}

}  // namespace

std::string window_state(const Kv2841a& w, const QuietPlatform& platform) {
    std::string state;
    for (const Control* control : w.controls()) {
        state += control->name() + "=" + control_state(*control) + "\n";
    }
    state += "focus moves=" + std::to_string(platform.focus_moves) + "\n";
    state += "bytes saved=" + std::to_string(platform.bytes_saved) + "\n";
    state += "messages=" + std::to_string(platform.messages) + "\n";
    return state;
}

}  // namespace kv::bench
