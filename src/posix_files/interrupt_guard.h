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
class InterruptGuard final {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // The temporary file to remove; false when its name is too long to keep.
    [[nodiscard]] bool watch_temporary(const std::string& path);
    // The file written in place and the bytes it held before.
    void watch_in_place(int fd, std::string_view old_bytes);
    void forget();

private:
    struct sigaction previous_[3]{};
    bool installed_[3]{};
};

}  // namespace kv::file_store
