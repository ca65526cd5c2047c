#include "posix_files/in_place_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "panel/platform.h"
#include "posix_files/posix_file.h"
#include "posix_files/save_errors.h"

namespace kv::file_store {

namespace {

// How long a save waits for another program to let go of the file.
constexpr int kLockTries = 200;
constexpr useconds_t kLockPause = 10'000;

std::error_code overwrite(int fd, std::string_view bytes) {
    std::error_code error = write_at(fd, bytes, 0);
    if (!error) {
        error = truncate_to(fd, static_cast<long long>(bytes.size()));
    }
    if (!error) {
        error = sync(fd);
    }
    return error;
}

// Takes the file's exclusive lock, so that two saves never write it at once;
// the file is busy while another keeps it. A file system without such locks
// is written without one.
std::error_code lock_exclusively(int fd) {
    for (int tries = 0; tries < kLockTries; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR)) {
            return {};
        }
        ::usleep(kLockPause);
    }
    return std::make_error_code(std::errc::device_or_resource_busy);
}

// The old bytes, kept to be put back: no more than the largest file the
// program opens.
std::error_code read_old(int fd, std::string& old) {
    const std::error_code error = read_whole(fd, old, kLargestReadFile);
    return error == std::errc::file_too_large ? SaveError::TooLargeToWriteInPlace : error;
}

}  // namespace

std::error_code write_in_place(const SaveTarget& target, std::string_view bytes,
                               InterruptGuard& guard) {
    std::error_code error;
    Descriptor fd = open_existing(target, O_RDWR, error);
    std::string old;
    if (error || (error = lock_exclusively(fd.get())) || (error = read_old(fd.get(), old))) {
        return error;
    }
    guard.watch_in_place(fd.get(), old);
    error = overwrite(fd.get(), bytes);
    if (error) {
        (void)overwrite(fd.get(), old);
    }
    guard.forget();
    // Once the data is on the disk, closing cannot lose it; closing lets go of the lock.
    (void)fd.close();
    return error;
}

}  // namespace kv::file_store
