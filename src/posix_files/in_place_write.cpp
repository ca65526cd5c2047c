#include "posix_files/in_place_write.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <string>

#include "posix_files/posix_file.h"

namespace kv::file_store {

namespace {

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

// Still a regular file once opened: the name may have changed since it was looked at.
bool is_regular(int fd) {
    struct stat state {};
    return ::fstat(fd, &state) == 0 && S_ISREG(state.st_mode);
}

}  // namespace

std::error_code write_in_place(const SaveTarget& target, std::string_view bytes,
                               InterruptGuard& guard) {
    std::error_code error;
    Descriptor fd = open_file(target.path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW, 0, error);
    if (error) {
        return error;
    }
    if (!is_regular(fd.get())) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    std::string old;
    if ((error = read_whole(fd.get(), old))) {
        return error;
    }
    guard.watch_in_place(fd.get(), old);
    error = overwrite(fd.get(), bytes);
    if (error) {
        (void)overwrite(fd.get(), old);
    }
    guard.forget();
    // Once the data is on the disk, closing cannot lose it.
    (void)fd.close();
    return error;
}

}  // namespace kv::file_store
