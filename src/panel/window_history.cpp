#include "panel/window_history.h"

#include <algorithm>

#include "panel/kv2841a.h"

namespace kv {

namespace {

// Menu items and the tab strip carry what the view and the history show, not
// settings.
bool holds_settings(const Control& control) {
    return control.kind() != ControlKind::MenuItem && control.kind() != ControlKind::TabStrip &&
           control.kind() != ControlKind::StatusBar;
}

}  // namespace

WindowHistory::WindowHistory(Kv2841a& w) : w_(w) {}

void WindowHistory::watch() {
    for (Control* control : w_.controls()) {
        control->watch_actions(this);
        if (holds_settings(*control)) {
            place_.emplace(control, kept_.size());
            kept_.push_back(control);
        }
    }
    seen_.resize(kept_.size());
    is_changed_.assign(kept_.size(), false);
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        kept_[i]->save_state(seen_[i]);
    }
    variables_seen_ = variables();
    show_in_menu();
}

bool WindowHistory::undo() {
    typing_in_ = nullptr;
    if (undo_.empty()) {
        return false;
    }
    swap_in(undo_.back());
    take_in();
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    moved_ = true;
    show_in_menu();
    return true;
}

bool WindowHistory::redo() {
    typing_in_ = nullptr;
    if (redo_.empty()) {
        return false;
    }
    swap_in(redo_.back());
    take_in();
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    moved_ = true;
    show_in_menu();
    return true;
}

WindowHistory::Command::Command(WindowHistory& history) : history_(history) {
    history_.begin(nullptr, false);
}

WindowHistory::Command::~Command() {
    history_.end();
}

void WindowHistory::action_begins(const Control& control, bool typing) {
    begin(&control, typing);
}

void WindowHistory::action_ends() {
    end();
}

void WindowHistory::focus_left(const Control& control) {
    if (&control == typing_in_) {
        typing_in_ = nullptr;
    }
}

void WindowHistory::control_changed(const Control& control) {
    const auto place = place_.find(&control);
    if (place != place_.end() && !is_changed_[place->second]) {
        is_changed_[place->second] = true;
        changed_.push_back(place->second);
    }
}

void WindowHistory::begin(const Control* control, bool typing) {
    if (depth_++ > 0) {
        return;
    }
    if (!typing || control != typing_in_) {
        typing_in_ = nullptr;
    }
    acting_ = control;
    acting_types_ = typing;
    moved_ = false;
    take_in();
}

void WindowHistory::end() {
    if (--depth_ > 0 || std::exchange(moved_, false)) {
        return;
    }
    Step step = changes();
    if (step.controls.empty() && step.variables == variables_seen_) {
        return;
    }
    if (acting_types_ && acting_ == typing_in_ && !undo_.empty()) {
        add_typing(std::move(step));
    } else {
        push(std::move(step));
    }
    show_in_menu();
}

void WindowHistory::take_in() {
    for (const std::size_t i : changed_) {
        kept_[i]->save_state(seen_[i]);
        is_changed_[i] = false;
    }
    changed_.clear();
    variables_seen_ = variables();
}

WindowHistory::Step WindowHistory::changes() {
    Step step;
    for (const std::size_t i : changed_) {
        ControlState present;
        kept_[i]->save_state(present);
        if (present != seen_[i]) {
            step.controls.emplace_back(i, std::exchange(seen_[i], std::move(present)));
        }
        is_changed_[i] = false;
    }
    changed_.clear();
    step.variables = std::exchange(variables_seen_, variables());
    return step;
}

// More keys into the text of the last step join it; the first state of each
// control stays. Keys that leave the text as it was before the step leave no
// step.
void WindowHistory::add_typing(Step step) {
    Step& last = undo_.back();
    for (auto& [index, state] : step.controls) {
        const bool kept =
            std::any_of(last.controls.begin(), last.controls.end(),
                        [index = index](const auto& entry) { return entry.first == index; });
        if (!kept) {
            last.controls.emplace_back(index, std::move(state));
        }
    }
    if (is_current(last)) {
        undo_.pop_back();
        typing_in_ = nullptr;
    }
}

void WindowHistory::push(Step step) {
    undo_.push_back(std::move(step));
    if (undo_.size() > kUndoSteps) {
        undo_.pop_front();
    }
    redo_.clear();
    typing_in_ = acting_types_ ? acting_ : nullptr;
}

void WindowHistory::swap_in(Step& step) {
    for (auto& [index, state] : step.controls) {
        ControlState present;
        Control& control = *kept_[index];
        control.save_state(present);
        control.restore_state(state);
        std::swap(state, present);
    }
    PanelVariables now = variables();
    set_variables(step.variables);
    step.variables = std::move(now);
}

bool WindowHistory::is_current(const Step& step) const {
    return step.variables == variables_seen_ &&
           std::all_of(step.controls.begin(), step.controls.end(),
                       [this](const auto& entry) { return seen_[entry.first] == entry.second; });
}

PanelVariables WindowHistory::variables() const {
    return {w_.module().cry_index, w_.lo_words_frequency};
}

void WindowHistory::set_variables(const PanelVariables& variables) {
    w_.module().cry_index = variables.cry_index;
    w_.lo_words_frequency = variables.lo_words_frequency;
}

void WindowHistory::show_in_menu() {
    w_.undo.set_enabled(!undo_.empty());
    w_.redo.set_enabled(!redo_.empty());
}

}  // namespace kv
