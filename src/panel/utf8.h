#pragma once

#include <string>
#include <string_view>

namespace kv {

// Texts are UTF-8 in memory; carets and lengths count characters (code points),
// as a person sees them in a box.
[[nodiscard]] std::u32string to_utf32(std::string_view utf8);
[[nodiscard]] std::string to_utf8(std::u32string_view text);
[[nodiscard]] std::size_t utf8_length(std::string_view utf8);

// The byte-order mark, U+FEFF, and its bytes in UTF-8. Inside a text it is an
// invisible zero-width no-break space.
inline constexpr char32_t kByteOrderMark = 0xFEFF;
inline constexpr std::string_view kByteOrderMarkUtf8 = "\xEF\xBB\xBF";

// C0 and C1 control characters and DEL: TAB, CR and LF among them.
[[nodiscard]] constexpr bool is_control_character(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// What a person can type into a box: no control character (the Tab key moves
// the focus, Return types nothing) and no invisible byte-order mark.
[[nodiscard]] constexpr bool is_typeable(char32_t c) {
    return !is_control_character(c) && c != kByteOrderMark;
}

}  // namespace kv
