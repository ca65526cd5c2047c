#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "panel/control.h"
#include "panel/text_control.h"

namespace kv {

// Text box: a text the procedures read and write, a lock that refuses typing
// and a length limit that cuts an assigned text.
class TextBox final : public TextControl {
public:
    TextBox(std::string name, Control* container, std::string text = {}, int index = -1);
    TextBox(std::string name, Control* container, std::string text, const Design& design,
            int index = -1);

    [[nodiscard]] bool locked() const { return locked_; }
    void set_locked(bool locked);
    [[nodiscard]] std::size_t max_length() const { return TextControl::max_length(); }
    void set_max_length(std::size_t length) { set_max_length_limit(length); }

    [[nodiscard]] bool accepts_typing() const override { return usable() && !locked_; }
    // A mouse click into the box; a locked box still takes the click.
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;
    void save_state(ControlState& state) const override;

    Handler Click;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    bool locked_;
};

// Combo box: an edit part and an item list. A pick from the list raises Click
// only; assigning the text raises Change only.
class ComboBox final : public TextControl {
public:
    ComboBox(std::string name, Control* container, std::string text = {},
             const Design& design = {});

    [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
    void AddItem(std::string item);
    // Index of the picked item, -1 while nothing is picked.
    [[nodiscard]] int list_index() const { return list_index_; }

    // The person picks an item; Click comes also when the same item is picked again.
    bool pick(std::size_t index);
    bool pick(std::string_view item);
    [[nodiscard]] std::optional<std::size_t> find_item(std::string_view item) const;
    void save_state(ControlState& state) const override;

    Handler Click;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    std::vector<std::string> items_;
    int list_index_ = -1;
};

// Check box: value 0 or 1; Click comes after every change of the value.
class CheckBox final : public Control {
public:
    CheckBox(std::string name, Control* container, std::string caption, int value = 0);

    [[nodiscard]] int value() const { return value_; }
    void set_value(int value);
    [[nodiscard]] std::string printed_value() const override { return std::to_string(value_); }
    // The value the window's design gives the box; the reset puts it back.
    [[nodiscard]] int design_value() const { return design_value_; }
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;
    void save_state(ControlState& state) const override;

    Handler Click;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    int design_value_;
    int value_;
};

// Option button: the buttons of one container frame are exclusive. Selecting one
// deselects the others silently and raises its own Click.
class OptionButton final : public Control {
public:
    OptionButton(std::string name, Control* container, std::string caption, bool value = false,
                 const Design& design = {});

    [[nodiscard]] bool value() const { return value_; }
    void set_value(bool value);
    [[nodiscard]] std::string printed_value() const override { return value_ ? "True" : "False"; }
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;
    void save_state(ControlState& state) const override;

    Handler Click;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    void deselect_siblings();

    bool value_;
};

// Vertical scroll bar used as a spin control. Change comes after every change of
// the position; the upper arrow lowers the position by the step.
class ScrollBar final : public Control {
public:
    ScrollBar(std::string name, Control* container, int min, int max, int small_change, int value);

    [[nodiscard]] int value() const { return value_; }
    void set_value(int value);
    [[nodiscard]] std::string printed_value() const override { return std::to_string(value_); }
    [[nodiscard]] int min() const { return min_; }
    [[nodiscard]] int max() const { return max_; }
    [[nodiscard]] int small_change() const { return small_change_; }

    bool arrow_up();
    bool arrow_down();
    void save_state(ControlState& state) const override;

    Handler Change;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    int min_;
    int max_;
    int small_change_;
    int value_;
};

// Frame, label, command button and menu item: a caption, and a Click for the last two.
class Frame final : public Control {
public:
    Frame(std::string name, Control* container, std::string caption, const Design& design = {});
};

// Label: a caption, a background colour, and a Click for the puzzle cells.
class Label final : public Control {
public:
    Label(std::string name, Control* container, std::string caption, int index = -1);

    [[nodiscard]] Colour back_color() const { return back_color_; }
    void set_back_color(Colour colour);
    [[nodiscard]] std::string printed_value() const override;
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;
    void save_state(ControlState& state) const override;

    Handler Click;

protected:
    void restore_own_state(const ControlState& state) override;

private:
    Colour back_color_ = kWindowBackground;
};

class CommandButton final : public Control {
public:
    CommandButton(std::string name, Control* container, std::string caption);
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;

    Handler Click;
};

class MenuItem final : public Control {
public:
    MenuItem(std::string name, Control* menu, std::string caption, std::string shortcut = {});

    [[nodiscard]] bool is_separator() const { return caption() == "-"; }
    // The keys that choose the item; several are separated by "; ", the first
    // is the one the menu shows.
    [[nodiscard]] const std::string& shortcut() const { return shortcut_; }
    [[nodiscard]] bool takes_click() const override { return true; }
    bool click() override;

    Handler Click;

private:
    std::string shortcut_;
};

// Tab strip: tabs with a key and a caption; selecting a tab raises Click.
class TabStrip final : public Control {
public:
    struct Tab {
        std::string key;
        std::string caption;
    };

    TabStrip(std::string name, std::vector<Tab> tabs);

    [[nodiscard]] const std::vector<Tab>& tabs() const { return tabs_; }
    [[nodiscard]] std::size_t selected() const { return selected_; }
    [[nodiscard]] const std::string& selected_key() const { return tabs_[selected_].key; }
    [[nodiscard]] std::string printed_value() const override { return selected_key(); }
    bool select(std::string_view key);

    Handler Click;

private:
    std::vector<Tab> tabs_;
    std::size_t selected_ = 0;
};

// Status bar: panels fixed at design time; the date and time panels keep
// themselves current in the view.
class StatusBar final : public Control {
public:
    enum class PanelStyle { Text, Date, Time };
    struct Panel {
        PanelStyle style;
        std::string text;
    };

    StatusBar(std::string name, std::vector<Panel> panels);

    [[nodiscard]] const std::vector<Panel>& panels() const { return panels_; }
    // The panels are given before a view binds to the bar.
    void set_panels(std::vector<Panel> panels) { panels_ = std::move(panels); }

private:
    std::vector<Panel> panels_;
};

}  // namespace kv
