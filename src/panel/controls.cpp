#include "panel/controls.h"

#include <algorithm>
#include <utility>

#include "panel/control_state.h"

namespace kv {

TextBox::TextBox(std::string name, Control* container, std::string text, int index)
    : TextBox(std::move(name), container, std::move(text), Design{}, index) {}

TextBox::TextBox(std::string name, Control* container, std::string text, const Design& design,
                 int index)
    : TextControl(ControlKind::TextBox, std::move(name), container, std::move(text), index, design),
      locked_(design.locked) {}

void TextBox::set_locked(bool locked) {
    if (locked_ != locked) {
        locked_ = locked;
        notify_view();
    }
}

bool TextBox::click() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    if (Click) {
        Click();
    }
    return true;
}

void TextBox::save_state(ControlState& state) const {
    TextControl::save_state(state);
    state.locked = locked_;
}

void TextBox::restore_own_state(const ControlState& state) {
    TextControl::restore_own_state(state);
    locked_ = state.locked;
}

ComboBox::ComboBox(std::string name, Control* container, std::string text, const Design& design)
    : TextControl(ControlKind::ComboBox, std::move(name), container, std::move(text), -1, design) {}

void ComboBox::AddItem(std::string item) {
    items_.push_back(std::move(item));
    notify_view();
}

bool ComboBox::pick(std::size_t index) {
    const UserAction action(*this);
    if (!usable() || index >= items_.size()) {
        return false;
    }
    list_index_ = static_cast<int>(index);
    close_entry();
    // A pick shows the item without raising Change.
    const Handler change = std::exchange(Change, nullptr);
    set_text(items_[index]);
    Change = change;
    if (Click) {
        Click();
    }
    return true;
}

bool ComboBox::pick(std::string_view item) {
    const auto index = find_item(item);
    return index.has_value() && pick(*index);
}

std::optional<std::size_t> ComboBox::find_item(std::string_view item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - items_.begin());
}

void ComboBox::save_state(ControlState& state) const {
    TextControl::save_state(state);
    state.items = items_;
    state.list_index = list_index_;
}

void ComboBox::restore_own_state(const ControlState& state) {
    TextControl::restore_own_state(state);
    items_ = state.items;
    list_index_ = state.list_index;
}

CheckBox::CheckBox(std::string name, Control* container, std::string caption, int value)
    : Control(ControlKind::CheckBox, std::move(name), container),
      design_value_(value),
      value_(value) {
    set_caption(std::move(caption));
}

void CheckBox::set_value(int value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify_view();
    if (Click) {
        Click();
    }
}

bool CheckBox::click() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    set_value(value_ == 0 ? 1 : 0);
    return true;
}

void CheckBox::save_state(ControlState& state) const {
    Control::save_state(state);
    state.value = value_;
}

void CheckBox::restore_own_state(const ControlState& state) {
    value_ = state.value;
}

OptionButton::OptionButton(std::string name, Control* container, std::string caption, bool value,
                           const Design& design)
    : Control(ControlKind::OptionButton, std::move(name), container, -1, design), value_(value) {
    set_caption(std::move(caption));
}

void OptionButton::set_value(bool value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify_view();
    if (value) {
        deselect_siblings();
        if (Click) {
            Click();
        }
    }
}

bool OptionButton::click() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    set_value(true);
    return true;
}

void OptionButton::save_state(ControlState& state) const {
    Control::save_state(state);
    state.value = value_ ? 1 : 0;
}

void OptionButton::restore_own_state(const ControlState& state) {
    value_ = state.value != 0;
}

void OptionButton::deselect_siblings() {
    if (container() == nullptr) {
        return;
    }
    for (Control* sibling : container()->children()) {
        if (sibling != this && sibling->kind() == ControlKind::OptionButton) {
            auto* option = static_cast<OptionButton*>(sibling);
            if (option->value_) {
                option->value_ = false;
                option->notify_view();
            }
        }
    }
}

ScrollBar::ScrollBar(std::string name, Control* container, int min, int max, int small_change,
                     int value)
    : Control(ControlKind::ScrollBar, std::move(name), container),
      min_(min),
      max_(max),
      small_change_(small_change),
      value_(value) {}

void ScrollBar::set_value(int value) {
    value = std::clamp(value, min_, max_);
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify_view();
    if (Change) {
        Change();
    }
}

bool ScrollBar::arrow_up() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    set_value(std::max(min_, value_ - small_change_));
    return true;
}

bool ScrollBar::arrow_down() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    set_value(std::min(max_, value_ + small_change_));
    return true;
}

void ScrollBar::save_state(ControlState& state) const {
    Control::save_state(state);
    state.value = value_;
}

void ScrollBar::restore_own_state(const ControlState& state) {
    value_ = state.value;
}

Frame::Frame(std::string name, Control* container, std::string caption, const Design& design)
    : Control(ControlKind::Frame, std::move(name), container, -1, design) {
    set_caption(std::move(caption));
}

Label::Label(std::string name, Control* container, std::string caption, int index)
    : Control(ControlKind::Label, std::move(name), container, index) {
    set_caption(std::move(caption));
}

std::string Label::printed_value() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "&H";
    for (int shift = 28; shift >= 0; shift -= 4) {
        out.push_back(kDigits[(back_color_ >> shift) & 0xF]);
    }
    return out;
}

void Label::set_back_color(Colour colour) {
    if (back_color_ != colour) {
        back_color_ = colour;
        notify_view();
    }
}

bool Label::click() {
    const UserAction action(*this);
    if (!usable() || !visible()) {
        return false;
    }
    if (Click) {
        Click();
    }
    return true;
}

void Label::save_state(ControlState& state) const {
    Control::save_state(state);
    state.back_color = back_color_;
}

void Label::restore_own_state(const ControlState& state) {
    back_color_ = state.back_color;
}

CommandButton::CommandButton(std::string name, Control* container, std::string caption)
    : Control(ControlKind::CommandButton, std::move(name), container) {
    set_caption(std::move(caption));
}

bool CommandButton::click() {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    if (Click) {
        Click();
    }
    return true;
}

MenuItem::MenuItem(std::string name, Control* menu, std::string caption, std::string shortcut)
    : Control(ControlKind::MenuItem, std::move(name), menu), shortcut_(std::move(shortcut)) {
    set_caption(std::move(caption));
}

bool MenuItem::click() {
    const UserAction action(*this);
    if (!usable() || is_separator()) {
        return false;
    }
    if (Click) {
        Click();
    }
    return true;
}

TabStrip::TabStrip(std::string name, std::vector<Tab> tabs)
    : Control(ControlKind::TabStrip, std::move(name), nullptr), tabs_(std::move(tabs)) {}

bool TabStrip::select(std::string_view key) {
    const UserAction action(*this);
    if (!usable()) {
        return false;
    }
    const auto it =
        std::find_if(tabs_.begin(), tabs_.end(), [key](const Tab& tab) { return tab.key == key; });
    if (it == tabs_.end()) {
        return false;
    }
    selected_ = static_cast<std::size_t>(it - tabs_.begin());
    notify_view();
    if (Click) {
        Click();
    }
    return true;
}

StatusBar::StatusBar(std::string name, std::vector<Panel> panels)
    : Control(ControlKind::StatusBar, std::move(name), nullptr), panels_(std::move(panels)) {}

}  // namespace kv
