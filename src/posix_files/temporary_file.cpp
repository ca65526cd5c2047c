#include "posix_files/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

namespace kv::file_store {

namespace {

constexpr std::string_view kPrefix = ".kv2841a-";
constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kTagDigits = 16;
constexpr unsigned kPrivateMode = 0600;
constexpr unsigned kNewFileMode = 0666;  // narrowed by the umask, as any new file

std::string random_tag() {
    static std::random_device entropy;
    const std::uint64_t tag = (std::uint64_t{entropy()} << 32) | entropy();
    char digits[kTagDigits + 1];
    const auto end = std::to_chars(digits, digits + kTagDigits, tag, 16).ptr;
    return std::string(kTagDigits - static_cast<std::size_t>(end - digits), '0') +
           std::string(digits, end);
}

std::string new_name() {
    return std::string(kPrefix) + std::to_string(::getpid()) + "-" + random_tag() +
           std::string(kSuffix);
}

bool all_of(std::string_view text, bool (*digit)(char)) {
    for (const char c : text) {
        if (!digit(c)) {
            return false;
        }
    }
    return !text.empty();
}

// The process that made a temporary file of this program's naming.
std::optional<pid_t> maker_of(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || name.size() - dash - 1 != kTagDigits ||
        !all_of(name.substr(dash + 1), [](char c) { return std::isxdigit(c) != 0; }) ||
        !all_of(name.substr(0, dash), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    return error == std::errc{} && pid > 0 ? std::optional<pid_t>(pid) : std::nullopt;
}

bool is_stale(int folder, const char* name) {
    const std::optional<pid_t> maker = maker_of(name);
    struct stat state {};
    return maker && *maker != ::getpid() &&
           ::fstatat(folder, name, &state, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(state.st_mode) &&
           state.st_uid == ::geteuid() && ::kill(*maker, 0) != 0 && errno == ESRCH;
}

}  // namespace

Descriptor create_temporary(int folder, bool private_mode, std::string& name,
                            std::error_code& error) {
    for (;;) {
        name = new_name();
        Descriptor fd = open_file(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW,
                                  private_mode ? kPrivateMode : kNewFileMode, error);
        if (error != std::errc::file_exists) {
            return fd;
        }
    }
}

void remove_stale_temporaries(int folder) {
    std::error_code error;
    Descriptor listing = open_file(folder, ".", O_RDONLY | O_DIRECTORY, 0, error);
    DIR* entries = error ? nullptr : ::fdopendir(listing.get());
    if (entries == nullptr) {
        return;
    }
    (void)listing.release();
    while (const dirent* entry = ::readdir(entries)) {
        if (is_stale(folder, entry->d_name)) {
            (void)::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

}  // namespace kv::file_store
