#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kv::batch {

// One action of a batch script: "VERB CONTROL ARGUMENT", fields separated by
// blanks; the argument is the rest of the line and may hold blanks.
//   "type ch1bz 1400"   -> {"type", "ch1bz", "1400"}
//   "save spi out.txt"  -> {"save", "spi", "out.txt"}
// For an action that takes a file name alone, the name is the rest of the line
// after the verb, blanks inside included:
//   "open my regs.txt"  -> rest "my regs.txt"
struct ScriptLine {
    std::string verb;
    std::string control;
    std::string argument;
    std::string rest;
};

// The action of a line, or nothing for a blank line or a comment ("# ...").
[[nodiscard]] std::optional<ScriptLine> parse_script_line(std::string_view line);

}  // namespace kv::batch
