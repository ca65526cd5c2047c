#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <system_error>

#include "posix_files/posix_file.h"

namespace kv::file_store {

// Where a save writes: the name the person chose, followed through every link
// to the name at their end. Links stay links; the file they name is written.
//   "regs.txt" -> "boards/a.txt" (missing)   boards/, "a.txt", nothing there yet
//   "regs.txt" (a FIFO)                       refused: not a regular file
// Each folder on the way is opened once and every later step is taken
// through it, so another user who swaps a folder of the name for a link while
// the save runs cannot send part of the save elsewhere.
struct SaveTarget {
    Descriptor folder;                    // the folder that holds the file, held open
    std::string name;                     // the file's name in that folder
    std::optional<struct stat> existing;  // the regular file there, if any
};

struct TargetOrReason {
    std::optional<SaveTarget> target;
    std::string reason;  // why nothing can be written there, for the person
};

[[nodiscard]] TargetOrReason find_save_target(const std::string& path);

// Opens the existing file of the target, never through a link, and only when
// it is still the file that was looked at: otherwise FileReplaced.
[[nodiscard]] Descriptor open_existing(const SaveTarget& target, int flags, std::error_code& error);

// True when the target's name still holds the file that was looked at.
[[nodiscard]] bool still_there(const SaveTarget& target);

}  // namespace kv::file_store
