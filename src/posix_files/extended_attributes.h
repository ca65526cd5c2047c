#pragma once

namespace kv::file_store {

// Gives the file `to` exactly the extended attributes of the file `from`, its
// ACL (system.posix_acl_access) among them: each of them with its value, and
// no other, so an ACL taken from the folder's default is dropped. False when
// any of them cannot be read, set or dropped. A file system without extended
// attributes has none to carry.
[[nodiscard]] bool copy_extended_attributes(int from, int to);

}  // namespace kv::file_store
