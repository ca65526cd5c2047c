#include "support/window_state.h"

#include <sstream>

namespace kv::test {

namespace {

void write_values(std::ostream& out, const Control& control) {
    out << control.name() << control.index() << ' ' << control.enabled();
    if (const auto* text = dynamic_cast<const TextControl*>(&control)) {
        out << ' ' << text->text() << ' ' << text->back_color();
    }
    if (const auto* box = dynamic_cast<const TextBox*>(&control)) {
        out << ' ' << box->locked();
    }
    if (const auto* check = dynamic_cast<const CheckBox*>(&control)) {
        out << ' ' << check->value();
    }
    if (const auto* option = dynamic_cast<const OptionButton*>(&control)) {
        out << ' ' << option->value();
    }
    if (const auto* spin = dynamic_cast<const ScrollBar*>(&control)) {
        out << ' ' << spin->value();
    }
}

bool view_or_menu(const Control& control) {
    return control.kind() == ControlKind::MenuItem || control.kind() == ControlKind::TabStrip ||
           control.kind() == ControlKind::StatusBar;
}

}  // namespace

std::string window_state(const Kv2841a& w, const Module& module) {
    std::ostringstream out;
    for (const Control* control : w.controls()) {
        write_values(out, *control);
        out << ' ' << control->visible() << '\n';
    }
    out << module.cry_index << ' ' << module.RegsUnlocked;
    return out.str();
}

std::string settings_state(const Kv2841a& w, const Module& module) {
    std::ostringstream out;
    for (const Control* control : w.controls()) {
        if (view_or_menu(*control)) {
            continue;
        }
        write_values(out, *control);
        out << ' ' << control->caption() << ' ' << control->tool_tip();
        if (const auto* list = dynamic_cast<const ComboBox*>(control)) {
            out << ' ' << list->list_index();
            for (const std::string& item : list->items()) {
                out << '|' << item;
            }
        }
        out << '\n';
    }
    out << module.cry_index;
    for (const std::string& frequency : w.lo_words_frequency) {
        out << ' ' << frequency;
    }
    return out.str();
}

}  // namespace kv::test
