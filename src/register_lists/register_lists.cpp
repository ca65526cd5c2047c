#include "register_lists/register_lists.h"

#include <cstddef>
#include <string_view>

#include "panel/utf8.h"
#include "register_lists/list_text.h"

namespace kv {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Characters first..first+count-1 (counted from 1) of a text; what lies beyond
// its end is simply missing, so a short text gives a short or empty piece.
std::string piece(const std::u32string& text, std::size_t first, std::size_t count) {
    if (first > text.size()) {
        return {};
    }
    return to_utf8(std::u32string_view(text).substr(first - 1, count));
}

// One C list line: "0x" + index, "0x0" + digit 1, "0x" + digits 2-3, "0x" + digits 4-5,
// each item closed by a comma.
std::string c_line(std::size_t n, const std::string& word) {
    const std::u32string text = to_utf32(word);
    std::string line = "0x" + hex_index(n) + ",";
    line += "0x0" + piece(text, 1, 1) + ",";
    line += "0x" + piece(text, 2, 2) + ",";
    line += "0x" + piece(text, 4, 2) + ",";
    line += kLineBreak;
    return line;
}

}  // namespace

std::string spi_list(std::span<const std::string> words) {
    std::string out;
    for (const std::string& word : words) {
        out += word;
        out += '\t';
    }
    return out;
}

std::string c_list(std::span<const std::string> words) {
    std::string out;
    for (std::size_t n = 0; n < words.size(); ++n) {
        out += c_line(n, words[n]);
    }
    return out;
}

std::string no_list(std::span<const std::string> words) {
    std::string out;
    for (std::size_t n = 0; n < words.size(); ++n) {
        out += "Reg" + std::to_string(n) + "\t" + words[n];
        out += kLineBreak;
    }
    return out;
}

}  // namespace kv
