#include "files/file_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

namespace kv::file_store {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNoFolder = "文件夹不存在";
constexpr std::string_view kTargetIsFolder = "同名的文件夹已经存在";
constexpr std::string_view kNoName = "没有给出文件名";

SaveResult failure(std::string_view reason) {
    return {false, std::string(reason)};
}

std::error_code last_error() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Where the bytes finally go: through a link to the file it names, so that
// saving does not turn the person's link into a plain file.
fs::path resolved_target(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    const fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

fs::path folder_of(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// A hidden name in the target's folder that nothing else uses. A name whose
// state cannot be read is taken too: creating the file then tells why.
fs::path temporary_name(const fs::path& folder) {
    static std::random_device entropy;
    for (;;) {
        const std::uint64_t tag = (std::uint64_t{entropy()} << 32) | entropy();
        fs::path candidate = folder / (".kv2841a-" + std::to_string(tag) + ".tmp");
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) {
            return candidate;
        }
    }
}

// The standard library cannot ask the system to put a file's data on the disk;
// without it a power cut soon after the rename could leave an empty file on
// some file systems. fsync works on any descriptor of the file.
std::error_code flush_to_disk(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return last_error();
    }
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    const std::error_code error = result != 0 ? last_error() : std::error_code{};
    ::close(fd);
    return error;
}

std::error_code write_whole(const fs::path& file, std::string_view bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return last_error();
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return last_error();
    }
    out.close();
    if (out.fail()) {
        return last_error();
    }
    return flush_to_disk(file);
}

// A replaced file keeps its permissions. Failing to copy them does not spoil
// the saved bytes, so it is not a failure of the save.
void keep_permissions(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status old = fs::status(from, error);
    if (!error && fs::is_regular_file(old)) {
        fs::permissions(to, old.permissions(), error);
    }
}

// Why the target cannot be written, or nothing when it can be tried. A file
// the person may not write to stays protected, although the folder would let
// it be replaced; opening it for appending writes nothing.
std::optional<std::string> target_problem(const fs::path& folder, const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::is_directory(status)) {
        return error ? save_failure_reason(error) : std::string(kNoFolder);
    }
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_directory(existing)) {
        return std::string(kTargetIsFolder);
    }
    if (fs::is_regular_file(existing)) {
        errno = 0;
        if (!std::ofstream(target, std::ios::binary | std::ios::app)) {
            return save_failure_reason(last_error());
        }
    }
    return std::nullopt;
}

}  // namespace

bool plain_file_exists(const std::string& path) {
    const fs::path file(path);
    if (file.filename().string().starts_with('.')) {
        return false;
    }
    std::error_code error;
    return fs::is_regular_file(file, error);
}

SaveResult save_file_atomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return failure(kNoName);
    }
    const fs::path target = resolved_target(path);
    const fs::path folder = folder_of(target);
    if (const auto problem = target_problem(folder, target)) {
        return failure(*problem);
    }
    const fs::path temporary = temporary_name(folder);
    std::error_code error = write_whole(temporary, bytes);
    if (!error) {
        keep_permissions(target, temporary);
        fs::rename(temporary, target, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failure(save_failure_reason(error));
    }
    return {true, {}};
}

std::string save_failure_reason(std::error_code error) {
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        return std::string(kNoFolder);
    }
    if (error == std::errc::is_a_directory) {
        return std::string(kTargetIsFolder);
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "没有写入权限";
    }
    if (error == std::errc::read_only_file_system) {
        return "磁盘为只读";
    }
    if (error == std::errc::no_space_on_device) {
        return "磁盘空间不足";
    }
    if (error == std::errc::file_too_large) {
        return "文件超出系统允许的大小";
    }
    if (error == std::errc::filename_too_long) {
        return "文件名太长";
    }
    return "系统错误（" + error.message() + "）";
}

}  // namespace kv::file_store
