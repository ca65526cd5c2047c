#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "panel/platform.h"

// The file part of the platform on an ordinary desktop file system, for the
// desktop and batch programs to share.
namespace kv::file_store {

// True for an existing regular file (or a link to one) whose name does not
// start with "." (a hidden file). Folders, missing names and unreadable paths
// give false.
[[nodiscard]] bool plain_file_exists(const std::string& path);

// Writes the bytes to a new temporary file in the target's folder, pushes it to
// the disk, and only then renames it over the target: a reader sees the old
// file or the whole new one, never a part. On any failure an existing file is
// left as it was, the temporary file is removed, and the reason names the
// cause for the person. A link is followed: the file it points to is replaced.
[[nodiscard]] SaveResult save_file_atomically(const std::string& path, std::string_view bytes);

// The reason shown to the person for a system error met while saving.
[[nodiscard]] std::string save_failure_reason(std::error_code error);

}  // namespace kv::file_store
