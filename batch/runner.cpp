#include "batch/runner.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "batch/control_listing.h"
#include "batch/name_suggestion.h"

#include "panel/numbers.h"
#include "panel/text_control.h"
#include "register_lists/list_comparing.h"
#include "register_lists/register_list_applying.h"
#include "register_lists/register_list_reading.h"
#include "window/window.h"

namespace kv::batch {

namespace {

constexpr std::string_view kGamePrefix = "MiniGame.";
// In the listing of "controls": the kind of a tab, and the page of the puzzle
// window's controls.
constexpr std::string_view kTabKind = "Tab";
constexpr std::string_view kGameWindow = "MiniGame";

bool ends_in_blank(const std::string& text) {
    return !text.empty() && (text.back() == ' ' || text.back() == '\t');
}

const Runner::Verb* find_verb(std::string_view name) {
    for (const Runner::Verb& verb : Runner::verbs()) {
        if (verb.name == name) {
            return &verb;
        }
    }
    return nullptr;
}

bool names_control(Runner::Shape shape) {
    return shape != Runner::Shape::Nothing && shape != Runner::Shape::FileName;
}

std::optional<std::string> file_name_problem(const std::string& name) {
    if (ends_in_blank(name)) {
        return "the file name '" + name + "' ends in blanks";
    }
    return std::nullopt;
}

// Why a line does not fit its action's shape: extra words, a missing control
// or argument, or a file name ending in blanks.
std::optional<std::string> shape_problem(const Runner::Verb& verb, const ScriptLine& line) {
    using Shape = Runner::Shape;
    const std::string action(verb.name);
    if (verb.shape == Shape::FileName) {
        return line.rest.empty() ? action + " needs a file name" : file_name_problem(line.rest);
    }
    const bool layout = verb.shape == Shape::LayoutFile;
    if (!names_control(verb.shape) && !line.control.empty()) {
        return "extra words after '" + action + "'";
    }
    if (names_control(verb.shape) && line.control.empty()) {
        return action + " needs a " + (layout ? "layout" : "control");
    }
    if (verb.shape == Shape::Control && !line.argument.empty()) {
        return "extra words after '" + action + " " + line.control + "': '" + line.argument + "'";
    }
    if ((verb.shape == Shape::ControlItem || layout) && line.argument.empty()) {
        return action + " " + line.control + " needs " + (layout ? "a file name" : "an item");
    }
    return layout ? file_name_problem(line.argument) : std::nullopt;
}

bool is_text(const Control& control) {
    return control.kind() == ControlKind::TextBox || control.kind() == ControlKind::ComboBox;
}

// "unknown control 'ch1bzz'; did you mean 'ch1bz'?"
std::string unknown(std::string_view what, const std::string& name,
                    const std::vector<std::string>& names) {
    std::string text = "unknown " + std::string(what) + " '" + name + "'";
    if (const auto meant = nearest_name(name, names)) {
        text += "; did you mean '" + *meant + "'?";
    }
    return text;
}

std::string why_refused(const Control& control) {
    if (!control.usable()) {
        return control.name() + " is disabled";
    }
    if (control.kind() == ControlKind::TextBox && static_cast<const TextBox&>(control).locked()) {
        return control.name() + " is locked";
    }
    if (!control.visible()) {
        return control.name() + " is not shown";
    }
    return control.name() + " does not take this action";
}

}  // namespace

Runner::Runner(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), platform_(err), app_(platform_) {
    app_.start();
    Form_Activate(app_.window());
    app_.window().show_comparison = [this](const std::string& /*path*/,
                                           const ListComparison& comparison) {
        out_ << comparison_text(comparison);
    };
}

int Runner::compare_files(const std::string& a, const std::string& b) {
    const PanelOffers offers = offers_of(app_.window());
    std::array<ReadList, 2> lists;
    const std::array<const std::string*, 2> paths = {&a, &b};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const ReadResult file = platform_.read_file(*paths[i]);
        ListReading reading = file.ok ? read_register_list(file.bytes) : ListReading{};
        if (!reading.list) {
            const int line = file.ok ? reading.error.line : 0;
            err_ << *paths[i] << ": " << (line > 0 ? "line " + integer_text(line) + ": " : "")
                 << (file.ok ? reading.error.reason : file.reason) << '\n';
            return kUnreadableLine;
        }
        lists[i] = read_list(reading.list->texts, offers, 0);
    }
    const ListComparison comparison = compare_lists(lists[0], lists[1], offers);
    out_ << comparison_text(comparison);
    return comparison.registers.empty() ? kAllRan : kSomeRefused;
}

int Runner::run(ScriptInput& script) {
    int status = kAllRan;
    std::string text;
    std::string why;
    for (int number = 1;; ++number) {
        const ScriptInput::Read read = script.next(text, why);
        if (read == ScriptInput::Read::End) {
            return status;
        }
        if (read == ScriptInput::Read::Unreadable) {
            err_ << why << '\n';
            return kUnreadableLine;
        }
        const Result result = read == ScriptInput::Read::BadLine ? Result{Outcome::Unreadable, why}
                                                                 : perform_line(text);
        if (result.outcome == Outcome::Unreadable) {
            err_ << "line " << number << ": " << result.why << '\n';
            return kUnreadableLine;
        }
        if (result.outcome == Outcome::Refused) {
            err_ << "line " << number << ": refused: " << result.why << '\n';
            status = kSomeRefused;
        }
    }
}

