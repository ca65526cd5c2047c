#pragma once

#include <string_view>
#include <system_error>

#include "posix_files/interrupt_guard.h"
#include "posix_files/save_target.h"

namespace kv::file_store {

enum class RenameOutcome {
    Written,      // the target now holds the new bytes
    Failed,       // nothing changed; the error says why
    NotPossible,  // a new file could not be made the same file as the old one
};

struct RenameResult {
    RenameOutcome outcome = RenameOutcome::Written;
    std::error_code error;
};

// Writes the bytes to a new hidden file in the target's folder, gives it the
// old file's owner, group and mode, pushes it to the disk and renames it over
// the target: a reader sees the old file or the whole new one, never a part.
// The temporary file never outlives a failure. NotPossible when the folder
// takes no new file, the owner, group or mode cannot be given (a setuid or
// setgid bit is never left on a file of another owner), or the target cannot
// be renamed over (a busy or bind-mounted file, a sticky folder).
[[nodiscard]] RenameResult replace_by_rename(const SaveTarget& target, std::string_view bytes,
                                             InterruptGuard& guard);

}  // namespace kv::file_store
