#include "posix_files/interrupt_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cstring>

namespace kv::file_store {

namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGINT, SIGHUP};

// What the handler undoes. The handler may only make calls that are safe in a
// signal handler, so the state is plain memory set before the work it guards.
std::atomic<int> temporary_folder{-1};
std::array<char, NAME_MAX + 1> temporary_name{};
std::atomic<int> in_place_fd{-1};
const char* old_data = nullptr;
std::size_t old_size = 0;
std::array<struct sigaction, 3> earlier{};

void restore_old_bytes(int fd) {
    std::size_t done = 0;
    while (done < old_size) {
        const ssize_t n = ::pwrite(fd, old_data + done, old_size - done, static_cast<off_t>(done));
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
    (void)::ftruncate(fd, static_cast<off_t>(old_size));
    (void)::fsync(fd);
}

void undo_and_pass_on(int signal) {
    if (const int folder = temporary_folder.exchange(-1); folder >= 0) {
        ::unlinkat(folder, temporary_name.data(), 0);
    }
    if (const int fd = in_place_fd.exchange(-1); fd >= 0) {
        restore_old_bytes(fd);
    }
    for (std::size_t n = 0; n < kEndingSignals.size(); ++n) {
        if (kEndingSignals[n] == signal) {
            ::sigaction(signal, &earlier[n], nullptr);
        }
    }
    ::raise(signal);
}

}  // namespace

InterruptGuard::InterruptGuard() {
    forget();
    for (std::size_t n = 0; n < kEndingSignals.size(); ++n) {
        struct sigaction action {};
        action.sa_handler = undo_and_pass_on;
        sigfillset(&action.sa_mask);
        ::sigaction(kEndingSignals[n], nullptr, &previous_[n]);
        if (previous_[n].sa_handler == SIG_IGN) {
            continue;
        }
        earlier[n] = previous_[n];
        installed_[n] = ::sigaction(kEndingSignals[n], &action, nullptr) == 0;
    }
    ::sigaction(SIGXFSZ, nullptr, &size_limit_);
    if (size_limit_.sa_handler == SIG_DFL) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        size_limit_ignored_ = ::sigaction(SIGXFSZ, &ignore, nullptr) == 0;
    }
}

InterruptGuard::~InterruptGuard() {
    if (size_limit_ignored_) {
        ::sigaction(SIGXFSZ, &size_limit_, nullptr);
    }
    for (std::size_t n = 0; n < kEndingSignals.size(); ++n) {
        if (installed_[n]) {
            ::sigaction(kEndingSignals[n], &previous_[n], nullptr);
        }
    }
    forget();
}

void InterruptGuard::watch_temporary(int folder, std::string_view name) {
    const std::size_t length = std::min(name.size(), temporary_name.size() - 1);
    std::memcpy(temporary_name.data(), name.data(), length);
    temporary_name[length] = '\0';
    temporary_folder.store(folder);
}

void InterruptGuard::watch_in_place(int fd, std::string_view old_bytes) {
    old_data = old_bytes.data();
    old_size = old_bytes.size();
    in_place_fd.store(fd);
}

void InterruptGuard::forget() {
    in_place_fd.store(-1);
    temporary_folder.store(-1);
}

}  // namespace kv::file_store
