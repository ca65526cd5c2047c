#include "panel/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

namespace {

// The blanks a number text may hold anywhere: they are read as if absent.
bool skipped_in_numbers(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string without_blanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!skipped_in_numbers(c)) {
            out.push_back(c);
        }
    }
    return out;
}

int digit_value(char c) {
    if (is_digit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

double radix_integer(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int d = digit_value(c);
        if (d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    return value;
}

bool is_exponent_letter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The decimal number at the start of s, without blanks: sign, digits, point,
// digits, exponent. Returns the characters that form it, none when they hold
// no digit.
std::string_view leading_decimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    bool has_digits = false;
    for (; i < s.size() && is_digit(s[i]); ++i) {
        has_digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && is_digit(s[i]); ++i) {
            has_digits = true;
        }
    }
    if (!has_digits) {
        return {};
    }
    if (i < s.size() && is_exponent_letter(s[i])) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        const std::size_t digits_from = j;
        while (j < s.size() && is_digit(s[j])) {
            ++j;
        }
        if (j > digits_from) {
            i = j;
        }
    }
    return s.substr(0, i);
}

double decimal_value(std::string_view number) {
    const auto e = number.find_first_of("eEdD");
    std::string with_e;  // std::from_chars reads no D exponent
    if (e != std::string_view::npos && (number[e] == 'd' || number[e] == 'D')) {
        with_e = std::string(number);
        with_e[e] = 'e';
        number = with_e;
    }
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-') {
        ++first;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as zero.
        const bool tiny =
            e != std::string_view::npos && number.find('-', e) != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

// A double has at most 17 significant digits.
struct Scientific {
    bool negative = false;
    std::array<char, 24> digit_chars{};  // significant digits, no trailing zeros
    std::size_t count = 0;
    int exponent = 0;  // of the first digit

    [[nodiscard]] std::string_view digits() const { return {digit_chars.data(), count}; }
};

// A magnitude in the scientific form of std::to_chars ("1.25e+02").
struct ScientificChars {
    std::array<char, 64> buffer;
    std::size_t size;

    [[nodiscard]] std::string_view text() const { return {buffer.data(), size}; }
};

// With that many significant digits, rounded; without, the fewest digits that
// read back as the magnitude.
ScientificChars scientific_chars(double magnitude, std::optional<int> significant = std::nullopt) {
    ScientificChars out{};
    char* const first = out.buffer.data();
    char* const last = first + out.buffer.size();
    const auto result =
        significant
            ? std::to_chars(first, last, magnitude, std::chars_format::scientific, *significant - 1)
            : std::to_chars(first, last, magnitude, std::chars_format::scientific);
    out.size = static_cast<std::size_t>(result.ptr - first);
    return out;
}

Scientific parse_scientific(std::string_view text, bool negative) {
    Scientific s;
    s.negative = negative;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e && s.count < s.digit_chars.size(); ++i) {
        if (text[i] != '.') {
            s.digit_chars[s.count++] = text[i];
        }
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    s.exponent);
    while (s.count > 1 && s.digit_chars[s.count - 1] == '0') {
        --s.count;
    }
    return s;
}

Scientific scientific(double value, int significant) {
    return parse_scientific(scientific_chars(std::fabs(value), significant).text(), value < 0);
}

int digit_count(std::string_view scientific_text) {
    const auto e = scientific_text.find('e');
    const auto point = scientific_text.find('.');
    return static_cast<int>(point < e ? e - 1 : e);
}

bool reads_back_as(std::string_view text, double magnitude) {
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back == magnitude;
}

void append_integer(std::string& out, int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string layout(const Scientific& s, bool force_exponent = false) {
    std::string out = s.negative ? "-" : "";
    const std::string_view digits = s.digits();
    const int count = static_cast<int>(s.count);
    if (force_exponent || s.exponent < -4 || s.exponent >= 15) {
        out += digits.substr(0, 1);
        if (count > 1) {
            out += '.';
            out += digits.substr(1);
        }
        const int magnitude = std::abs(s.exponent);
        out += s.exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            out += '0';
        }
        append_integer(out, magnitude);
    } else if (s.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
        out += digits;
    } else if (count <= s.exponent + 1) {
        out += digits;
        out.append(static_cast<std::size_t>(s.exponent + 1 - count), '0');
    } else {
        const auto point = static_cast<std::size_t>(s.exponent + 1);
        out += digits.substr(0, point);
        out += '.';
        out += digits.substr(point);
    }
    return out;
}

// The fewest significant digits that read back as the magnitude: no form
// with fewer does, rounded or not.
int fewest_digits(double magnitude) {
    return digit_count(scientific_chars(magnitude).text());
}

// The fewest significant digits, at most max_significant, that give the value
// back; the value rounded to max_significant digits when none does. The
// search starts at the value's fewest digits.
Scientific shortest(double value, int max_significant, int fewest) {
    const double magnitude = std::fabs(value);
    for (int p = fewest; p < max_significant; ++p) {
        const ScientificChars chars = scientific_chars(magnitude, p);
        if (reads_back_as(chars.text(), magnitude)) {
            return parse_scientific(chars.text(), value < 0);
        }
    }
    return scientific(value, max_significant);
}

std::string special_text(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

double text_value(std::string_view text) {
    std::string compact;
    if (std::any_of(text.begin(), text.end(), skipped_in_numbers)) {
        compact = without_blanks(text);
        text = compact;
    }
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        return radix_integer(text.substr(2), 16);
    }
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'O' || text[1] == 'o')) {
        return radix_integer(text.substr(2), 8);
    }
    const std::string_view number = leading_decimal(text);
    return number.empty() ? 0.0 : decimal_value(number);
}

std::string number_text(double value, int max_significant) {
    if (!std::isfinite(value)) {
        return special_text(value);
    }
    if (value == 0) {
        return "0";
    }
    return layout(shortest(value, max_significant, fewest_digits(std::fabs(value))));
}

std::string number_text(double value) {
    return number_text(value, 15);
}

std::string fitted_number_text(double value, std::size_t max_chars) {
    std::string text = number_text(value);
    if (!std::isfinite(value) || value == 0) {
        return text;
    }
    const int fewest = fewest_digits(std::fabs(value));
    for (int p = 14; p >= 1 && text.size() > max_chars; --p) {
        const Scientific s = shortest(value, p, fewest);
        text = layout(s);
        if (text.size() > max_chars) {
            text = layout(s, true);
        }
    }
    return text;
}

std::string integer_text(std::int64_t value) {
    return std::to_string(value);
}

std::optional<std::string> hex5(std::int64_t value) {
    if (value < 0 || value > kLargestWord) {
        return std::nullopt;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string word(5, '0');
    for (int i = 4; i >= 0; --i) {
        word[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return word;
}

}  // namespace kv
