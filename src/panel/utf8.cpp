#include "panel/utf8.h"

namespace kv {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequence_length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// The smallest code a sequence of each length may carry: a longer form of a
// smaller code (C0 AF for "/") is invalid, as are surrogates and codes past U+10FFFF.
bool well_formed(char32_t code, int length) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kSmallest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

struct Decoded {
    char32_t code;
    std::size_t bytes;
};

// The character that starts at byte i. A byte that starts no complete, valid
// sequence reads as one replacement character.
Decoded decode_at(std::string_view utf8, std::size_t i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = sequence_length(lead);
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
        return {kReplacement, 1};
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, 1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (!well_formed(code, length)) {
        return {kReplacement, 1};
    }
    return {code, static_cast<std::size_t>(length)};
}

}  // namespace

std::u32string to_utf32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded character = decode_at(utf8, i);
        out.push_back(character.code);
        i += character.bytes;
    }
    return out;
}

std::string to_utf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::size_t utf8_length(std::string_view utf8) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); i += decode_at(utf8, i).bytes) {
        ++characters;
    }
    return characters;
}

}  // namespace kv
