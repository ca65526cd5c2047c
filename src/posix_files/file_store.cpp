#include "posix_files/file_store.h"

#include <fcntl.h>

#include "posix_files/in_place_write.h"
#include "posix_files/interrupt_guard.h"
#include "posix_files/posix_file.h"
#include "posix_files/rename_replace.h"
#include "posix_files/save_target.h"
#include "posix_files/temporary_file.h"

namespace kv::file_store {

namespace {

constexpr std::string_view kNoName = "没有给出文件名";

SaveResult failure(std::string reason) {
    return {false, std::move(reason)};
}

SaveResult outcome(std::error_code error) {
    return error ? failure(save_failure_reason(error)) : SaveResult{true, {}};
}

}  // namespace

bool plain_file_exists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const TargetOrReason found = find_save_target(path);
    return found.target && found.target->existing;
}

SaveResult save_file_safely(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        return failure(std::string(kNoName));
    }
    const TargetOrReason found = find_save_target(path);
    if (!found.target) {
        return failure(found.reason);
    }
    const SaveTarget& target = *found.target;
    remove_stale_temporaries(target.folder.get());
    // A file the person may not write to stays as it is, although its folder
    // might let it be replaced; a file the system is running is busy. Opening
    // it for writing, without truncating, changes nothing.
    std::error_code error;
    const Descriptor old = target.existing ? open_existing(target, O_WRONLY, error) : Descriptor();
    if (error) {
        return outcome(error);
    }
    InterruptGuard guard;
    if (!target.existing || target.existing->st_nlink == 1) {
        const RenameResult renamed = replace_by_rename(target, old.get(), bytes, guard);
        if (renamed.outcome != RenameOutcome::NotPossible) {
            return outcome(renamed.error);
        }
    }
    return outcome(write_in_place(target, bytes, guard));
}

}  // namespace kv::file_store
