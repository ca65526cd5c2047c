#include "support/session.h"

#include <exception>
#include <set>

#include "support/window_rules.h"
#include "window/window.h"

namespace kv::test {

namespace {

constexpr std::size_t kRecentActions = 40;

// Every title a box of the two windows may carry.
const std::set<std::string>& known_titles() {
    static const std::set<std::string> titles = {"提示", "警告", "版本信息",     "使用说明",
                                                 "恭喜", "点亮", "关于“Korvane”"};
    return titles;
}

template <typename Kind>
std::vector<Kind*> controls_of(const Kv2841a& w, ControlKind kind) {
    std::vector<Kind*> out;
    for (Control* control : w.controls()) {
        if (control->kind() == kind) {
            out.push_back(static_cast<Kind*>(control));
        }
    }
    return out;
}

}  // namespace

Session::Run::Run(Platform& platform)
    : app(platform),
      lists(controls_of<ComboBox>(app.window(), ControlKind::ComboBox)),
      text_boxes(controls_of<TextBox>(app.window(), ControlKind::TextBox)),
      check_boxes(controls_of<CheckBox>(app.window(), ControlKind::CheckBox)),
      options(controls_of<OptionButton>(app.window(), ControlKind::OptionButton)),
      spins(controls_of<ScrollBar>(app.window(), ControlKind::ScrollBar)) {
    app.start();
    Form_Activate(app.window());
    model = std::make_unique<WindowModel>(app.window());
    text_controls.assign(lists.begin(), lists.end());
    text_controls.insert(text_controls.end(), text_boxes.begin(), text_boxes.end());
}

Session::Session(std::uint64_t seed, SessionOptions options)
    : rng_(seed), options_(options), run_(std::make_unique<Run>(platform_)) {
    clear_records();
}

Session::~Session() = default;

// How often each action comes, out of the sum of the weights.
const std::vector<Session::Action>& Session::actions() {
    static const std::vector<Action> table = {
        {170, &Session::pick_item},
        {150, &Session::type_text},
        {50, &Session::paste_text},
        {50, &Session::press_backspaces},
        {25, &Session::select_text},
        {60, &Session::click_text_box},
        {110, &Session::click_check_box},
        {50, &Session::click_option},
        {100, &Session::press_arrow},
        {40, &Session::select_tab},
        {15, &Session::reset},
        {20, &Session::use_version_item},
        {10, &Session::use_other_menu},
        {30, &Session::save},
        {10, &Session::open_list},
        {60, &Session::play_puzzle},
        {10, &Session::solve_puzzle},
        {5, &Session::activate},
        {2, &Session::exit_and_start_again},
        {20, &Session::rerun_producers},
    };
    return table;
}

std::vector<std::string> Session::step() {
    ++figures_.actions;
    Problems problems;
    was_reset_ = false;
    restart_ = false;
    model().start_action();
    int total = 0;
    for (const Action& action : actions()) {
        total += offered(action) ? action.weight : 0;
    }
    int roll = static_cast<int>(rng_.below(static_cast<std::size_t>(total)));
    for (const Action& action : actions()) {
        if (offered(action) && (roll -= action.weight) < 0) {
            try {
                (this->*action.perform)(problems);
            } catch (const std::exception& error) {
                problems.add(std::string("exception: ") + error.what());
            } catch (...) {
                problems.add("exception of no standard kind");
            }
            break;
        }
    }
    after_action(problems);
    return problems.take();
}

bool Session::offered(const Action& action) const {
    return action.perform != &Session::open_list || options_.opens_lists;
}

void Session::note(std::string what, bool accepted) {
    if (!accepted) {
        ++figures_.refused;
        what += " (refused)";
    }
    recent_.push_back(std::move(what));
    if (recent_.size() > kRecentActions) {
        recent_.pop_front();
    }
}

void Session::clear_records() {
    platform_.answers.clear();
    platform_.dialog_answers.clear();
    platform_.save_failure.reset();
    platform_.messages.clear();
    platform_.dialogs.clear();
    platform_.focus.clear();
    platform_.window_events.clear();
    platform_.events.clear();
}

// Every box shown carries a known title; a box "恭喜" tells that a board was
// won. Then the rules, on the window as the action left it and, after an
// exit, on the program started afresh.
void Session::after_action(Problems& problems) {
    for (const Message& message : platform_.messages) {
        if (known_titles().count(message.title) == 0) {
            problems.add("a message box titled '" + message.title + "'");
        }
        if (message.title == "恭喜") {
            model().puzzle_won();
            ++figures_.boards_won;
        }
    }
    model().end_action(was_reset_);
    for (std::string& broken : broken_rules(w(), run_->app.module(), model())) {
        problems.add(std::move(broken));
    }
    if (const MiniGame* game = run_->app.mini_game()) {
        for (std::string& broken : puzzle_problems(*game, run_->app.module())) {
            problems.add(std::move(broken));
        }
    }
    clear_records();
    if (restart_) {
        run_.reset();
        run_ = std::make_unique<Run>(platform_);
        ++figures_.restarts;
        for (std::string& broken : broken_rules(w(), run_->app.module(), model())) {
            problems.add("after a fresh start: " + broken);
        }
        clear_records();
    }
}

}  // namespace kv::test
