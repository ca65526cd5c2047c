#pragma once

#include <system_error>
#include <type_traits>

namespace kv::file_store {

// Why a save stops that no system call tells: each has its reason for the
// person, given by save_failure_reason.
enum class SaveError {
    // The name was given to another file, or to a link, after it was looked at.
    FileReplaced = 1,
    // A file to be written in place is far larger than any register list: its
    // old bytes are not kept to be put back.
    TooLargeToWriteInPlace,
};

[[nodiscard]] std::error_code make_error_code(SaveError error);

}  // namespace kv::file_store

template <>
struct std::is_error_code_enum<kv::file_store::SaveError> : std::true_type {};
