#include "register_lists/list_explaining.h"

#include <cctype>
#include <charconv>

#include "panel/numbers.h"
#include "panel/register_map.h"
#include "register_lists/field_reading.h"
#include "register_lists/word_map.h"

namespace kv {

namespace {

constexpr std::string_view kIndent = "  ";

std::string fixed_word_line(int n, const std::string& text) {
    const std::string_view power_on = chip_power_on_word(static_cast<std::size_t>(n));
    return "fixed word, no setting; " + (text == power_on
                                             ? std::string("holds its power-on word")
                                             : "power-on word " + std::string(power_on));
}

std::string field_line(const WordField& field, std::uint32_t word,
                       const ListReadingContext& context) {
    const std::uint32_t value = field_value(field, word);
    return bits_text(field) + " = " + hex_text(value) + "  " + setting_name(field) + " " +
           field_reading(field, value, context);
}

// The bits no field covers, against those the producer writes.
std::string fixed_bits_line(int n, std::uint32_t word) {
    const std::uint32_t mask = fixed_bits_mask(n);
    const std::string_view start = kDefaultWords[static_cast<std::size_t>(n)];
    std::uint32_t start_word = 0;
    std::from_chars(start.data(), start.data() + start.size(), start_word, 16);
    const std::uint32_t expected = start_word & mask;
    std::string line = "fixed bits " + *hex5(word & mask);
    if ((word & mask) != expected) {
        line += ", the producer writes " + *hex5(expected);
    }
    return line;
}

}  // namespace

std::string bits_text(const WordField& field) {
    const std::string low = integer_text(field.low);
    return field.high == field.low ? "bit " + low : "bits " + integer_text(field.high) + ".." + low;
}

std::string hex_text(std::uint32_t value) {
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    std::string text(digits.data(), end);
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

ReadList read_list(const RegisterTexts& texts, const PanelOffers& offers, int current_crystal) {
    ReadList list{texts, words_of(texts), {}};
    list.settings = decode_settings(list.words, offers, current_crystal);
    return list;
}

RegisterExplanation explain_register(const ReadList& list, const PanelOffers& offers, int n) {
    const auto at = static_cast<std::size_t>(n);
    RegisterExplanation out{n, list.texts[at], {}};
    const auto fields = register_fields(n);
    if (fields.empty()) {
        out.lines.push_back(fixed_word_line(n, list.texts[at]));
        return out;
    }
    const auto word = list.words[at];
    if (!word) {
        out.lines.emplace_back("no register word");
        return out;
    }
    const ListReadingContext context{offers, list.settings};
    for (const WordField& field : fields) {
        out.lines.push_back(field_line(field, *word, context));
    }
    if (fixed_bits_mask(n) != 0) {
        out.lines.push_back(fixed_bits_line(n, *word));
    }
    return out;
}

std::string explanation_text(const ReadList& list, const PanelOffers& offers) {
    std::string text;
    for (int n = 0; n < static_cast<int>(list.texts.size()); ++n) {
        const RegisterExplanation e = explain_register(list, offers, n);
        text += "REG" + integer_text(n) + " " + e.text + "\n";
        for (const std::string& line : e.lines) {
            text += std::string(kIndent) + line + "\n";
        }
    }
    return text;
}

}  // namespace kv
