#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "panel/platform.h"

// The file part of the platform on a POSIX file system, for the desktop and
// batch programs to share.
namespace kv::file_store {

// The reason given for a name whose links end in something other than a
// regular file or a folder: a device, a FIFO, a socket.
inline constexpr std::string_view kNotRegularFile = "不是普通文件";
// The reason given, for opening and saving alike, for a name whose links go
// round in a loop or are more than the system follows.
inline constexpr std::string_view kLinkLoop = "链接过多或链接形成循环";

// True when the name, followed through its links, is an existing regular
// file, hidden files included. Folders, devices, missing names, dangling links
// and unreadable paths give false.
[[nodiscard]] bool plain_file_exists(const std::string& path);

// Saves the bytes at the name without harming what stands there:
// - the name is followed through its links and the file at their end is
//   written; every link stays a link, and a dangling link gets its file;
// - a folder, device, FIFO, socket or link loop there is refused, and nothing
//   is written;
// - an existing file the person may not write to is refused;
// - a file is replaced by a complete new one renamed over it only when the new
//   one can be made the same file: same owner, group, mode, ACL and extended
//   attributes, one link. Otherwise the bytes go into the file itself, under
//   its exclusive lock, and on any failure its old bytes are put back; a file
//   larger than any the program opens is not written in place;
// - each folder on the way is opened once and every step is taken through
//   it, so a folder swapped for a link while the save runs cannot send any
//   part of it elsewhere; a name given to another file meanwhile is refused;
// - on every failure, when a write passes the system's limit on a file's
//   size, and when the program is ended by SIGTERM, SIGINT or SIGHUP during
//   the save, an existing file is byte for byte what it was and no temporary
//   file is left. Temporary files left by this user's killed saves in the
//   folder are removed.
// The reason of a failure names the cause for the person.
[[nodiscard]] SaveResult save_file_safely(const std::string& path, std::string_view bytes);

// The reason shown to the person for a system error met while saving.
[[nodiscard]] std::string save_failure_reason(std::error_code error);

}  // namespace kv::file_store
