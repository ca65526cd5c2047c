#include "posix_files/save_target.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string_view>
#include <vector>

#include "posix_files/file_store.h"
#include "posix_files/save_errors.h"

namespace kv::file_store {

namespace {

// As many links as the system itself follows in one name before it gives up.
constexpr int kMostLinks = 40;

TargetOrReason refused(std::error_code error) {
    return {std::nullopt, save_failure_reason(error)};
}

TargetOrReason refused(std::errc error) {
    return refused(std::make_error_code(error));
}

// A name's folder, opened, and its last part.
struct Place {
    Descriptor folder;
    std::string name;
};

bool names_a_folder(std::string_view last) {
    return last.empty() || last == "." || last == "..";
}

// Opens the folder of a name given relative to `base`. A name whose last part
// is itself a folder ("boards/", "..") is refused as a folder when it is one.
std::optional<Place> open_place(int base, const std::string& path, std::error_code& error) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    Descriptor fd =
        open_file(base, names_a_folder(name) ? path : folder, O_PATH | O_DIRECTORY, 0, error);
    if (error) {
        return std::nullopt;
    }
    if (names_a_folder(name)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    return Place{std::move(fd), std::move(name)};
}

// The name a link holds.
std::optional<std::string> link_text(const Place& link, std::error_code& error) {
    std::vector<char> buffer(PATH_MAX + 1);
    errno = 0;
    const ssize_t length =
        ::readlinkat(link.folder.get(), link.name.c_str(), buffer.data(), buffer.size());
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        error = length < 0 ? last_error() : std::make_error_code(std::errc::filename_too_long);
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// A link whose end the system reaches and finds neither a file nor a folder.
// Links of the system's own, such as /proc/self/fd/1 for a pipe, name no path
// that could be followed by hand.
bool ends_in_something_else(const Place& link) {
    struct stat end {};
    return ::fstatat(link.folder.get(), link.name.c_str(), &end, 0) == 0 && !S_ISREG(end.st_mode) &&
           !S_ISDIR(end.st_mode);
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

TargetOrReason find_save_target(const std::string& path) {
    std::error_code error;
    std::optional<Place> place = open_place(AT_FDCWD, path, error);
    for (int links = 0; place && links <= kMostLinks; ++links) {
        struct stat state {};
        errno = 0;
        if (::fstatat(place->folder.get(), place->name.c_str(), &state, AT_SYMLINK_NOFOLLOW) != 0) {
            error = last_error();
            if (error != std::errc::no_such_file_or_directory) {
                return refused(error);
            }
            return {SaveTarget{std::move(place->folder), std::move(place->name), std::nullopt}, {}};
        }
        if (S_ISREG(state.st_mode)) {
            return {SaveTarget{std::move(place->folder), std::move(place->name), state}, {}};
        }
        if (S_ISDIR(state.st_mode)) {
            return refused(std::errc::is_a_directory);
        }
        if (!S_ISLNK(state.st_mode) || ends_in_something_else(*place)) {
            return {std::nullopt, std::string(kNotRegularFile)};
        }
        const std::optional<std::string> next = link_text(*place, error);
        if (!next) {
            return refused(error);
        }
        place = open_place(place->folder.get(), *next, error);
    }
    return place ? refused(std::errc::too_many_symbolic_link_levels) : refused(error);
}

Descriptor open_existing(const SaveTarget& target, int flags, std::error_code& error) {
    Descriptor fd = open_file(target.folder.get(), target.name,
                              flags | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW, 0, error);
    if (error == std::errc::too_many_symbolic_link_levels) {
        error = SaveError::FileReplaced;
    }
    struct stat now {};
    if (!error && (::fstat(fd.get(), &now) != 0 || !same_file(now, *target.existing))) {
        error = SaveError::FileReplaced;
    }
    return error ? Descriptor() : std::move(fd);
}

bool still_there(const SaveTarget& target) {
    struct stat now {};
    const bool present =
        ::fstatat(target.folder.get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    return target.existing ? present && same_file(now, *target.existing)
                           : !present && errno == ENOENT;
}

}  // namespace kv::file_store
