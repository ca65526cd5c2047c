#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "batch/batch_platform.h"
#include "batch/script_line.h"
#include "window/application.h"

namespace kv::batch {

// Exit status of a run.
inline constexpr int kAllRan = 0;
inline constexpr int kSomeRefused = 1;
inline constexpr int kUnreadableLine = 2;

// Starts the configuration window as the desktop starts it and performs the
// actions of a script as the person at the window would: an action the window
// would not allow (disabled, locked, not open) does nothing and is reported; an
// unknown action or control stops the run.
class Runner final {
public:
    Runner(std::ostream& out, std::ostream& err);

    int run(std::istream& script);

private:
    enum class Outcome { Done, Refused, Unreadable };
    struct Result {
        Outcome outcome = Outcome::Done;
        std::string why;
    };

    Result perform(const ScriptLine& line);
    Result perform_on(const ScriptLine& line, Control& control);
    Result save(const ScriptLine& line);
    Result open(const ScriptLine& line);
    Result type_into(Control& control, const std::string& text, bool paste);
    Result click(Control& control);
    Result pick(Control& control, const std::string& item);
    Result arrow(Control& control, bool up);
    Result print(Control& control);
    void dump();
    // The control a script names, "MiniGame.minibox(11)" for the puzzle window;
    // null when there is none. Sets in_game for the puzzle window's controls.
    Control* lookup(const std::string& name, bool& in_game);

    std::ostream& out_;
    std::ostream& err_;
    BatchPlatform platform_;
    Application app_;
};

// What --help prints.
[[nodiscard]] std::string usage_text();

}  // namespace kv::batch
