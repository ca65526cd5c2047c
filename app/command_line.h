#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace kv::app {

// What the window's command line asks for: `kv2841a [OPTION]... [FILE]`.
// When the command line has been answered already (--help, --version) or
// cannot be used, exit_status holds the status to end with and no window is
// made; otherwise file holds the register list named to open, if any.
struct CommandLine {
    std::optional<std::string> file;
    std::optional<int> exit_status;
};

// Reads the arguments after the program name. Runs before the window system
// is touched, so --help and --version answer without a display. Answers go to
// out, complaints to err.
[[nodiscard]] CommandLine read_command_line(std::span<const char* const> arguments,
                                            std::ostream& out, std::ostream& err);

}  // namespace kv::app
