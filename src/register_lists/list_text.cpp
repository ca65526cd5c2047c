#include "register_lists/list_text.h"

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

// TAB is the files' own separator.
bool is_control(char32_t c) {
    return c != '\t' && is_control_character(c);
}

std::string_view without_cr(std::string_view line) {
    return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
}

// The first `count` characters of a text, or none when it is shorter.
std::optional<std::string_view> first_characters(std::string_view text, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t n = 0; n < count; ++n) {
        if (bytes >= text.size()) {
            return std::nullopt;
        }
        const auto lead = static_cast<unsigned char>(text[bytes]);
        bytes += lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    }
    return text.substr(0, std::min(bytes, text.size()));
}

// The pieces when characters 1 and 2-3 of the text have these lengths: the
// text between the separators ",0x" must be exactly that long.
std::optional<CPieces> pieces_of(std::string_view inner, std::size_t first, std::size_t second) {
    const auto p1 = first_characters(inner, first);
    if (!p1 || !starts_with_no_case(inner.substr(p1->size()), ",0x")) {
        return std::nullopt;
    }
    const std::string_view rest = inner.substr(p1->size() + 3);
    const auto p2 = first_characters(rest, second);
    if (!p2 || !starts_with_no_case(rest.substr(p2->size()), ",0x")) {
        return std::nullopt;
    }
    const std::string_view p3 = rest.substr(p2->size() + 3);
    const std::size_t third = utf8_length(p3);
    if (third > 2 || (first < 1 && second + third > 0) || (second < 2 && third > 0)) {
        return std::nullopt;
    }
    return CPieces{std::string(*p1) + std::string(*p2) + std::string(p3),
                   first == 1 && second == 2 && third == 2};
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

bool is_spaces_and_tabs(std::string_view text) {
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

// Valid UTF-8 is what decoding and encoding again gives back unchanged.
bool is_printable(std::string_view line) {
    const std::u32string text = to_utf32(line);
    return to_utf8(text) == line && std::none_of(text.begin(), text.end(), is_control);
}

std::vector<std::string_view> numbered_lines(std::string_view bytes) {
    std::vector<std::string_view> lines = split(bytes, '\n');
    for (std::string_view& line : lines) {
        line = without_cr(line);
    }
    return lines;
}

std::vector<std::string_view> text_lines(std::string_view bytes) {
    std::vector<std::string_view> lines = numbered_lines(bytes);
    while (!lines.empty() && is_spaces_and_tabs(lines.back())) {
        lines.pop_back();
    }
    return lines;
}

// A text of commas or "0x" can be read more than one way; the longest pieces,
// as a five-character word gives them, are tried first.
std::optional<CPieces> c_pieces(std::string_view items) {
    if (!starts_with_no_case(items, "0x0") || !items.ends_with(',')) {
        return std::nullopt;
    }
    const std::string_view inner = items.substr(3, items.size() - 4);
    for (const std::size_t first : {1, 0}) {
        for (const std::size_t second : {2, 1, 0}) {
            if (auto pieces = pieces_of(inner, first, second)) {
                return pieces;
            }
        }
    }
    return std::nullopt;
}

}  // namespace kv
