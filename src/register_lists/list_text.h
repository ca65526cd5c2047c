#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small text helpers of the register list files, shared by writing and reading.
namespace kv {

// Two upper-case hex digits of a register index, as the C list numbers its lines.
[[nodiscard]] std::string hex_index(std::size_t n);

// True for exactly five hex digits, in either case: a register word.
[[nodiscard]] bool is_word(std::string_view text);

// A text read from a file as a register's text: blanks after a word belong to
// the file, not the word, and a word takes its upper-case form; any other text
// stays exactly as it stands.   "0fb00  " -> "0FB00"   "abc " -> "abc "
[[nodiscard]] std::string register_text(std::string_view text);

// The value of one to two hex digits; -1 for anything else.
[[nodiscard]] long hex_value(std::string_view digits);

// True for an empty text and one of spaces and TABs alone.
[[nodiscard]] bool is_spaces_and_tabs(std::string_view text);
// Without the blanks (spaces and TABs) at both ends.
[[nodiscard]] std::string_view trim_blanks(std::string_view text);
[[nodiscard]] bool starts_with_no_case(std::string_view text, std::string_view prefix);
[[nodiscard]] std::vector<std::string_view> split(std::string_view text, char separator);

// True for a line (without its line end) of printable text: valid UTF-8 and
// no control character but TAB.
[[nodiscard]] bool is_printable(std::string_view line);

// The lines of a text as they are numbered, each without its line end (LF or
// CR LF); a CR not followed by LF stays in its line.
[[nodiscard]] std::vector<std::string_view> numbered_lines(std::string_view bytes);

// The lines that hold the text: as above, but a final line end and blank
// lines at the end are no lines.
[[nodiscard]] std::vector<std::string_view> text_lines(std::string_view bytes);

// The text a C list line carries after its index item, "0x0" + character 1,
// "0x" + characters 2-3, "0x" + characters 4-5, each item closed by a comma:
//   "0x09,0x96,0x5E,"  -> "9965E", full     "0x0a,0xbc,0x,"  -> "abc", not full
// full: every piece has all its characters, so the text may have gone on.
struct CPieces {
    std::string text;
    bool full = false;
};
[[nodiscard]] std::optional<CPieces> c_pieces(std::string_view items);

}  // namespace kv
