#pragma once

#include <csignal>
#include <string>
#include <string_view>

namespace kv::file_store {

// While a save runs, a request to end the program (SIGTERM, SIGINT, SIGHUP)
// first undoes the save's half-done work: the temporary file is removed, and a
// file being written in place gets its old bytes back. Then the signal does
// what it did before. A signal the program ignores stays ignored. One save at
// a time: the guard is not for several threads saving at once.
// While it runs, a write past the system's limit on a file's size (SIGXFSZ)
// fails with its error instead of ending the program, unless the program
// handles that signal itself.
class InterruptGuard final {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // The temporary file to remove: its name in the folder held open.
    void watch_temporary(int folder, std::string_view name);
    // The file written in place and the bytes it held before.
    void watch_in_place(int fd, std::string_view old_bytes);
    void forget();

private:
    struct sigaction previous_[3]{};
    bool installed_[3]{};
    struct sigaction size_limit_ {};
    bool size_limit_ignored_ = false;
};

}  // namespace kv::file_store
