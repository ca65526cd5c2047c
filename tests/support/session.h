#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "support/rng.h"
#include "support/rule_problems.h"
#include "support/window_model.h"
#include "window/application.h"

namespace kv::test {

// What a session did, for its report.
struct SessionFigures {
    long actions = 0;          // user actions performed (a solved board counts once)
    long refused = 0;          // actions the window refused (disabled, locked)
    long hand_edits = 0;       // edits that changed the text of an unlocked register box
    long resets = 0;           // the three reset buttons and the KV2841A menu item
    long restarts = 0;         // exits, each followed by a fresh start of the program
    long boards_won = 0;       // puzzle boards solved
    long reruns = 0;           // producers run again to see them reproduce their words
    long saves = 0;            // save commands
    long files_written = 0;    // saves that wrote their file
    long faults_injected = 0;  // saves the platform failed on purpose
    long bytes_lost = 0;       // bytes of earlier files changed by a save that wrote nothing
};

struct SessionOptions {
    // Also opens lists saved earlier; the rules do not follow a list opened,
    // so a session that checks them leaves this off.
    bool opens_lists = false;
};

// A person at the window for a long time: from start-up, a seeded generator
// picks one action after another among everything the windows offer (picks,
// typing, pastes, backspaces, selections, clicks on every box, switch, option,
// button, menu item and register box, spin arrows, tabs, resets, the version
// item up to the puzzle and beyond, the puzzle's cells, sizes and solution,
// saves answered, cancelled or failed, lists opened, exit and a fresh start), and after each
// one every rule of the window is checked. The same seed gives the same session.
class Session final {
public:
    explicit Session(std::uint64_t seed, SessionOptions options = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Performs one action and checks every rule; the rules broken, if any.
    [[nodiscard]] std::vector<std::string> step();

    [[nodiscard]] const SessionFigures& figures() const { return figures_; }
    // The configuration window as the last action left it.
    [[nodiscard]] const Kv2841a& window() const { return run_->app.window(); }
    [[nodiscard]] Kv2841a& window() { return run_->app.window(); }
    // The scripted platform, with what the last action showed.
    [[nodiscard]] const FakePlatform& platform() const { return platform_; }
    [[nodiscard]] const Module& module() const { return run_->app.module(); }
    // The last actions, oldest first.
    [[nodiscard]] const std::deque<std::string>& recent_actions() const { return recent_; }

private:
    // The program from one start to its exit. The model watches the window
    // from the end of its start-up, and lets go of it first.
    struct Run {
        explicit Run(Platform& platform);
        Application app;
        std::unique_ptr<WindowModel> model;
        std::vector<TextControl*> text_controls;
        std::vector<ComboBox*> lists;
        std::vector<TextBox*> text_boxes;
        std::vector<CheckBox*> check_boxes;
        std::vector<OptionButton*> options;
        std::vector<ScrollBar*> spins;
    };
    using Perform = void (Session::*)(Problems&);
    struct Action {
        int weight;
        Perform perform;
    };

    Kv2841a& w() { return run_->app.window(); }
    WindowModel& model() { return *run_->model; }
    void note(std::string what, bool accepted);
    void clear_records();
    void after_action(Problems& problems);

    // session_edits.cpp
    void pick_item(Problems& problems);
    void type_text(Problems& problems);
    void paste_text(Problems& problems);
    void press_backspaces(Problems& problems);
    void select_text(Problems& problems);
    void click_text_box(Problems& problems);
    TextControl& edit_target();
    void place_caret(TextControl& box);
    template <typename Edit>
    bool edit(TextControl& box, Edit edit_action);

    // session_commands.cpp
    void click_check_box(Problems& problems);
    void click_option(Problems& problems);
    void press_arrow(Problems& problems);
    void select_tab(Problems& problems);
    void reset(Problems& problems);
    void use_version_item(Problems& problems);
    void use_other_menu(Problems& problems);
    void activate(Problems& problems);
    void exit_and_start_again(Problems& problems);
    void rerun_producers(Problems& problems);

    // session_saves.cpp
    void save(Problems& problems);
    void open_list(Problems& problems);

    // session_puzzle.cpp
    void play_puzzle(Problems& problems);
    void solve_puzzle(Problems& problems);

    static const std::vector<Action>& actions();
    [[nodiscard]] bool offered(const Action& action) const;

    Rng rng_;
    SessionOptions options_;
    FakePlatform platform_;
    std::unique_ptr<Run> run_;
    SessionFigures figures_;
    std::deque<std::string> recent_;
    bool was_reset_ = false;
    bool restart_ = false;
};

}  // namespace kv::test
