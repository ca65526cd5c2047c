// Fuzz target: the numeric value of a text and the number texts a box shows.
//
// For any bytes as a text, text_value never fails and never gives NaN; blanks
// anywhere do not change the value; a character that cannot continue a number
// ends the reading; a minus sign before a number negates it; a plain decimal
// number reads exactly as the C library reads it, and &H / &O numbers as
// their integers. For the value read, and for the input's first eight bytes
// taken as a double, number_text and fitted_number_text give short texts that
// read back as the number to the digits they keep.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "panel/numbers.h"

namespace {

using kv::fitted_number_text;
using kv::number_text;
using kv::text_value;

[[noreturn]] void fail(const char* rule, std::string_view text, double value) {
    std::fprintf(stderr, "broken: %s\ntext: '%.*s'\nvalue: %.17g\n", rule,
                 static_cast<int>(text.size()), text.data(), value);
    std::abort();
}

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// sign, digits with at most one point and at least one digit, optional e/E exponent
bool plain_decimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < s.size() && (is_digit(s[i]) || (s[i] == '.' && !point)); ++i) {
        point = point || s[i] == '.';
        digits = digits || is_digit(s[i]);
    }
    if (!digits) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        const std::size_t from = i;
        while (i < s.size() && is_digit(s[i])) {
            ++i;
        }
        if (i == from) {
            return false;
        }
    }
    return i == s.size();
}

void check_text_value(const std::string& text) {
    const double value = text_value(text);
    if (std::isnan(value)) {
        fail("a text reads as NaN", text, value);
    }
    if (!same(text_value(" " + text + " "), value) ||
        !same(text_value(text.substr(0, text.size() / 2) + "\t " + text.substr(text.size() / 2)),
              value)) {
        fail("blanks change the value", text, value);
    }
    if (!same(text_value(text + "x"), value)) {
        fail("a character that cannot continue a number changes the value", text, value);
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && is_digit(text[first]) &&
        !same(text_value("-" + text.substr(first)), -value)) {
        fail("a minus sign does not negate", text, value);
    }
    if (plain_decimal(text) && text.size() < 400 &&
        !same(value, std::strtod(text.c_str(), nullptr))) {
        fail("a plain decimal number reads otherwise than strtod reads it", text, value);
    }
    if (text.size() >= 3 && text.size() <= 15 && text[0] == '&' &&
        (text[1] == 'H' || text[1] == 'h' || text[1] == 'O' || text[1] == 'o')) {
        const bool hex = text[1] == 'H' || text[1] == 'h';
        const std::string digits = text.substr(2);
        if (digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "01234567") ==
                std::string::npos &&
            value != static_cast<double>(std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8))) {
            fail("a &H or &O number reads otherwise than its integer", text, value);
        }
    }
}

// The digits a number text keeps: leading and trailing zeros are no digits kept.
int kept_digits(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find('E'))) {
        if (is_digit(c)) {
            digits.push_back(c);
        }
    }
    const std::size_t from = digits.find_first_not_of('0');
    if (from == std::string::npos) {
        return 0;
    }
    const std::size_t to = digits.find_last_not_of('0');
    return static_cast<int>(to - from + 1);
}

// Rounded to `digits` significant digits, a number moves by at most half a
// unit of its last digit kept, and reading that text back rounds it once more
// to a double, by at most one unit in the double's last place.
// -1.006586294280115e+87 -> "-1.00658629428012E+87", which reads back a
// fraction of that unit beyond the decimal half unit. Beyond 1E+308 the
// rounded text may name a number above the largest double, which reads as
// infinity; no box of the program shows such a number.
void expect_reads_back(const std::string& text, double value, const char* rule) {
    if (std::fabs(value) > 1e308) {
        return;
    }
    const int digits = std::max(kept_digits(text), 1);
    const double back = text_value(text);
    const double reading_unit =
        std::nextafter(std::fabs(back), std::numeric_limits<double>::infinity()) - std::fabs(back);
    const double bound = 0.5000001 * std::pow(10.0, 1 - digits) * std::fabs(value) + reading_unit +
                         std::numeric_limits<double>::denorm_min();
    if (!(std::fabs(back - value) <= bound) ||
        (value != 0 && std::signbit(back) != std::signbit(value)) ||
        (value != 0 && back == 0 && std::fabs(value) > 1e-300)) {
        fail(rule, text, value);
    }
}

void check_number_texts(double value) {
    if (!std::isfinite(value)) {
        const std::string text = number_text(value);
        if (text != "NaN" && text != "Infinity" && text != "-Infinity") {
            fail("a number that is not finite has no plain name", text, value);
        }
        return;
    }
    const std::string text = number_text(value);
    if (text.size() > 22 || kept_digits(text) > 15) {
        fail("number_text is longer than 15 digits allow", text, value);
    }
    if (text.find('.') != std::string::npos && text.substr(0, text.find('E')).back() == '0') {
        fail("number_text keeps a trailing zero", text, value);
    }
    expect_reads_back(text, value, "number_text does not read back");
    if (std::fabs(value) <= 1e308 && number_text(text_value(text)) != text) {
        fail("number_text of its own reading differs", text, value);
    }
    for (int p = 1; p <= 15; ++p) {
        const std::string rounded = number_text(value, p);
        if (kept_digits(rounded) > p) {
            fail("number_text keeps more digits than asked", rounded, value);
        }
        expect_reads_back(rounded, value, "number_text rounded does not read back");
    }
    for (std::size_t chars : {1, 3, 6, 7, 8, 9, 10, 12, 16, 22}) {
        const std::string fitted = fitted_number_text(value, chars);
        if (chars >= 7 && fitted.size() > chars) {
            fail("fitted_number_text is longer than asked", fitted, value);
        }
        if (text.size() <= chars && fitted != text) {
            fail("fitted_number_text changes a text that fits", fitted, value);
        }
        expect_reads_back(fitted, value, "fitted_number_text does not read back");
    }
}

void check_words(std::int64_t value) {
    const auto word = kv::hex5(value);
    if (word.has_value() != (value >= 0 && value <= 0xFFFFF)) {
        fail("hex5 takes a value outside 0..FFFFF or refuses one inside", "", value);
    }
    if (word && (word->size() != 5 || std::strtol(word->c_str(), nullptr, 16) != value ||
                 word->find_first_not_of("0123456789ABCDEF") != std::string::npos)) {
        fail("hex5 is not five upper-case digits of the value", *word, value);
    }
    if (text_value(kv::integer_text(value)) != static_cast<double>(value)) {
        fail("integer_text does not read back", kv::integer_text(value), value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    check_text_value(text);
    check_number_texts(text_value(text));
    if (size >= 8) {
        double raw = 0;
        std::int64_t integer = 0;
        std::memcpy(&raw, data, sizeof raw);
        std::memcpy(&integer, data, sizeof integer);
        check_number_texts(raw);
        check_words(integer % 0x200000);
        check_words(integer);
    }
    return 0;
}
