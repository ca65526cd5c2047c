#include "panel/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kv {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string without_blanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!is_blank(c)) {
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

// The decimal number at the start of s, without blanks: sign, digits, point,
// digits, exponent. Returns the characters that form it ("" when none).
std::string leading_decimal(const std::string& s, bool& has_digits) {
    std::size_t i = 0;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out.push_back(s[i++]);
    }
    has_digits = false;
    for (; i < s.size() && is_digit(s[i]); ++i) {
        out.push_back(s[i]);
        has_digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        out.push_back(s[i++]);
        for (; i < s.size() && is_digit(s[i]); ++i) {
            out.push_back(s[i]);
            has_digits = true;
        }
    }
    if (has_digits && i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent.push_back(s[j++]);
        }
        const std::size_t digits_from = j;
        for (; j < s.size() && is_digit(s[j]); ++j) {
            exponent.push_back(s[j]);
        }
        if (j > digits_from) {
            out += exponent;
        }
    }
    return out;
}

double decimal_value(const std::string& number) {
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
        const auto e = number.find('e');
        const bool tiny = e != std::string::npos && number.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

struct Scientific {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // of the first digit
};

Scientific scientific(double value, int significant) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    Scientific s;
    s.negative = value < 0;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            s.digits.push_back(text[i]);
        }
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    s.exponent);
    while (s.digits.size() > 1 && s.digits.back() == '0') {
        s.digits.pop_back();
    }
    return s;
}

std::string layout(const Scientific& s, bool force_exponent = false) {
    std::string out = s.negative ? "-" : "";
    const int count = static_cast<int>(s.digits.size());
    if (force_exponent || s.exponent < -4 || s.exponent >= 15) {
        out += s.digits.substr(0, 1);
        if (count > 1) {
            out += "." + s.digits.substr(1);
        }
        const int magnitude = std::abs(s.exponent);
        out += s.exponent < 0 ? "E-" : "E+";
        out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (s.exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits;
    } else if (count <= s.exponent + 1) {
        out += s.digits + std::string(static_cast<std::size_t>(s.exponent + 1 - count), '0');
    } else {
        const auto point = static_cast<std::size_t>(s.exponent + 1);
        out += s.digits.substr(0, point) + "." + s.digits.substr(point);
    }
    return out;
}

// The fewest significant digits, at most max_significant, that give the value
// back; the value rounded to max_significant digits when none does.
Scientific shortest(double value, int max_significant) {
    for (int p = 1; p < max_significant; ++p) {
        const Scientific s = scientific(value, p);
        const std::string plain =
            s.digits + "e" + std::to_string(s.exponent - static_cast<int>(s.digits.size()) + 1);
        double back = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), back);
        if (back == std::fabs(value)) {
            return s;
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
    const std::string s = without_blanks(text);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        return radix_integer(std::string_view(s).substr(2), 16);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        return radix_integer(std::string_view(s).substr(2), 8);
    }
    bool has_digits = false;
    const std::string number = leading_decimal(s, has_digits);
    return has_digits ? decimal_value(number) : 0.0;
}

std::string number_text(double value, int max_significant) {
    if (!std::isfinite(value)) {
        return special_text(value);
    }
    return value == 0 ? "0" : layout(shortest(value, max_significant));
}

std::string number_text(double value) {
    return number_text(value, 15);
}

std::string fitted_number_text(double value, std::size_t max_chars) {
    std::string text = number_text(value);
    if (!std::isfinite(value) || value == 0) {
        return text;
    }
    for (int p = 14; p >= 1 && text.size() > max_chars; --p) {
        const Scientific s = shortest(value, p);
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
