#include "app/command_line.h"

#include <ostream>
#include <string_view>

#include "shell/version_text.h"

namespace kv::app {

namespace {

constexpr std::string_view kProgram = "kv2841a";
constexpr int kAnswered = 0;
constexpr int kUnusable = 2;

constexpr std::string_view kHelp = R"(Usage: kv2841a [OPTION]... [FILE]
Open the KV2841A register configuration window: set the receiver chip's
crystal, sample-clock dividers, channel LO frequencies, bandwidths, gains,
output format and test switches, watch the 20-bit words of its 44 registers,
and save them as register lists for SPI programming tools and firmware.

FILE is a register list saved by this tool, opened when the window starts.

  -h, --help     display this help and exit
      --version  output version information and exit

Exit status:
 0  the window has been closed
 2  the command line cannot be used
)";

CommandLine refuse(std::ostream& err, std::string_view complaint, std::string_view argument) {
    err << kProgram << ": " << complaint << " '" << argument << "'\n"
        << "Try '" << kProgram << " --help' for more information.\n";
    return {.file = std::nullopt, .exit_status = kUnusable};
}

}  // namespace

CommandLine read_command_line(std::span<const char* const> arguments, std::ostream& out,
                              std::ostream& err) {
    CommandLine command;
    bool options_end = false;
    for (const std::string_view argument : arguments) {
        const bool is_option = !options_end && argument.size() > 1 && argument.front() == '-';
        if (is_option && argument == "--") {
            options_end = true;
        } else if (is_option && (argument == "--help" || argument == "-h")) {
            out << kHelp;
            return {.file = std::nullopt, .exit_status = kAnswered};
        } else if (is_option && argument == "--version") {
            out << version_text(kProgram);
            return {.file = std::nullopt, .exit_status = kAnswered};
        } else if (is_option) {
            return refuse(err, "unknown option", argument);
        } else if (command.file) {
            return refuse(err, "only one FILE can be opened; also given", argument);
        } else {
            command.file = std::string(argument);
        }
    }
    return command;
}

}  // namespace kv::app
