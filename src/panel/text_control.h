#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "panel/control.h"

namespace kv {

// The KeyPress handler of every box and list that accepts no typing.
inline void discard_keystroke(int& key_ascii) {
    key_ascii = 0;
}

// The editable text shared by text boxes and combo boxes: the text, the caret
// and selection (counted in characters), the length limit, the background
// colour, and the person's editing. Assigning the text from a procedure raises
// Change only when the text really changes; typing raises KeyPress for every
// character first, and a handler that sets the key to 0 discards that character.
// A person's edits make an entry, which stays open until the person completes
// it (Enter, leaving the control) or a pick from a list replaces it.
class TextControl : public Control {
public:
    // A design that discards keys attaches discard_keystroke to KeyPress and a
    // max_length limits the text from the start.
    TextControl(ControlKind kind, std::string name, Control* container, std::string text, int index,
                const Design& design);

    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] std::string printed_value() const override { return text_; }
    // The text the window's design gives the control; the reset puts it back.
    [[nodiscard]] const std::string& design_text() const { return design_text_; }
    // Assignment from a procedure: cut to the length limit, caret to the end.
    void set_text(std::string text);

    [[nodiscard]] std::size_t sel_start() const { return sel_start_; }
    [[nodiscard]] std::size_t sel_length() const { return sel_length_; }
    void set_selection(std::size_t start, std::size_t length);
    void select_all();

    // The background: a register box's mark, a value out of range in red.
    [[nodiscard]] Colour back_color() const { return back_color_; }
    void set_back_color(Colour colour);

    // The person's actions. Each returns false, and changes nothing, when the
    // window would not let the person type here (disabled, locked). Typing
    // counts in keys_kept the keys no KeyPress handler discarded. A character
    // no key types (a control character: Tab moves the focus, Return types
    // nothing; the invisible byte-order mark) is no keystroke and is skipped.
    bool type(std::string_view characters, std::size_t* keys_kept = nullptr);
    bool press_backspace();
    // One edit that replaces the whole text, as a paste over a full selection.
    // The paste arrives as the keystroke Ctrl+V first, so a KeyPress handler
    // that discards every key discards pastes too; a text holding a character
    // no key types is refused whole. taken tells whether the text went in.
    bool replace_text(std::string_view text, bool* taken = nullptr);
    // The keystroke as the window hands it over before editing; false when refused.
    bool raise_key_press(int& key_ascii);

    // True from a person's edit that changed the text until the entry is
    // completed: a Change handler sees it open while the person types.
    [[nodiscard]] bool entry_open() const { return entry_open_; }
    // The person completes the entry; EntryComplete comes when it was open.
    void complete_entry();

    [[nodiscard]] virtual bool accepts_typing() const { return usable(); }
    // True while KeyPress is discard_keystroke: the control accepts no typing.
    [[nodiscard]] bool discards_keys() const;
    void save_state(ControlState& state) const override;

    Handler Change;
    KeyHandler KeyPress;
    Handler EntryComplete;

protected:
    // A pick replaces the entry: nothing is left to complete.
    void close_entry() { entry_open_ = false; }
    // The text comes back with the caret at its end, as an assignment leaves it.
    void restore_own_state(const ControlState& state) override;
    [[nodiscard]] std::size_t max_length() const { return max_length_; }
    void set_max_length_limit(std::size_t length);

private:
    void store(std::u32string text, std::size_t caret);
    void raise_change();
    void insert(char32_t character);
    [[nodiscard]] std::string cut_to_limit(std::string text) const;

    std::string design_text_;
    std::string text_;
    std::size_t length_ = 0;  // characters in text_
    std::size_t sel_start_ = 0;
    std::size_t sel_length_ = 0;
    std::size_t max_length_;  // 0: no limit
    Colour back_color_;
    bool editing_ = false;  // a person's edit is under way
    bool entry_open_ = false;
};

}  // namespace kv
