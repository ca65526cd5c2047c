#include "batch/runner.h"

namespace kv::batch {

std::span<const Runner::Verb> Runner::verbs() {
    // A new action is one row here and its procedure in runner.cpp. A line of help
    // may go on over more lines, each after a line feed.
    static constexpr Verb kVerbs[] = {
        {"pick", Shape::ControlItem, &Runner::pick, nullptr, true, "pick CONTROL ITEM",
         "pick ITEM from a list (Combo2, crylist, CH1_AGC_Gain, ch1bz)"},
        {"type", Shape::ControlText, &Runner::type, nullptr, true, "type CONTROL TEXT",
         "click, select all, type TEXT key by key (no TEXT: delete all)"},
        {"paste", Shape::ControlText, &Runner::paste, nullptr, true, "paste CONTROL TEXT",
         "click, select all, replace with TEXT in one edit"},
        {"click", Shape::Control, &Runner::click, nullptr, true, "click CONTROL",
         "check box, option, button, menu item, box, tab (key1..key4),\n"
         "MiniGame.NAME for the puzzle window (MiniGame.minibox(11))"},
        {"up", Shape::Control, &Runner::up, nullptr, true, "up CONTROL",
         "one click on a spin's upper arrow (VScroll_fbA)"},
        {"down", Shape::Control, &Runner::down, nullptr, true, "down CONTROL",
         "one click on a spin's lower arrow"},
        {"save", Shape::LayoutFile, nullptr, &Runner::save, true, "save spi|c|no PATH",
         "save that layout to PATH, answering Yes to every question;\n"
         "a PATH that ends in blanks is an error, not part of the name"},
        {"open", Shape::FileName, nullptr, &Runner::open, true, "open PATH",
         "open the register list file PATH, as the menu item does"},
        {"compare", Shape::FileName, nullptr, &Runner::compare, true, "compare PATH",
         "write what differs between the window's registers and the register\n"
         "list file PATH, as --compare does; the window does not change"},
        {"explain", Shape::Nothing, nullptr, &Runner::explain, false, "explain",
         "write REGn and its word for all 44, each followed by its fields and\n"
         "the settings they mean on indented lines"},
        {"undo", Shape::Nothing, nullptr, &Runner::undo, true, "undo",
         "take back the last step: one line of a script that changed the\n"
         "window (a type or paste line is one step)"},
        {"redo", Shape::Nothing, nullptr, &Runner::redo, true, "redo",
         "do again the step the last undo took back"},
        {"print", Shape::Control, &Runner::print, nullptr, false, "print CONTROL",
         "write the control's text or value"},
        {"dump", Shape::Nothing, nullptr, &Runner::dump, false, "dump",
         "write REGn, TAB, word, TAB, * (marked) or - for all 44"},
        {"controls", Shape::Nothing, nullptr, &Runner::controls, false, "controls",
         "write every control, one a line: name as scripts write it,\n"
         "TAB, kind, TAB, page (tab key, - for none), TAB, value"},
    };
    return kVerbs;
}

}  // namespace kv::batch