Runner::Result Runner::perform_line(std::string_view text) {
    const auto line = parse_script_line(text);
    return line ? perform(*line) : Result{};
}

Runner::Result Runner::perform(const ScriptLine& line) {
    const Verb* verb = find_verb(line.verb);
    if (verb == nullptr) {
        std::vector<std::string> actions;
        for (const Verb& each : verbs()) {
            actions.emplace_back(each.name);
        }
        return {Outcome::Unreadable, unknown("action", line.verb, actions)};
    }
    if (auto problem = shape_problem(*verb, line)) {
        return {Outcome::Unreadable, *problem};
    }
    // Whatever one line changes is one step to undo.
    const WindowHistory::Command step(app_.window().history());
    if (verb->on_line != nullptr) {
        return (this->*verb->on_line)(line);
    }
    bool in_game = false;
    Control* control = lookup(line.control, in_game);
    if (control == nullptr && in_game && app_.mini_game() == nullptr) {
        return {Outcome::Refused, line.control + ": the MiniGame window is not open"};
    }
    if (control == nullptr) {
        return {Outcome::Unreadable, unknown("control", line.control, control_names())};
    }
    if (verb->needs_open_window &&
        platform_.window_closed(in_game ? WindowName::MiniGame : WindowName::Kv2841a)) {
        return {Outcome::Refused, line.control + ": its window is not open"};
    }
    return (this->*verb->on_control)(line, *control);
}

Runner::Result Runner::save(const ScriptLine& line) {
    Kv2841a& w = app_.window();
    MenuItem* menu = nullptr;
    CommandButton* button = nullptr;
    if (line.control == "spi") {
        menu = &w.save_file;
    } else if (line.control == "c") {
        button = &w.SaveHexList;
    } else if (line.control == "no") {
        button = &w.SaveTipList;
    } else {
        return {Outcome::Unreadable, "unknown layout '" + line.control + "' (spi, c or no)"};
    }
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "save: its window is not open"};
    }
    platform_.answer_next_dialog(line.argument);
    const bool done = menu != nullptr ? menu->click() : button->click();
    if (!done) {
        return {Outcome::Refused, why_refused(menu != nullptr ? static_cast<Control&>(*menu)
                                                              : static_cast<Control&>(*button))};
    }
    if (auto failure = platform_.take_save_failure()) {
        return {Outcome::Refused, "save " + line.argument + " failed: " + *failure};
    }
    return {};
}

// The menu item "打开(O)" with the path chosen in its dialog. The path is the
// rest of the line after "open".
Runner::Result Runner::open(const ScriptLine& line) {
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "open: its window is not open"};
    }
    Kv2841a& w = app_.window();
    platform_.answer_next_dialog(line.rest);
    (void)platform_.take_warning();
    if (!w.open_file.click()) {
        return {Outcome::Refused, why_refused(w.open_file)};
    }
    if (auto warning = platform_.take_warning()) {
        return {Outcome::Refused, "open " + line.rest + " failed: " + *warning};
    }
    return {};
}

// The menu item "比较(C)..." with the path chosen in its dialog; what differs
// is written as --compare writes it.
Runner::Result Runner::compare(const ScriptLine& line) {
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "compare: its window is not open"};
    }
    Kv2841a& w = app_.window();
    platform_.answer_next_dialog(line.rest);
    (void)platform_.take_warning();
    if (!w.compare_file.click()) {
        return {Outcome::Refused, why_refused(w.compare_file)};
    }
    if (auto warning = platform_.take_warning()) {
        return {Outcome::Refused, "compare " + line.rest + " failed: " + *warning};
    }
    return output_written();
}

Runner::Result Runner::explain(const ScriptLine& /*line*/) {
    Kv2841a& w = app_.window();
    out_ << explanation_text(read_window_list(w), offers_of(w));
    return output_written();
}

// Nothing to undo or redo refuses the action and changes nothing.
Runner::Result Runner::undo(const ScriptLine& /*line*/) {
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "undo: its window is not open"};
    }
    return app_.window().history().undo() ? Result{} : Result{Outcome::Refused, "nothing to undo"};
}

Runner::Result Runner::redo(const ScriptLine& /*line*/) {
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "redo: its window is not open"};
    }
    return app_.window().history().redo() ? Result{} : Result{Outcome::Refused, "nothing to redo"};
}

