#include "posix_files/stored_name.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>
#include <string_view>

#include "panel/utf8.h"

namespace kv::file_store {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A name as a toolkit shows it, every run of replacement characters taken as
// one: toolkits differ in how many they show for a run of bytes that are not
// UTF-8.
std::u32string shown_form(std::string_view name) {
    std::u32string out;
    for (const char32_t c : to_utf32(name)) {
        if (c != kReplacement || out.empty() || out.back() != kReplacement) {
            out.push_back(c);
        }
    }
    return out;
}

bool exists(const std::string& path) {
    struct stat state {};
    return ::lstat(path.c_str(), &state) == 0;
}

// The one entry of the folder that shows as `part`.
std::optional<std::string> entry_shown_as(const std::string& folder, std::string_view part) {
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr) {
        return std::nullopt;
    }
    const std::u32string wanted = shown_form(part);
    std::optional<std::string> found;
    int matches = 0;
    while (const dirent* entry = ::readdir(entries)) {
        if (shown_form(entry->d_name) == wanted) {
            found = entry->d_name;
            ++matches;
        }
    }
    ::closedir(entries);
    return matches == 1 ? found : std::nullopt;
}

std::string stored_part(const std::string& folder, const std::string& part) {
    if (shown_form(part).find(kReplacement) == std::u32string::npos || exists(folder + part)) {
        return part;
    }
    return entry_shown_as(folder, part).value_or(part);
}

}  // namespace

std::string stored_name(const std::string& shown) {
    std::string stored;
    std::size_t start = 0;
    for (std::size_t slash = shown.find('/'); slash != std::string::npos;
         start = slash + 1, slash = shown.find('/', start)) {
        stored += stored_part(stored, shown.substr(start, slash - start)) + "/";
    }
    return stored + stored_part(stored, shown.substr(start));
}

}  // namespace kv::file_store
