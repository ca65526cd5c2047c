#pragma once

#include <cstddef>
#include <string>

namespace kv::batch {

// The longest script line read; a longer one is no line a person wrote.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// The lines of a script, read as they come: an endless script runs line by
// line, and an endless line stops at kLongestLine instead of filling memory.
// CR, LF and CR LF each end a line; a final line end is no further line.
//   "print fbA\r\nprint reB"  -> "print fbA", "print reB", end
class ScriptInput final {
public:
    // Reads the open file descriptor fd (a script file, standard input), which
    // the input does not close; `source` names it in the reason of a failure
    // ("the script regs.kvs").
    ScriptInput(int fd, std::string source);
    // The whole script in memory.
    explicit ScriptInput(std::string text);

    enum class Read {
        Line,        // the next line is in `line`
        End,         // no more lines
        BadLine,     // the next line is no line of a script: over kLongestLine, or a NUL byte
        Unreadable,  // the input cannot be read on
    };
    // The next line; for BadLine and Unreadable, the reason in `why`.
    Read next(std::string& line, std::string& why);

private:
    // More bytes into the buffer; false at the end of the input or on a
    // failure, which sets failure_.
    bool fill();

    int fd_ = -1;
    std::string source_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool after_cr_ = false;
    std::string failure_;
};

}  // namespace kv::batch