Runner::Result Runner::pick(const ScriptLine& line, Control& control) {
    if (control.kind() != ControlKind::ComboBox) {
        return {Outcome::Unreadable, control.name() + " is not a list"};
    }
    auto& list = static_cast<ComboBox&>(control);
    if (!list.find_item(line.argument)) {
        return {Outcome::Refused, control.name() + " has no item '" + line.argument + "'"};
    }
    return list.pick(line.argument) ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::type(const ScriptLine& line, Control& control) {
    return type_into(control, line.argument, false);
}

Runner::Result Runner::paste(const ScriptLine& line, Control& control) {
    return type_into(control, line.argument, true);
}

Runner::Result Runner::type_into(Control& control, const std::string& text, bool paste) {
    if (!is_text(control)) {
        return {Outcome::Unreadable, control.name() + " takes no typing"};
    }
    auto& box = static_cast<TextControl&>(control);
    if (control.kind() == ControlKind::TextBox && !static_cast<TextBox&>(control).click()) {
        return {Outcome::Refused, why_refused(control)};
    }
    box.select_all();
    bool typed = true;
    std::size_t kept = 0;
    if (paste) {
        bool taken = false;
        typed = box.replace_text(text, &taken);
        if (typed && !taken) {
            return {Outcome::Refused,
                    control.name() + (box.discards_keys() ? " discarded the paste"
                                                          : " refuses a paste holding a TAB, a "
                                                            "line end or another character "
                                                            "no key types")};
        }
    } else if (text.empty()) {
        typed = box.press_backspace();
    } else {
        typed = box.type(text, &kept);
        if (typed && kept == 0) {
            return {Outcome::Refused, control.name() + " discarded every key"};
        }
    }
    return typed ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

// A tab of the tab strip is named by its key ("click key2").
Runner::Result Runner::click(const ScriptLine& line, Control& control) {
    if (control.kind() == ControlKind::TabStrip) {
        auto& tabs = static_cast<TabStrip&>(control);
        return tabs.select(line.control) ? Result{}
                                         : Result{Outcome::Refused, why_refused(control)};
    }
    if (!control.takes_click()) {
        return {Outcome::Unreadable, control.name() + " takes no click"};
    }
    return control.click() ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::up(const ScriptLine& /*line*/, Control& control) {
    return arrow(control, true);
}

Runner::Result Runner::down(const ScriptLine& /*line*/, Control& control) {
    return arrow(control, false);
}

Runner::Result Runner::arrow(Control& control, bool up) {
    if (control.kind() != ControlKind::ScrollBar) {
        return {Outcome::Unreadable, control.name() + " has no arrows"};
    }
    auto& spin = static_cast<ScrollBar&>(control);
    const bool done = up ? spin.arrow_up() : spin.arrow_down();
    return done ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::print(const ScriptLine& /*line*/, Control& control) {
    out_ << control.printed_value() << '\n';
    return output_written();
}

Runner::Result Runner::dump(const ScriptLine& /*line*/) {
    const Kv2841a& w = app_.window();
    for (int n = 0; n < kRegisterCount; ++n) {
        const TextBox& box = w.register_box(n);
        out_ << "REG" << n << '\t' << box.text() << '\t'
             << (box.back_color() == kHighlight ? '*' : '-') << '\n';
    }
    return output_written();
}

// The configuration window's controls, each tab of its tab strip, then the
// puzzle window's controls while it is open.
Runner::Result Runner::controls(const ScriptLine& /*line*/) {
    const Kv2841a& w = app_.window();
    for (const Control* control : w.controls()) {
        out_ << control_line(control->name(), kind_name(control->kind()), page_key(w, *control),
                             control->printed_value())
             << '\n';
    }
    for (const TabStrip::Tab& tab : w.TabStrip1.tabs()) {
        out_ << control_line(tab.key, kTabKind, tab.key, tab.caption) << '\n';
    }
    if (const MiniGame* game = app_.mini_game()) {
        for (const Control* control : game->controls()) {
            out_ << control_line(std::string(kGamePrefix) + control->name(),
                                 kind_name(control->kind()), kGameWindow, control->printed_value())
                 << '\n';
        }
    }
    return output_written();
}

// What was written reached the output; a full disk or a closed pipe is a
// failure of the action, and the run goes on.
Runner::Result Runner::output_written() {
    errno = 0;
    out_.flush();
    if (out_.good()) {
        return {};
    }
    const int error = errno;
    out_.clear();
    return {Outcome::Refused, std::string("cannot write the output: ") +
                                  (error != 0 ? std::strerror(error) : "the stream failed")};
}

std::vector<std::string> Runner::control_names() {
    std::vector<std::string> names;
    Kv2841a& w = app_.window();
    for (const Control* control : w.controls()) {
        names.push_back(control->name());
    }
    for (const TabStrip::Tab& tab : w.TabStrip1.tabs()) {
        names.push_back(tab.key);
    }
    if (const MiniGame* game = app_.mini_game()) {
        for (const Control* control : game->controls()) {
            names.push_back(std::string(kGamePrefix) + control->name());
        }
    }
    return names;
}

Control* Runner::lookup(const std::string& name, bool& in_game) {
    in_game = name.rfind(kGamePrefix, 0) == 0;
    if (in_game) {
        MiniGame* game = app_.mini_game();
        return game != nullptr ? game->find(name.substr(kGamePrefix.size())) : nullptr;
    }
    Kv2841a& w = app_.window();
    for (const TabStrip::Tab& tab : w.TabStrip1.tabs()) {
        if (tab.key == name) {
            return &w.TabStrip1;
        }
    }
    return w.find(name);
}

}  // namespace kv::batch
