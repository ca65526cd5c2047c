#pragma once

#include <string_view>
#include <system_error>

#include "posix_files/interrupt_guard.h"
#include "posix_files/save_target.h"

namespace kv::file_store {

// Writes the bytes into the existing file itself, so that it keeps its owner,
// group, mode, ACL and attributes, every hard link and its place under a
// mount. The file's exclusive lock (flock) is held while it is written, so
// two saves never mix. The old bytes are read first and kept; when any step
// fails they are written back, so the file is byte for byte what it was. A
// file larger than any the program opens is not written. The new bytes go
// over the old ones before the file is cut to its new length: a failure never
// needs more room on the disk than the old file had.
[[nodiscard]] std::error_code write_in_place(const SaveTarget& target, std::string_view bytes,
                                             InterruptGuard& guard);

}  // namespace kv::file_store
