#pragma once

#include <string>

#include "posix_files/posix_file.h"

namespace kv::file_store {

// A save's temporary file is hidden in the folder of the file it replaces and
// named after the program and the process that made it:
//   ".kv2841a-4711-9f3c2a1b0d4e5f60.tmp"   process 4711, a random tag
// so that a later save can tell a file left by a killed save from one that a
// living save is still writing.

// Creates a new temporary file in the folder, readable and writable by its
// owner only when `private_mode`, else with the mode of any new file; its
// name goes into `name`.
[[nodiscard]] Descriptor create_temporary(int folder, bool private_mode, std::string& name,
                                          std::error_code& error);

// Removes the temporary files in the folder that saves of this user left when
// they were killed: regular files of this program's naming, owned by this
// user, whose process is gone. Anything else stays, and a folder that cannot
// be read is left as it is.
void remove_stale_temporaries(int folder);

}  // namespace kv::file_store
