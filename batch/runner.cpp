#include "batch/runner.h"

#include <string_view>

#include "panel/numbers.h"
#include "panel/text_control.h"

namespace kv::batch {

namespace {

constexpr std::string_view kGamePrefix = "MiniGame.";

bool is_text(const Control& control) {
    return control.kind() == ControlKind::TextBox || control.kind() == ControlKind::ComboBox;
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
    app_.window().Form_Activate();
}

int Runner::run(std::istream& script) {
    int status = kAllRan;
    std::string text;
    for (int number = 1; std::getline(script, text); ++number) {
        const auto line = parse_script_line(text);
        if (!line) {
            continue;
        }
        const Result result = perform(*line);
        if (result.outcome == Outcome::Unreadable) {
            err_ << "line " << number << ": " << result.why << '\n';
            return kUnreadableLine;
        }
        if (result.outcome == Outcome::Refused) {
            err_ << "line " << number << ": refused: " << result.why << '\n';
            status = kSomeRefused;
        }
    }
    return status;
}

Runner::Result Runner::perform(const ScriptLine& line) {
    if (line.verb == "dump" && line.control.empty()) {
        dump();
        return {};
    }
    if (line.verb == "save") {
        return save(line);
    }
    if (line.verb == "open") {
        return open(line);
    }
    if (line.verb != "pick" && line.verb != "type" && line.verb != "paste" &&
        line.verb != "click" && line.verb != "up" && line.verb != "down" && line.verb != "print") {
        return {Outcome::Unreadable, "unknown action '" + line.verb + "'"};
    }
    bool in_game = false;
    Control* control = lookup(line.control, in_game);
    if (control == nullptr && in_game && app_.mini_game() == nullptr) {
        return {Outcome::Refused, line.control + ": the MiniGame window is not open"};
    }
    if (control == nullptr) {
        return {Outcome::Unreadable, "unknown control '" + line.control + "'"};
    }
    if (line.verb != "print" &&
        platform_.window_closed(in_game ? WindowName::MiniGame : WindowName::Kv2841a)) {
        return {Outcome::Refused, line.control + ": its window is not open"};
    }
    return perform_on(line, *control);
}

Runner::Result Runner::perform_on(const ScriptLine& line, Control& control) {
    if (line.verb == "pick") {
        return pick(control, line.argument);
    }
    if (line.verb == "type" || line.verb == "paste") {
        return type_into(control, line.argument, line.verb == "paste");
    }
    if (line.verb == "click" && control.kind() == ControlKind::TabStrip) {
        auto& tabs = static_cast<TabStrip&>(control);
        return tabs.select(line.control) ? Result{}
                                         : Result{Outcome::Refused, why_refused(control)};
    }
    if (line.verb == "click") {
        return click(control);
    }
    if (line.verb == "up" || line.verb == "down") {
        return arrow(control, line.verb == "up");
    }
    return print(control);
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
    return {};
}

// The menu item "打开(O)" with the path chosen in its dialog. The path is the
// rest of the line after "open".
Runner::Result Runner::open(const ScriptLine& line) {
    if (line.control.empty()) {
        return {Outcome::Unreadable, "open needs a file name"};
    }
    if (platform_.window_closed(WindowName::Kv2841a)) {
        return {Outcome::Refused, "open: its window is not open"};
    }
    Kv2841a& w = app_.window();
    platform_.answer_next_dialog(line.argument.empty() ? line.control
                                                       : line.control + " " + line.argument);
    return w.open_file.click() ? Result{} : Result{Outcome::Refused, why_refused(w.open_file)};
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
    if (paste) {
        typed = box.replace_text(text);
    } else if (text.empty()) {
        typed = box.press_backspace();
    } else {
        typed = box.type(text);
    }
    return typed ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::click(Control& control) {
    if (!control.takes_click()) {
        return {Outcome::Unreadable, control.name() + " takes no click"};
    }
    return control.click() ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::pick(Control& control, const std::string& item) {
    if (control.kind() != ControlKind::ComboBox) {
        return {Outcome::Unreadable, control.name() + " is not a list"};
    }
    auto& list = static_cast<ComboBox&>(control);
    if (!list.find_item(item)) {
        return {Outcome::Refused, control.name() + " has no item '" + item + "'"};
    }
    return list.pick(item) ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::arrow(Control& control, bool up) {
    if (control.kind() != ControlKind::ScrollBar) {
        return {Outcome::Unreadable, control.name() + " has no arrows"};
    }
    auto& spin = static_cast<ScrollBar&>(control);
    const bool done = up ? spin.arrow_up() : spin.arrow_down();
    return done ? Result{} : Result{Outcome::Refused, why_refused(control)};
}

Runner::Result Runner::print(Control& control) {
    out_ << control.printed_value() << '\n';
    return {};
}

void Runner::dump() {
    const Kv2841a& w = app_.window();
    for (int n = 0; n < kRegisterCount; ++n) {
        const TextBox& box = w.Text1[static_cast<std::size_t>(n)];
        out_ << "REG" << n << '\t' << box.text() << '\t'
             << (box.back_color() == kHighlight ? '*' : '-') << '\n';
    }
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
