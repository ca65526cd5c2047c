#pragma once

#include <string>
#include <string_view>

namespace kv {

// Texts are UTF-8 in memory; carets and lengths count characters (code points),
// as a person sees them in a box.
[[nodiscard]] std::u32string to_utf32(std::string_view utf8);
[[nodiscard]] std::string to_utf8(std::u32string_view text);
[[nodiscard]] std::size_t utf8_length(std::string_view utf8);

}  // namespace kv
