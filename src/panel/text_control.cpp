#include "panel/text_control.h"

#include <algorithm>
#include <utility>

#include "panel/control_state.h"
#include "panel/utf8.h"

namespace kv {

namespace {

constexpr int kBackspace = 8;
constexpr int kPaste = 22;  // Ctrl+V

// Marks a person's edit while it lasts; edits nest when a handler types.
class PersonEdit {
public:
    explicit PersonEdit(bool& editing) : editing_(editing), outer_(std::exchange(editing, true)) {}
    ~PersonEdit() { editing_ = outer_; }
    PersonEdit(const PersonEdit&) = delete;
    PersonEdit& operator=(const PersonEdit&) = delete;

private:
    bool& editing_;
    bool outer_;
};

}  // namespace

TextControl::TextControl(ControlKind kind, std::string name, Control* container, std::string text,
                         int index, const Design& design)
    : Control(kind, std::move(name), container, index, design),
      design_text_(text),
      text_(std::move(text)),
      length_(utf8_length(text_)),
      max_length_(design.max_length),
      back_color_(design.back_color) {
    if (design.discards_keys) {
        KeyPress = discard_keystroke;
    }
}

bool TextControl::discards_keys() const {
    const auto* handler = KeyPress.target<void (*)(int&)>();
    return handler != nullptr && *handler == &discard_keystroke;
}

void TextControl::set_text(std::string text) {
    text = cut_to_limit(std::move(text));
    const bool changed = text != text_;
    text_ = std::move(text);
    length_ = utf8_length(text_);
    sel_start_ = length_;
    sel_length_ = 0;
    notify_view();
    if (changed && Change) {
        Change();
    }
}

void TextControl::set_selection(std::size_t start, std::size_t length) {
    sel_start_ = std::min(start, length_);
    sel_length_ = std::min(length, length_ - sel_start_);
    notify_view();
}

void TextControl::select_all() {
    set_selection(0, length_);
}

void TextControl::set_back_color(Colour colour) {
    if (back_color_ != colour) {
        back_color_ = colour;
        notify_view();
    }
}

bool TextControl::raise_key_press(int& key_ascii) {
    if (!accepts_typing()) {
        return false;
    }
    if (KeyPress) {
        KeyPress(key_ascii);
    }
    return true;
}

bool TextControl::type(std::string_view characters, std::size_t* keys_kept) {
    if (!accepts_typing()) {
        return false;
    }
    const PersonEdit edit(editing_);
    const UserAction action(*this, true);
    for (char32_t c : to_utf32(characters)) {
        if (!is_typeable(c)) {
            continue;
        }
        int key = static_cast<int>(c);
        if (!raise_key_press(key)) {
            return false;
        }
        if (key != 0) {
            insert(static_cast<char32_t>(key));
            if (keys_kept != nullptr) {
                ++*keys_kept;
            }
        }
    }
    return true;
}

bool TextControl::press_backspace() {
    const PersonEdit edit(editing_);
    const UserAction action(*this, true);
    int key = kBackspace;
    if (!raise_key_press(key)) {
        return false;
    }
    if (key != kBackspace) {
        return true;
    }
    std::u32string text = to_utf32(text_);
    std::size_t start = sel_start_;
    std::size_t length = sel_length_;
    if (length == 0 && start > 0) {
        --start;
        length = 1;
    }
    text.erase(start, length);
    store(std::move(text), start);
    return true;
}

bool TextControl::replace_text(std::string_view text, bool* taken) {
    const PersonEdit edit(editing_);
    const UserAction action(*this, true);
    int key = kPaste;
    if (!raise_key_press(key)) {
        return false;
    }
    const std::u32string pasted = to_utf32(text);
    const bool typeable = std::all_of(pasted.begin(), pasted.end(), is_typeable);
    if (taken != nullptr) {
        *taken = key != 0 && typeable;
    }
    if (key != 0 && typeable) {
        std::u32string full = to_utf32(cut_to_limit(std::string(text)));
        const std::size_t caret = full.size();
        store(std::move(full), caret);
    }
    return true;
}

void TextControl::save_state(ControlState& state) const {
    Control::save_state(state);
    state.text = text_;
    state.back_color = back_color_;
}

void TextControl::restore_own_state(const ControlState& state) {
    text_ = state.text;
    length_ = utf8_length(text_);
    sel_start_ = length_;
    sel_length_ = 0;
    back_color_ = state.back_color;
}

void TextControl::set_max_length_limit(std::size_t length) {
    max_length_ = length;
    notify_view();
}

// A key typed at the end of the text, the way a person types, costs the same
// however long the text is already.
void TextControl::insert(char32_t character) {
    if (max_length_ != 0 && length_ - sel_length_ >= max_length_) {
        return;
    }
    if (sel_length_ == 0 && sel_start_ == length_) {
        text_ += to_utf8(std::u32string_view(&character, 1));
        sel_start_ = ++length_;
        notify_view();
        raise_change();
        return;
    }
    std::u32string text = to_utf32(text_);
    text.replace(sel_start_, sel_length_, 1, character);
    store(std::move(text), sel_start_ + 1);
}

void TextControl::store(std::u32string text, std::size_t caret) {
    std::string utf8 = to_utf8(text);
    const bool changed = utf8 != text_;
    text_ = std::move(utf8);
    length_ = text.size();
    sel_start_ = std::min(caret, length_);
    sel_length_ = 0;
    notify_view();
    if (changed) {
        raise_change();
    }
}

// A change a person made opens the entry before Change comes.
void TextControl::raise_change() {
    entry_open_ = entry_open_ || editing_;
    if (Change) {
        Change();
    }
}

void TextControl::complete_entry() {
    const UserAction action(*this);
    if (std::exchange(entry_open_, false) && EntryComplete) {
        EntryComplete();
    }
}

std::string TextControl::cut_to_limit(std::string text) const {
    // A text of no more bytes than the limit has no more characters either.
    if (max_length_ == 0 || text.size() <= max_length_ || utf8_length(text) <= max_length_) {
        return text;
    }
    std::u32string wide = to_utf32(text);
    wide.resize(max_length_);
    return to_utf8(wide);
}

}  // namespace kv
