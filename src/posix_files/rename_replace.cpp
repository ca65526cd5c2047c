#include "posix_files/rename_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include "posix_files/extended_attributes.h"
#include "posix_files/posix_file.h"
#include "posix_files/save_errors.h"
#include "posix_files/temporary_file.h"

namespace kv::file_store {

namespace {

constexpr unsigned kModeBits = 07777;

// Errors that say the folder or the old name will not let a new file take the
// old one's place, while the old file itself may still be written.
bool another_way_may_work(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::device_or_resource_busy ||
           error == std::errc::read_only_file_system || error == std::errc::cross_device_link;
}

// Gives the new file the old one's owner and group, then its extended
// attributes (a change of owner drops some), then its mode (a change of owner
// clears the setuid and setgid bits). True only when the file then carries
// exactly all of them.
bool same_file_as(int fd, int old_fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 || !copy_extended_attributes(old_fd, fd) ||
        ::fchmod(fd, old.st_mode & kModeBits) != 0) {
        return false;
    }
    struct stat now {};
    return ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
           (now.st_mode & kModeBits) == (old.st_mode & kModeBits);
}

std::error_code write_synced(Descriptor& fd, std::string_view bytes) {
    std::error_code error = write_at(fd.get(), bytes, 0);
    if (!error) {
        error = sync(fd.get());
    }
    const std::error_code closing = fd.close();
    return error ? error : closing;
}

// Puts the rename itself on the disk too; a failure here loses nothing.
void sync_folder(int folder) {
    std::error_code ignored;
    const Descriptor fd = open_file(folder, ".", O_RDONLY | O_DIRECTORY, 0, ignored);
    if (fd.valid()) {
        (void)sync(fd.get());
    }
}

RenameResult failed(RenameOutcome outcome, std::error_code error) {
    return {outcome, error};
}

RenameResult rename_failure(bool replacing, std::error_code error) {
    const bool fallback = replacing && another_way_may_work(error);
    return failed(fallback ? RenameOutcome::NotPossible : RenameOutcome::Failed, error);
}

}  // namespace

RenameResult replace_by_rename(const SaveTarget& target, int old_fd, std::string_view bytes,
                               InterruptGuard& guard) {
    const bool replacing = target.existing.has_value();
    const int folder = target.folder.get();
    std::string temporary;
    std::error_code error;
    Descriptor fd = create_temporary(folder, replacing, temporary, error);
    if (!fd.valid()) {
        return rename_failure(replacing, error);
    }
    guard.watch_temporary(folder, temporary);
    RenameResult result;
    if (replacing && !same_file_as(fd.get(), old_fd, *target.existing)) {
        result = failed(RenameOutcome::NotPossible, {});
    } else if ((error = write_synced(fd, bytes))) {
        result = failed(RenameOutcome::Failed, error);
    } else if (!still_there(target)) {
        result = failed(RenameOutcome::Failed, SaveError::FileReplaced);
    } else if (::renameat(folder, temporary.c_str(), folder, target.name.c_str()) != 0) {
        result = rename_failure(replacing, last_error());
    }
    if (result.outcome != RenameOutcome::Written) {
        (void)fd.close();
        ::unlinkat(folder, temporary.c_str(), 0);
    } else {
        sync_folder(folder);
    }
    guard.forget();
    return result;
}

}  // namespace kv::file_store
