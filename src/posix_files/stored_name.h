#pragma once

#include <string>

namespace kv::file_store {

// The name of a file as the file system stores it, for a name the person saw
// and chose in a toolkit that keeps names as Unicode text. Such a toolkit
// shows bytes that are not UTF-8 as U+FFFD; each part of the name that does
// not exist as shown is matched to the one entry of its folder that shows
// alike, so the choice reaches the file that was listed:
//   "boards/r\uFFFDg.txt", folder holds "r\xE9g.txt"   "boards/r\xE9g.txt"
// A part that exists as shown, or that shows like no entry or like several,
// stays as shown.
[[nodiscard]] std::string stored_name(const std::string& shown);

}  // namespace kv::file_store
