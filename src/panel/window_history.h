#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "panel/control_state.h"

namespace kv {

class Kv2841a;

// The steps undo keeps; the oldest goes when a new one comes beyond them.
inline constexpr std::size_t kUndoSteps = 1000;

// The variables of the window beside its controls that the settings depend on.
struct PanelVariables {
    std::int16_t cry_index = 0;
    std::array<std::string, 3> lo_words_frequency;

    bool operator==(const PanelVariables&) const = default;
};

// Undo and redo of the configuration window. A step is one action of the
// person that changed the window. The history watches every control and
// keeps the state of each as it last saw it; as an action leaves the core it
// compares the controls changed meanwhile (those whose views were told), and
// of those that differ the step keeps the state on the other side of the
// step, with the variables the settings depend on. What changes outside the
// person's actions (start-up) is taken in, as no step, when the next action
// enters. Undoing or redoing a step swaps those states in: no handler runs,
// no box shows, only the views are told. The keys typed into one text in a
// row are one step, ended when another control is touched or the focus
// leaves. Which page shows, the focus and the caret are the view's, and the
// puzzle's unlock and the version clicks are no settings: the history leaves
// them alone.
class WindowHistory final : public ActionWatcher {
public:
    explicit WindowHistory(Kv2841a& w);
    WindowHistory(const WindowHistory&) = delete;
    WindowHistory& operator=(const WindowHistory&) = delete;

    // Watches every control of the window; its menu items and tab strip hold
    // no state and are only watched.
    void watch();

    // False, changing nothing, when there is no step to undo (to redo).
    bool undo();
    bool redo();
    [[nodiscard]] std::size_t undo_steps() const { return undo_.size(); }

    // A command of the person that enters the core other than through a
    // control (a file dropped on the window, a line of a script): whatever it
    // changes is one step.
    class Command {
    public:
        explicit Command(WindowHistory& history);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        WindowHistory& history_;
    };

    void action_begins(const Control& control, bool typing) override;
    void action_ends() override;
    void focus_left(const Control& control) override;
    void control_changed(const Control& control) override;

private:
    // A control (by its place among the kept ones) and its state on the
    // other side of the step, and the variables likewise.
    struct Step {
        std::vector<std::pair<std::size_t, ControlState>> controls;
        PanelVariables variables;
    };

    void begin(const Control* control, bool typing);
    void end();
    // Takes the present state of the controls changed since it was last
    // seen, as no step.
    void take_in();
    // The controls changed since their state was last seen, with the state
    // seen; the present one is seen from now on.
    [[nodiscard]] Step changes();
    [[nodiscard]] PanelVariables variables() const;
    void set_variables(const PanelVariables& variables);
    void add_typing(Step step);
    void push(Step step);
    // Puts the step's states in and keeps the window's present ones in it.
    void swap_in(Step& step);
    [[nodiscard]] bool is_current(const Step& step) const;
    void show_in_menu();

    Kv2841a& w_;
    std::vector<Control*> kept_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    int depth_ = 0;
    // The outermost action under way: its control and whether it types.
    const Control* acting_ = nullptr;
    bool acting_types_ = false;
    // Undo or redo ran within the action: it is no step of its own.
    bool moved_ = false;
    // The text whose typing the last step holds, while more keys join it.
    const Control* typing_in_ = nullptr;
    // The state of each kept control as last seen, and the controls changed
    // since (each once).
    std::vector<ControlState> seen_;
    PanelVariables variables_seen_;
    std::unordered_map<const Control*, std::size_t> place_;
    std::vector<std::size_t> changed_;
    std::vector<bool> is_changed_;
};

}  // namespace kv
