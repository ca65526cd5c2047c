#include "batch/runner.h"

#include <algorithm>
#include <string_view>

namespace kv::batch {

namespace {

constexpr std::string_view kHead = R"(Usage: kv2841a-batch [SCRIPT | -]
       kv2841a-batch --compare A B
       kv2841a-batch --help | --version
Starts the KV2841A configuration window without showing it and performs the
actions of SCRIPT (standard input when omitted or "-"), one per line:
)";

constexpr std::string_view kTail =
    R"(CR, LF and CR LF each end a line. Blank lines and lines starting with # are
skipped. Message boxes go to standard error as "TITLE: TEXT" (line feeds as
" / ") and are answered OK, or Yes to a question.
Every problem is reported on standard error with its line number.
--compare A B compares two register list files (any layout, read as opening
reads them) and writes a line "REGn WORD-A WORD-B" for each register whose
words differ, followed by the fields and settings that differ on indented
lines; its exit status is 0 when all 44 words are equal, 1 when some differ
and 2 when a file cannot be read (the reason on standard error).
An unknown action or control is told with the name it most likely meant:
"unknown control 'ch1bzz'; did you mean 'ch1bz'?".
Exit status:
  0  every action ran
  1  some action was refused or failed: disabled, locked or not open, a type
     whose every key was discarded, a paste refused or discarded,
     a save that wrote nothing, an undo or redo with nothing to take back or
     do again, output that cannot be written (a full disk); the run goes on
  2  a line could not be read: unknown action or control, extra words, a
     missing control, item or file name, a line over 1 MiB or holding a NUL
     byte; or the script cannot be read (missing, a folder, standard input
     closed); the run stops there
)";

// The help of an action: its line's shape, then its help in a column, each
// further line of help indented to that column.
std::string verb_help(const Runner::Verb& verb) {
    constexpr std::size_t kHelpColumn = 23;
    std::string text = "  " + std::string(verb.usage);
    text += std::string(kHelpColumn - std::min(kHelpColumn - 1, text.size()), ' ');
    for (const char c : verb.help) {
        text += c;
        if (c == '\n') {
            text += std::string(kHelpColumn, ' ');
        }
    }
    return text + '\n';
}

}  // namespace

std::string usage_text() {
    std::string text(kHead);
    for (const Runner::Verb& verb : Runner::verbs()) {
        text += verb_help(verb);
    }
    return text + std::string(kTail);
}

}  // namespace kv::batch
