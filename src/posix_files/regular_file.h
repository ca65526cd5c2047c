#pragma once

#include <cstddef>
#include <string>

#include "panel/platform.h"

namespace kv::file_read {

// Reads a whole regular file (or one a link points to) of at most `limit`
// bytes. A folder, a device, a pipe or a socket is refused before anything is
// read from it, and the file is opened without waiting, so a pipe without a
// writer or a terminal never blocks the program. A file that grows past the
// limit while it is read is refused too. Each refusal gives the reason for the
// person.
// The reason given for a file of more than `limit` bytes.
[[nodiscard]] std::string too_large_reason(std::size_t limit);

[[nodiscard]] ReadResult read_regular_file(const std::string& path,
                                           std::size_t limit = kLargestReadFile);

}  // namespace kv::file_read
