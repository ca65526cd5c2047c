#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// System colour codes, as the controls of the window carry them; the view maps
// them onto its palette.
using Colour = std::uint32_t;
inline constexpr Colour kWindowBackground = 0x80000005;
inline constexpr Colour kHighlight = 0x8000000D;
inline constexpr Colour kMenuText = 0x80000007;
inline constexpr Colour kPureRed = 0x000000FF;  // red 255, green 0, blue 0 in the platform's order

enum class ControlKind {
    TextBox,
    ComboBox,
    CheckBox,
    OptionButton,
    ScrollBar,
    Frame,
    Label,
    CommandButton,
    MenuItem,
    TabStrip,
    StatusBar,
};

// The lists whose items start-up fills in; each list names the one it offers.
enum class ItemList {
    None,
    Bandwidths,
    LoFrequencies,
    Crystals,
    FrontEndGains,
    AgcGains,
    IfaGains
};

// What the window's design gives a control beyond its name, place and start
// value, written where the control is declared. A control takes the facts its
// kind has: locked and max_length a text box, discards_keys a text box or a
// list, items a list. The tip and the items are start-up's to attach; the
// others hold from the start.
struct Design {
    bool enabled = true;
    bool visible = true;
    bool locked = false;
    bool discards_keys = false;
    std::size_t max_length = 0;  // 0: no limit
    Colour back_color = kWindowBackground;
    std::string_view tip{};
    ItemList items = ItemList::None;
};

class Control;
struct ControlState;

// Told of the person's actions on the controls it watches, as they enter the
// core and as they leave it; actions nested in another come in between.
// Typing is a key, a backspace or a paste into a text.
class ActionWatcher {
public:
    virtual ~ActionWatcher() = default;
    virtual void action_begins(const Control& control, bool typing) = 0;
    virtual void action_ends() = 0;
    // The person's keyboard focus left the control.
    virtual void focus_left(const Control& control) = 0;
    // A property of the control changed, by whatever means.
    virtual void control_changed(const Control& control) = 0;
};

// An event of a control: the window attaches one handler procedure to it.
using Handler = std::function<void()>;
// KeyPress hands the typed character code; a handler that sets it to 0 discards the key.
using KeyHandler = std::function<void(int& key_ascii)>;

// A named control of a window. It holds the properties the procedures use and
// tells its view (if one is attached) after every change of a property. It does
// not draw anything.
class Control {
public:
    Control(ControlKind kind, std::string name, Control* container, int index = -1,
            const Design& design = {});
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    [[nodiscard]] ControlKind kind() const { return kind_; }
    // The facts the window's design gives the control.
    [[nodiscard]] const Design& design() const { return design_; }
    // The name as the window spells it, "Text1(5)" for element 5 of an array.
    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] Control* container() const { return container_; }
    [[nodiscard]] const std::vector<Control*>& children() const { return children_; }

    [[nodiscard]] bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    [[nodiscard]] bool visible() const { return visible_; }
    void set_visible(bool visible);
    [[nodiscard]] const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);
    [[nodiscard]] const std::string& tool_tip() const { return tool_tip_; }
    void set_tool_tip(std::string tip);

    // True when the person at the window can act on the control: it and every
    // frame around it are enabled. A disabled frame disables its contents.
    [[nodiscard]] bool usable() const;

    // Whether the control takes a click at all: a box, a switch, an option, a
    // button, a menu item or a puzzle cell.
    [[nodiscard]] virtual bool takes_click() const { return false; }
    // A click as the person at the window gives it; false when the control
    // refuses it (disabled, locked away, or it takes no click).
    virtual bool click() { return false; }
    // The control's value as a line of text: the text of a box or list, 0 or 1
    // for a check box, True or False for an option, a spin's position, a
    // label's colour (&H and eight hexadecimal digits), the selected tab's
    // key; the caption of any other control.
    [[nodiscard]] virtual std::string printed_value() const { return caption_; }

    // Called after any property of this control changed; the view refreshes
    // here (once at the end of a ViewUpdateBatch).
    std::function<void()> on_view_update;

    // The watcher told of the person's actions on this control and of every
    // change of its properties, or null.
    void watch_actions(ActionWatcher* watcher) { watcher_ = watcher; }
    // The person's keyboard focus left the control.
    void leave_focus();

    // The control's state as undo keeps it, and its return to a kept state:
    // the view is told, no handler runs.
    virtual void save_state(ControlState& state) const;
    void restore_state(const ControlState& state);

protected:
    void notify_view() const;
    // Sets what the kind holds beyond the common properties; restore_state
    // tells the view afterwards.
    virtual void restore_own_state(const ControlState& /*state*/) {}

    // Brackets one action of the person on the control.
    class UserAction {
    public:
        explicit UserAction(const Control& control, bool typing = false);
        ~UserAction();
        UserAction(const UserAction&) = delete;
        UserAction& operator=(const UserAction&) = delete;

    private:
        ActionWatcher* watcher_;
    };

private:
    friend class ViewUpdateBatch;

    ControlKind kind_;
    Design design_;
    std::string name_;
    int index_;
    Control* container_;
    std::vector<Control*> children_;
    bool enabled_;
    bool visible_;
    std::string caption_;
    std::string tool_tip_;
    ActionWatcher* watcher_ = nullptr;
    mutable bool view_update_waiting_ = false;
};

// While one lives, a changed control tells its view once, when the outermost
// batch ends, and not at every change: a procedure that rewrites the same
// controls many times over (opening a register list, switching pages) has
// each widget brought up to date once. Handlers still see every change at
// once; only the views wait.
class ViewUpdateBatch final {
public:
    ViewUpdateBatch();
    ~ViewUpdateBatch();
    ViewUpdateBatch(const ViewUpdateBatch&) = delete;
    ViewUpdateBatch& operator=(const ViewUpdateBatch&) = delete;

private:
    friend class Control;
    static void wait(const Control& control);
    // A control that goes while its view waits is forgotten.
    static void forget(const Control& control);
    static int depth_;
    static std::vector<const Control*> waiting_;
};

// Appends a control and everything inside it, depth first, in declaration order.
void collect_controls(Control& root, std::vector<Control*>& out);
// The control of that name among the given ones, or null.
[[nodiscard]] Control* find_control(const std::vector<Control*>& controls, std::string_view name);

}  // namespace kv
