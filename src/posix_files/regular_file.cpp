#include "posix_files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "posix_files/file_store.h"

namespace kv::file_read {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

ReadResult refused(std::string reason) {
    return {false, {}, std::move(reason)};
}

std::string reason_of(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "文件不存在";
        case EACCES:
        case EPERM:
            return "没有读取权限";
        case EISDIR:
            return "这是一个文件夹";
        case ENAMETOOLONG:
            return "文件名太长";
        case ELOOP:
            return std::string(file_store::kLinkLoop);
        default:
            return "系统错误（" + std::generic_category().message(error) + "）";
    }
}

// Why a file of this kind and size is not read, or nothing when it may be.
std::string problem_of(const struct stat& info, std::size_t limit) {
    if (S_ISDIR(info.st_mode)) {
        return reason_of(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return "不是普通文件（设备、管道或套接字）";
    }
    if (static_cast<unsigned long long>(info.st_size) > limit) {
        return too_large_reason(limit);
    }
    return {};
}

// Reads to the end, one byte past the limit at most.
ReadResult read_all(int fd, std::size_t limit) {
    std::string bytes;
    char chunk[kChunk];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refused(reason_of(errno));
        }
        if (got == 0) {
            return {true, std::move(bytes), {}};
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            return refused(too_large_reason(limit));
        }
    }
}

}  // namespace

std::string too_large_reason(std::size_t limit) {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    return limit % kMiB == 0 ? "文件大于" + std::to_string(limit / kMiB) + " MiB"
                             : "文件大于" + std::to_string(limit) + "字节";
}

ReadResult read_regular_file(const std::string& path, std::size_t limit) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return refused(reason_of(errno));
    }
    if (std::string problem = problem_of(info, limit); !problem.empty()) {
        return refused(std::move(problem));
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return refused(reason_of(errno));
    }
    // The name may have been given to another file since it was looked at.
    ReadResult result;
    if (::fstat(fd, &info) != 0) {
        result = refused(reason_of(errno));
    } else if (std::string problem = problem_of(info, limit); !problem.empty()) {
        result = refused(std::move(problem));
    } else {
        result = read_all(fd, limit);
    }
    ::close(fd);
    return result;
}

}  // namespace kv::file_read
