#include "posix_files/extended_attributes.h"

#include <sys/types.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace kv::file_store {

namespace {

// Asks a size-then-fill call of the system for its whole answer: the size may
// grow between the two calls, so it asks again when the room was too small.
template <typename Call>
std::optional<std::string> whole_answer(Call call) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string answer(static_cast<std::size_t>(size), '\0');
        const ssize_t got = call(answer.data(), answer.size());
        if (got >= 0) {
            answer.resize(static_cast<std::size_t>(got));
            return answer;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

// The names of the file's extended attributes; none where the file system
// keeps none.
std::optional<std::vector<std::string>> names_of(int fd) {
    const auto list =
        whole_answer([fd](char* room, std::size_t size) { return ::flistxattr(fd, room, size); });
    if (!list) {
        return errno == ENOTSUP ? std::optional(std::vector<std::string>{}) : std::nullopt;
    }
    std::vector<std::string> names;
    for (std::size_t at = 0; at < list->size();) {
        const std::size_t end = std::min(list->find('\0', at), list->size());
        names.push_back(list->substr(at, end - at));
        at = end + 1;
    }
    return names;
}

bool copy_one(int from, int to, const std::string& name) {
    const auto value = whole_answer([from, &name](char* room, std::size_t size) {
        return ::fgetxattr(from, name.c_str(), room, size);
    });
    return value && ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) == 0;
}

}  // namespace

bool copy_extended_attributes(int from, int to) {
    const auto wanted = names_of(from);
    const auto present = names_of(to);
    if (!wanted || !present) {
        return false;
    }
    for (const std::string& name : *present) {
        if (std::find(wanted->begin(), wanted->end(), name) == wanted->end() &&
            ::fremovexattr(to, name.c_str()) != 0) {
            return false;
        }
    }
    return std::all_of(wanted->begin(), wanted->end(),
                       [&](const std::string& name) { return copy_one(from, to, name); });
}

}  // namespace kv::file_store
