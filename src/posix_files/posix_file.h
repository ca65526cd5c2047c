#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Thin wrappers over the system's file calls, each retried when a signal
// interrupts it and each telling its failure as an error code.
namespace kv::file_store {

// The error the last system call left in errno.
[[nodiscard]] std::error_code last_error();

// An open file descriptor, closed when it goes.
class Descriptor final {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    ~Descriptor();

    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    int release();
    // Closes now and tells whether the close failed (some file systems report
    // a failed write only here).
    [[nodiscard]] std::error_code close();

private:
    int fd_;
};

// Opens a name in a folder held open (AT_FDCWD: the working folder; an
// absolute name ignores the folder); flags and mode as for openat(2),
// O_CLOEXEC added.
[[nodiscard]] Descriptor open_file(int folder, const std::string& name, int flags, unsigned mode,
                                   std::error_code& error);

// Writes every byte at the offset, however many calls it takes.
[[nodiscard]] std::error_code write_at(int fd, std::string_view bytes, long long offset);
// Reads the whole file from its start; a file of more than `limit` bytes is
// not read past the limit and gives file_too_large.
[[nodiscard]] std::error_code read_whole(int fd, std::string& bytes, std::size_t limit);
// Pushes the file's data to the disk.
[[nodiscard]] std::error_code sync(int fd);
[[nodiscard]] std::error_code truncate_to(int fd, long long size);

}  // namespace kv::file_store
