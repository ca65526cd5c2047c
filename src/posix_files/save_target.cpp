#include "posix_files/save_target.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <vector>

#include "posix_files/file_store.h"
#include "posix_files/posix_file.h"

namespace kv::file_store {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows in one name before it gives up.
constexpr int kMostLinks = 40;

TargetOrReason refused(std::error_code error) {
    return {std::nullopt, save_failure_reason(error)};
}

TargetOrReason refused(std::errc error) {
    return refused(std::make_error_code(error));
}

std::string folder_of(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path().string() : std::string(".");
}

// The name a link holds, read relative to the link's own folder.
std::optional<fs::path> link_target(const fs::path& link, std::error_code& error) {
    std::vector<char> buffer(PATH_MAX + 1);
    errno = 0;
    const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        error = length < 0 ? last_error() : std::make_error_code(std::errc::filename_too_long);
        return std::nullopt;
    }
    const fs::path named(std::string(buffer.data(), static_cast<std::size_t>(length)));
    return named.is_absolute() ? named : link.parent_path() / named;
}

// A link whose end the system reaches and finds neither a file nor a folder.
// Links of the system's own, such as /proc/self/fd/1 for a pipe, name no path
// that could be followed by hand.
bool ends_in_something_else(const fs::path& link) {
    struct stat end {};
    return ::stat(link.c_str(), &end) == 0 && !S_ISREG(end.st_mode) && !S_ISDIR(end.st_mode);
}

// A name with nothing there: it can be created when its folder is a folder.
TargetOrReason new_file(const fs::path& path) {
    SaveTarget target{path.string(), folder_of(path), std::nullopt};
    struct stat folder {};
    errno = 0;
    if (::stat(target.folder.c_str(), &folder) != 0) {
        return refused(last_error());
    }
    if (!S_ISDIR(folder.st_mode)) {
        return refused(std::errc::not_a_directory);
    }
    return {std::move(target), {}};
}

}  // namespace

TargetOrReason find_save_target(const std::string& path) {
    fs::path current(path);
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat state {};
        errno = 0;
        if (::lstat(current.c_str(), &state) != 0) {
            const std::error_code error = last_error();
            return error == std::errc::no_such_file_or_directory ? new_file(current)
                                                                 : refused(error);
        }
        if (S_ISREG(state.st_mode)) {
            return {SaveTarget{current.string(), folder_of(current), state}, {}};
        }
        if (S_ISDIR(state.st_mode)) {
            return refused(std::errc::is_a_directory);
        }
        if (!S_ISLNK(state.st_mode) || ends_in_something_else(current)) {
            return {std::nullopt, std::string(kNotRegularFile)};
        }
        std::error_code error;
        const auto next = link_target(current, error);
        if (!next) {
            return refused(error);
        }
        current = *next;
    }
    return refused(std::errc::too_many_symbolic_link_levels);
}

}  // namespace kv::file_store
