#include "panel/kv2841a.h"

#include <initializer_list>
#include <utility>

#include "panel/channels.h"
#include "panel/numbers.h"

namespace kv {

// The controls in the order they are declared, each with its design, and the
// window's own handlers: the tabs and the register boxes. Every subsystem
// attaches its handlers where the window is composed.
Kv2841a::Kv2841a(Module& module, Platform& platform) : module_(module), platform_(platform) {
    for (Control* root : std::initializer_list<Control*>{
             &files, &edit, &help, &Direction, &TabStrip1, &StatusBar1, &FocusSeter, &YFPB}) {
        collect_controls(*root, controls_);
    }
    for (const Page& page : kPages) {
        collect_controls(this->*page.frame, controls_);
    }
    for (std::size_t n = 0; n < kChannels.size(); ++n) {
        lo_words_frequency[n] = (this->*kChannels[n].lo).design_text();
    }
    attach_pages();
    attach_table();
    attach_edit();
}

void Kv2841a::attach_edit() {
    undo.Click = [this] { history_.undo(); };
    redo.Click = [this] { history_.redo(); };
    history_.watch();
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
    mark(n, register_box(n).text() != power_on_word);
}

void Kv2841a::mark(int n, bool on) {
    register_box(n).set_back_color(on ? kHighlight : kWindowBackground);
}

void Kv2841a::lock_all_registers(bool locked) {
    for (TextBox& box : Text1) {
        box.set_locked(locked);
    }
}

}  // namespace kv
