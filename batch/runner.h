#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_platform.h"
#include "batch/script_input.h"
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

    int run(ScriptInput& script);

    // Compares two register list files as opening reads them: a line "REGn A B"
    // for each register whose words differ, its fields and settings after it.
    // kAllRan when all 44 words are equal, kSomeRefused when some differ,
    // kUnreadableLine when a file cannot be read (the reason on err).
    int compare_files(const std::string& a, const std::string& b);

    enum class Outcome { Done, Refused, Unreadable };
    struct Result {
        Outcome outcome = Outcome::Done;
        std::string why;
    };

    // What follows a verb on its line.
    enum class Shape {
        Nothing,      // "dump"
        Control,      // "click ResetAll"
        ControlItem,  // "pick crylist 40": an item must follow
        ControlText,  // "type ch1bz 1400": the text may be empty
        LayoutFile,   // "save spi regs.txt"
        FileName,     // "open my regs.txt": the rest of the line
    };
    // One action of a script, declared once: its name, the shape of its line,
    // its procedure (on the named control, or on the line for the actions
    // that name none) and its lines of help.
    struct Verb {
        std::string_view name;
        Shape shape;
        Result (Runner::*on_control)(const ScriptLine&, Control&);
        Result (Runner::*on_line)(const ScriptLine&);
        // Whether the action is refused while the control's window is closed.
        bool needs_open_window;
        std::string_view usage;
        std::string_view help;
    };
    // Every action, in the order --help lists them.
    [[nodiscard]] static std::span<const Verb> verbs();

private:
    Result perform_line(std::string_view text);
    Result perform(const ScriptLine& line);
    Result save(const ScriptLine& line);
    Result open(const ScriptLine& line);
    Result undo(const ScriptLine& line);
    Result redo(const ScriptLine& line);
    Result dump(const ScriptLine& line);
    Result compare(const ScriptLine& line);
    Result explain(const ScriptLine& line);
    Result controls(const ScriptLine& line);
    Result output_written();
    // Every name a script may give a control, in the order "controls" lists them.
    std::vector<std::string> control_names();
    Result pick(const ScriptLine& line, Control& control);
    Result type(const ScriptLine& line, Control& control);
    Result paste(const ScriptLine& line, Control& control);
    Result click(const ScriptLine& line, Control& control);
    Result up(const ScriptLine& line, Control& control);
    Result down(const ScriptLine& line, Control& control);
    Result print(const ScriptLine& line, Control& control);
    Result type_into(Control& control, const std::string& text, bool paste);
    Result arrow(Control& control, bool up);
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
