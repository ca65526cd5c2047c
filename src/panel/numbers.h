#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The numeric value of a control text: blanks are skipped, then an optional
// sign, digits, "." as the decimal point in every locale and an optional
// exponent; reading stops at the first character that cannot continue the
// number. A leading &H or &O reads a hexadecimal or octal integer. A text
// without a number reads as 0; a number too large for a double reads as an
// infinity of its sign.
//   "12.9abc" -> 12.9    " 1 2" -> 12    "&H1F" -> 31    "abc" -> 0    "" -> 0
[[nodiscard]] double text_value(std::string_view text);

// A number as a box shows it: the shortest decimal form with at most 15
// significant digits, no trailing zeros, "." as the decimal point, and the
// exponent form below 1E-04 or from 1E+15 on.
//   12.5 -> "12.5"   200 -> "200"   1.9073540897807106e-06 -> "1.90735408978071E-06"
[[nodiscard]] std::string number_text(double value);

// The same form with at most max_significant digits, rounded (not cut).
[[nodiscard]] std::string number_text(double value, int max_significant);

// The number text of a value that fits into max_chars characters, rounded to
// fewer digits as needed; the sign and the exponent are never dropped.
//   1.9073540897807106, 9 -> "1.9073541"   -1.2345678e-7, 9 -> "-1.23E-07"
[[nodiscard]] std::string fitted_number_text(double value, std::size_t max_chars);

// An integer as plain decimal text: 31 -> "31".
[[nodiscard]] std::string integer_text(std::int64_t value);

// The word form of a register value: five upper-case hexadecimal digits,
// zero-filled on the left (0x11D5 -> "011D5"). A value outside 0..FFFFF has no
// word form and is refused (empty result); nothing may write it.
[[nodiscard]] std::optional<std::string> hex5(std::int64_t value);

inline constexpr std::int64_t kLargestWord = 0xFFFFF;

}  // namespace kv
