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
// old file's (open as `old_fd`) owner, group, extended attributes and ACL, and
// mode, pushes it to the disk and renames it over the target: a reader sees
// the old file or the whole new one, never a part. Until it has all of the
// old file's, the new file is open to its owner only. The temporary file never
// outlives a failure. NotPossible when the folder takes no new file, the
// owner, group, attributes or mode cannot be given (a setuid or setgid bit is
// never left on a file of another owner), or the target cannot be renamed
// over (a busy or bind-mounted file, a sticky folder). When the name no longer
// holds the file that was looked at, nothing is renamed over it.
[[nodiscard]] RenameResult replace_by_rename(const SaveTarget& target, int old_fd,
                                             std::string_view bytes, InterruptGuard& guard);

}  // namespace kv::file_store
