#include "posix_files/rename_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <random>

#include "posix_files/posix_file.h"

namespace kv::file_store {

namespace {

constexpr unsigned kNewFileMode = 0666;  // narrowed by the umask, as any new file
constexpr unsigned kModeBits = 07777;

// A hidden name in the folder that nothing else uses: creating it fails when
// the name is taken, so a clash only means another try.
Descriptor create_temporary(const std::string& folder, std::string& name, std::error_code& error) {
    static std::random_device entropy;
    for (;;) {
        const std::uint64_t tag = (std::uint64_t{entropy()} << 32) | entropy();
        name = folder + "/.kv2841a-" + std::to_string(tag) + ".tmp";
        Descriptor fd =
            open_file(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, kNewFileMode, error);
        if (error != std::errc::file_exists) {
            return fd;
        }
    }
}

// Errors that say the folder or the old name will not let a new file take the
// old one's place, while the old file itself may still be written.
bool another_way_may_work(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
           error == std::errc::device_or_resource_busy ||
           error == std::errc::read_only_file_system || error == std::errc::cross_device_link;
}

// Gives the new file the old one's owner, group and mode, in that order: a
// change of owner clears the setuid and setgid bits. True only when the file
// then carries exactly all three.
bool same_file_as(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 || ::fchmod(fd, old.st_mode & kModeBits) != 0) {
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
void sync_folder(const std::string& folder) {
    std::error_code ignored;
    const Descriptor fd = open_file(folder, O_RDONLY | O_DIRECTORY, 0, ignored);
    if (fd.valid()) {
        (void)sync(fd.get());
    }
}

RenameResult failed(RenameOutcome outcome, std::error_code error) {
    return {outcome, error};
}

}  // namespace

RenameResult replace_by_rename(const SaveTarget& target, std::string_view bytes,
                               InterruptGuard& guard) {
    const bool replacing = target.existing.has_value();
    std::string temporary;
    std::error_code error;
    Descriptor fd = create_temporary(target.folder, temporary, error);
    if (!fd.valid()) {
        const bool fallback = replacing && another_way_may_work(error);
        return failed(fallback ? RenameOutcome::NotPossible : RenameOutcome::Failed, error);
    }
    if (!guard.watch_temporary(temporary)) {
        ::unlink(temporary.c_str());
        return failed(RenameOutcome::Failed, std::make_error_code(std::errc::filename_too_long));
    }
    RenameResult result;
    if (replacing && !same_file_as(fd.get(), *target.existing)) {
        result = failed(RenameOutcome::NotPossible, {});
    } else if ((error = write_synced(fd, bytes))) {
        result = failed(RenameOutcome::Failed, error);
    } else if (::rename(temporary.c_str(), target.path.c_str()) != 0) {
        error = last_error();
        const bool fallback = replacing && another_way_may_work(error);
        result = failed(fallback ? RenameOutcome::NotPossible : RenameOutcome::Failed, error);
    }
    if (result.outcome != RenameOutcome::Written) {
        (void)fd.close();
        ::unlink(temporary.c_str());
    } else {
        sync_folder(target.folder);
    }
    guard.forget();
    return result;
}

}  // namespace kv::file_store
