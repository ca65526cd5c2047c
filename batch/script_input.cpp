#include "batch/script_input.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace kv::batch {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

ScriptInput::ScriptInput(int fd, std::string source) : fd_(fd), source_(std::move(source)) {}

ScriptInput::ScriptInput(std::string text) : buffer_(std::move(text)) {}

bool ScriptInput::fill() {
    if (fd_ < 0) {
        return false;
    }
    buffer_.resize(kChunk);
    at_ = 0;
    ssize_t count = 0;
    do {
        count = ::read(fd_, buffer_.data(), buffer_.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        failure_ = "cannot read " + source_ + ": " + std::strerror(errno);
    }
    buffer_.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count <= 0) {
        fd_ = -1;
    }
    return count > 0;
}

ScriptInput::Read ScriptInput::next(std::string& line, std::string& why) {
    line.clear();
    bool started = false;
    for (;;) {
        if (at_ == buffer_.size() && !fill()) {
            why = failure_;
            return !failure_.empty() ? Read::Unreadable : started ? Read::Line : Read::End;
        }
        const char c = buffer_[at_++];
        const bool lf_after_cr = after_cr_ && c == '\n';
        after_cr_ = c == '\r';
        if (lf_after_cr) {
            continue;
        }
        if (c == '\n' || c == '\r') {
            return Read::Line;
        }
        if (c == '\0') {
            why = "a NUL byte in the line";
            return Read::BadLine;
        }
        if (line.size() == kLongestLine) {
            why = "a line longer than 1 MiB";
            return Read::BadLine;
        }
        line.push_back(c);
        started = true;
    }
}

}  // namespace kv::batch
