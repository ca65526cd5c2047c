#include "support/window_state.h"

#include <sstream>

namespace kv::test {

std::string window_state(const Kv2841a& w, const Module& module) {
    std::ostringstream out;
    for (const Control* control : w.controls()) {
        out << control->name() << control->index() << ' ' << control->enabled() << ' '
            << control->visible();
        if (const auto* text = dynamic_cast<const TextControl*>(control)) {
            out << ' ' << text->text() << ' ' << text->back_color();
        }
        if (const auto* box = dynamic_cast<const TextBox*>(control)) {
            out << ' ' << box->locked();
        }
        if (const auto* check = dynamic_cast<const CheckBox*>(control)) {
            out << ' ' << check->value();
        }
        if (const auto* option = dynamic_cast<const OptionButton*>(control)) {
            out << ' ' << option->value();
        }
        if (const auto* spin = dynamic_cast<const ScrollBar*>(control)) {
            out << ' ' << spin->value();
        }
        out << '\n';
    }
    out << module.cry_index << ' ' << module.RegsUnlocked;
    return out.str();
}

}  // namespace kv::test
