#include "support/typed_texts.h"

#include <vector>

namespace kv::test {

namespace {

const std::vector<std::string> kListValues = {
    "1176", "1207", "1227", "1242", "1268",   "1560", "1574.5", "1598", "10",
    "25",   "31",   "7",    "1",    "1324.5", "1400", "1175",   "1575", "1227.001"};

const std::vector<std::string> kOddNumbers = {"1e999",
                                              "-1e999",
                                              "nan",
                                              "NaN",
                                              "inf",
                                              "-inf",
                                              "Infinity",
                                              "1e308",
                                              "1e-999",
                                              "-0",
                                              "0",
                                              "&HFF",
                                              "&hff",
                                              "&H",
                                              "&HFFFFF",
                                              "&O17",
                                              "&O9",
                                              "&H-1",
                                              "&H7FFFFFFFFFFFFFFF",
                                              "1.e5",
                                              ".5",
                                              "5.",
                                              "1e",
                                              "1e+",
                                              "--5",
                                              "+5",
                                              "1.5.5",
                                              "12.9abc",
                                              "1176MHz",
                                              "0x10",
                                              "1d3",
                                              "4.94e-324",
                                              "1.7976931348623157e308",
                                              "-1.7976931348623157e308",
                                              "2047",
                                              "2048"};

const std::vector<std::string> kOtherScripts = {
    "１２", "一", "二十", "٣", "١٢٣", "12€", "１１７６", "⁵", "½", "𝟙𝟚", "Ⅻ", "十二点五", "1，5"};

const std::vector<std::string> kBlanksAndBytes = {" 12",
                                                  "1 2",
                                                  "\t5",
                                                  "  ",
                                                  "\r\n",
                                                  std::string("1\0"
                                                              "2",
                                                              3),
                                                  "\xff\xfe",
                                                  "1\xc3",
                                                  "\xe4\xb8",
                                                  "\x7f",
                                                  "\x01\x02"};

const std::vector<std::string> kRegisterWords = {"FFF00",
                                                 "011D5",
                                                 "32178",
                                                 "28F5C",
                                                 "0FB00",
                                                 "EB84F",
                                                 "0C400",
                                                 "51EB7",
                                                 "318C2",
                                                 "55700",
                                                 "9965E",
                                                 "B145C",
                                                 "B249C",
                                                 "90708",
                                                 "7C030",
                                                 "FC030",
                                                 "00000",
                                                 "FFFFF",
                                                 "abc",
                                                 "fff00",
                                                 "1",
                                                 "123456",
                                                 "12345678901234567890",
                                                 "ZZZZZ",
                                                 "0x123"};

std::string digits(Rng& rng, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out.push_back(static_cast<char>('0' + rng.below(10)));
    }
    return out;
}

std::string random_decimal(Rng& rng) {
    std::string out = rng.chance(20) ? "-" : (rng.chance(5) ? "+" : "");
    out += digits(rng, rng.between(0, 6));
    if (rng.chance(60)) {
        out += "." + digits(rng, rng.between(0, 8));
    }
    if (rng.chance(20)) {
        out += rng.chance(50) ? "e" : "E";
        out += rng.chance(50) ? "-" : "";
        out += digits(rng, rng.between(1, 3));
    }
    return out;
}

std::string rubbish(Rng& rng) {
    std::string out;
    const int length = rng.between(1, 12);
    for (int i = 0; i < length; ++i) {
        out.push_back(
            static_cast<char>(rng.chance(10) ? rng.between(1, 31) : rng.between(32, 126)));
    }
    return out;
}

std::string hex_word(Rng& rng) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (int i = 0; i < 5; ++i) {
        out.push_back(kDigits[rng.below(16)]);
    }
    return out;
}

std::string lower_case(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

std::string any_text(Rng& rng) {
    switch (rng.below(9)) {
        case 0:
            return "";
        case 1:
            return rng.one_of(kListValues);
        case 2:
            return std::to_string(rng.between(-100000, 100000));
        case 3:
            return random_decimal(rng);
        case 4:
            return rng.one_of(kOddNumbers);
        case 5:
            return rng.one_of(kOtherScripts);
        case 6:
            return rng.one_of(kBlanksAndBytes);
        case 7:
            return rng.one_of(kListValues) + rubbish(rng);
        default:
            return rubbish(rng);
    }
}

std::string huge_text(Rng& rng) {
    const auto length = static_cast<std::size_t>(rng.between(1000, 20000));
    switch (rng.below(6)) {
        case 0:
            return std::string(length, '9');
        case 1:
            return "1" + std::string(length, '0');
        case 2:
            return "0." + std::string(length, '0') + "1";
        case 3:
            return "&H" + std::string(length, 'F');
        case 4: {
            std::string out;
            while (out.size() < length) {
                out += "一";
            }
            return out;
        }
        default: {
            std::string out;
            while (out.size() < length) {
                out += any_text(rng);
            }
            return out;
        }
    }
}

std::string register_text(Rng& rng) {
    switch (rng.below(5)) {
        case 0:
            return hex_word(rng);
        case 1:
            return lower_case(hex_word(rng));
        case 2:
            return rng.one_of(kRegisterWords);
        default:
            return any_text(rng);
    }
}

}  // namespace kv::test
