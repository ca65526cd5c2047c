#include "posix_files/posix_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kv::file_store {

namespace {

constexpr std::size_t kReadChunk = 65536;

template <typename Call>
auto retried(Call call) {
    auto result = call();
    while (result < 0 && errno == EINTR) {
        result = call();
    }
    return result;
}

}  // namespace

std::error_code last_error() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

Descriptor::~Descriptor() {
    (void)close();
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        (void)close();
        fd_ = other.release();
    }
    return *this;
}

int Descriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::error_code Descriptor::close() {
    if (fd_ < 0) {
        return {};
    }
    const int result = ::close(release());
    return result != 0 && errno != EINTR ? last_error() : std::error_code{};
}

Descriptor open_file(int folder, const std::string& name, int flags, unsigned mode,
                     std::error_code& error) {
    errno = 0;
    const int fd = retried([&] { return ::openat(folder, name.c_str(), flags | O_CLOEXEC, mode); });
    error = fd < 0 ? last_error() : std::error_code{};
    return Descriptor(fd);
}

std::error_code write_at(int fd, std::string_view bytes, long long offset) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written =
            retried([&] { return ::pwrite(fd, bytes.data(), bytes.size(), offset); });
        if (written <= 0) {
            return last_error();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return {};
}

std::error_code read_whole(int fd, std::string& bytes, std::size_t limit) {
    bytes.clear();
    char chunk[kReadChunk];
    for (;;) {
        errno = 0;
        const auto offset = static_cast<off_t>(bytes.size());
        const ssize_t got = retried([&] { return ::pread(fd, chunk, sizeof chunk, offset); });
        if (got < 0) {
            return last_error();
        }
        if (got == 0) {
            return {};
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            return std::make_error_code(std::errc::file_too_large);
        }
    }
}

std::error_code sync(int fd) {
    errno = 0;
    return retried([&] { return ::fsync(fd); }) != 0 ? last_error() : std::error_code{};
}

std::error_code truncate_to(int fd, long long size) {
    errno = 0;
    return retried([&] { return ::ftruncate(fd, size); }) != 0 ? last_error() : std::error_code{};
}

}  // namespace kv::file_store
