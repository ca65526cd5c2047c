#include "register_lists/register_list_reading.h"

#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "panel/utf8.h"
#include "register_lists/list_text.h"

namespace kv {

namespace {

constexpr std::size_t kRegisters = std::tuple_size_v<decltype(RegisterListFile::texts)>;
constexpr std::string_view kNotAList = "无法作为寄存器列表打开";
constexpr std::string_view kUnprintable = "含有不可打印的字符";
constexpr std::string_view kLoneCarriageReturn = "行尾只有回车符（CR），应为LF或CR LF";
constexpr std::string_view kExtraByteOrderMark = "多余的字节顺序标记（BOM）";
constexpr std::string_view kDoubledTab = "Reg编号后有多于一个TAB";
constexpr std::string_view kTabInText = "寄存器字中含有TAB";

// The first line of a C list opens with "0x" and a hex digit, that of a No.
// list with "Reg" and a decimal digit.
bool opens_with(std::string_view line, std::string_view prefix, bool hex) {
    if (!starts_with_no_case(line, prefix) || line.size() <= prefix.size()) {
        return false;
    }
    const auto next = static_cast<unsigned char>(line[prefix.size()]);
    return (hex ? std::isxdigit(next) : std::isdigit(next)) != 0;
}

ListReading failure(int line, std::string_view reason) {
    return {std::nullopt, {line, std::string(reason)}};
}

// Why a line is no printable text, or "" when it is.
std::string_view unprintable_reason(std::string_view line) {
    if (line.find('\r') != std::string_view::npos) {
        return kLoneCarriageReturn;
    }
    if (line.find(kByteOrderMarkUtf8) != std::string_view::npos) {
        return kExtraByteOrderMark;
    }
    return is_printable(line) ? "" : kUnprintable;
}

// The first line that is no printable text, with the reason; none when every
// line is printable.
std::optional<ListReading> unprintable(std::string_view bytes) {
    const std::vector<std::string_view> lines = numbered_lines(bytes);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (const std::string_view reason = unprintable_reason(lines[n]); !reason.empty()) {
            return failure(static_cast<int>(n) + 1, reason);
        }
    }
    return std::nullopt;
}

// A TAB only separates; a text read from a line never holds one.
std::optional<ListReading> tab_in_text(const std::string& text, int line, std::string_view reason) {
    if (text.find('\t') == std::string::npos) {
        return std::nullopt;
    }
    return failure(line, reason);
}

ListReading too_few(std::size_t count) {
    return failure(
        0, "只有" + std::to_string(count) + "个寄存器，应为" + std::to_string(kRegisters) + "个");
}

ListReading too_many() {
    return failure(static_cast<int>(kRegisters) + 1,
                   "寄存器多于" + std::to_string(kRegisters) + "个");
}

// SPI list: one line, each text followed by a TAB. Blanks after the last TAB
// are no register; an editor that strips trailing blanks takes the last TAB.
ListReading read_spi(std::string_view line) {
    std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() > 1 && is_spaces_and_tabs(fields.back())) {
        fields.pop_back();
    }
    if (fields.size() < kRegisters) {
        return too_few(fields.size());
    }
    if (fields.size() > kRegisters) {
        return failure(1, "寄存器多于" + std::to_string(kRegisters) + "个");
    }
    RegisterListFile file{ListLayout::Spi, {}, {}};
    for (std::size_t n = 0; n < kRegisters; ++n) {
        file.texts[n] = register_text(fields[n]);
    }
    return {file, {}};
}

// No. list line n: "Reg" + n, TAB, the text.
ListReading read_no_line(std::string_view line, std::size_t n, RegisterListFile& file) {
    const int number = static_cast<int>(n) + 1;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || !starts_with_no_case(line, "Reg")) {
        return failure(number, "不是No.列表的一行");
    }
    if (line.substr(3, tab - 3) != std::to_string(n)) {
        return failure(number, "寄存器编号应为Reg" + std::to_string(n));
    }
    const std::string_view text = line.substr(tab + 1);
    const std::string taken = register_text(text);
    if (auto problem =
            tab_in_text(taken, number, text.starts_with('\t') ? kDoubledTab : kTabInText)) {
        return *problem;
    }
    file.texts[n] = taken;
    return {};
}

// C list line n: "0x" + the index in hex, then the pieces of the text.
ListReading read_c_line(std::string_view line, std::size_t n, RegisterListFile& file) {
    const int number = static_cast<int>(n) + 1;
    const std::string_view trimmed = trim_blanks(line);
    const std::size_t comma = trimmed.find(',');
    if (comma == std::string_view::npos || !starts_with_no_case(trimmed, "0x")) {
        return failure(number, "不是.C列表的一行");
    }
    if (hex_value(trimmed.substr(2, comma - 2)) != static_cast<long>(n)) {
        return failure(number, "寄存器编号应为0x" + hex_index(n));
    }
    const std::optional<CPieces> pieces = c_pieces(trimmed.substr(comma + 1));
    if (!pieces) {
        return failure(number, "不是.C列表的一行");
    }
    file.texts[n] = register_text(pieces->text);
    if (auto problem = tab_in_text(file.texts[n], number, kTabInText)) {
        return *problem;
    }
    if (pieces->full && !is_word(pieces->text)) {
        file.cut_registers.push_back(static_cast<int>(n));
    }
    return {};
}

using LineReader = ListReading (*)(std::string_view, std::size_t, RegisterListFile&);

ListReading read_lines(const std::vector<std::string_view>& lines, ListLayout layout,
                       LineReader read_line) {
    RegisterListFile file{layout, {}, {}};
    for (std::size_t n = 0; n < lines.size() && n < kRegisters; ++n) {
        ListReading problem = read_line(lines[n], n, file);
        if (!problem.error.reason.empty()) {
            return problem;
        }
    }
    if (lines.size() < kRegisters) {
        return too_few(lines.size());
    }
    if (lines.size() > kRegisters) {
        return too_many();
    }
    return {file, {}};
}

}  // namespace

ListReading read_register_list(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMarkUtf8)) {
        bytes.remove_prefix(kByteOrderMarkUtf8.size());
    }
    if (auto problem = unprintable(bytes)) {
        return *problem;
    }
    const std::vector<std::string_view> lines = text_lines(bytes);
    if (lines.empty()) {
        return failure(0, kNotAList);
    }
    if (lines.size() == 1 && lines[0].find('\t') != std::string_view::npos) {
        return read_spi(lines[0]);
    }
    if (opens_with(trim_blanks(lines[0]), "0x", true)) {
        return read_lines(lines, ListLayout::C, read_c_line);
    }
    if (opens_with(lines[0], "Reg", false)) {
        return read_lines(lines, ListLayout::No, read_no_line);
    }
    return failure(0, kNotAList);
}

}  // namespace kv
