#include "files/list_text.h"

#include <algorithm>
#include <cctype>

#include "panel/utf8.h"

namespace kv {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool is_hex_digit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// C0 and C1 control characters and DEL; TAB is the files' own separator.
bool is_control(char32_t c) {
    return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F);
}

// A line is printable when it is valid UTF-8 (decoding and encoding it again
// gives the same bytes) and holds no control character.
bool printable(std::string_view line) {
    const std::u32string text = to_utf32(line);
    return to_utf8(text) == line && std::none_of(text.begin(), text.end(), is_control);
}

std::string_view without_cr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

// Bytes of the UTF-8 character that starts with this byte (the text is valid).
std::size_t character_bytes(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    return byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

// Takes up to `limit` characters of a piece; the rest must open with `next`.
struct Cut {
    std::string_view piece;
    std::string_view rest;
};

std::optional<Cut> cut_piece(std::string_view text, std::size_t limit, std::string_view next) {
    std::size_t bytes = 0;
    for (std::size_t characters = 0; characters <= limit; ++characters) {
        const std::string_view rest = text.substr(bytes);
        if (starts_with_no_case(rest, next)) {
            return Cut{text.substr(0, bytes), rest.substr(next.size())};
        }
        if (rest.empty()) {
            return std::nullopt;
        }
        bytes = std::min(text.size(), bytes + character_bytes(rest.front()));
    }
    return std::nullopt;
}

}  // namespace

std::string hex_index(std::size_t n) {
    return {kHexDigits[(n >> 4) & 0xF], kHexDigits[n & 0xF]};
}

bool is_word(std::string_view text) {
    return text.size() == 5 && std::all_of(text.begin(), text.end(), is_hex_digit);
}

std::string register_text(std::string_view text) {
    const std::size_t end = text.find_last_not_of(kBlanks);
    const std::string_view word = end == std::string_view::npos ? "" : text.substr(0, end + 1);
    if (!is_word(word)) {
        return std::string(text);
    }
    std::string out(word);
    std::transform(out.begin(), out.end(), out.begin(), upper);
    return out;
}

long hex_value(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), is_hex_digit)) {
        return -1;
    }
    long value = 0;
    for (char c : digits) {
        value = value * 16 + static_cast<long>(kHexDigits.find(upper(c)));
    }
    return value;
}

bool is_blank(std::string_view text) {
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

std::string_view trim_blanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool starts_with_no_case(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return upper(a) == upper(b); });
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

int first_unprintable_line(std::string_view bytes) {
    const std::vector<std::string_view> lines = split(bytes, '\n');
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (!printable(without_cr(lines[n]))) {
            return static_cast<int>(n) + 1;
        }
    }
    return 0;
}

std::vector<std::string_view> text_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    for (std::string_view line : split(bytes, '\n')) {
        lines.push_back(without_cr(line));
    }
    while (!lines.empty() && is_blank(lines.back())) {
        lines.pop_back();
    }
    return lines;
}

// The pieces are cut from the front: character 1 up to ",0x", characters 2-3
// up to the next ",0x", characters 4-5 up to the closing comma. A piece that
// falls short ends the text, so the pieces after it are empty.
std::optional<CPieces> c_pieces(std::string_view items) {
    if (!starts_with_no_case(items, "0x0") || !items.ends_with(',')) {
        return std::nullopt;
    }
    const auto first = cut_piece(items.substr(3), 1, ",0x");
    const auto second = first ? cut_piece(first->rest, 2, ",0x") : std::nullopt;
    const auto third = second ? cut_piece(second->rest, 2, ",") : std::nullopt;
    if (!third || !third->rest.empty()) {
        return std::nullopt;
    }
    const std::size_t lengths[] = {utf8_length(first->piece), utf8_length(second->piece),
                                   utf8_length(third->piece)};
    if ((lengths[0] < 1 && lengths[1] + lengths[2] > 0) || (lengths[1] < 2 && lengths[2] > 0)) {
        return std::nullopt;
    }
    return CPieces{
        std::string(first->piece) + std::string(second->piece) + std::string(third->piece),
        lengths[0] == 1 && lengths[1] == 2 && lengths[2] == 2};
}

}  // namespace kv
