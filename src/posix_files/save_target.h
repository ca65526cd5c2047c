#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

namespace kv::file_store {

// Where a save writes: the name the person chose, followed through every link
// to the name at their end. Links stay links; the file they name is written.
//   "regs.txt" -> "boards/a.txt" (missing)   target "boards/a.txt", nothing there yet
//   "regs.txt" (a FIFO)                       refused: not a regular file
struct SaveTarget {
    std::string path;                     // the name at the end of the links
    std::string folder;                   // the folder that holds it
    std::optional<struct stat> existing;  // the regular file there, if any
};

struct TargetOrReason {
    std::optional<SaveTarget> target;
    std::string reason;  // why nothing can be written there, for the person
};

[[nodiscard]] TargetOrReason find_save_target(const std::string& path);

}  // namespace kv::file_store
