#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <string_view>

namespace kv::qt {

// The core keeps texts in UTF-8 and counts a text's positions in characters;
// Qt keeps UTF-16 and counts code units. These convert between the two.
[[nodiscard]] QString to_qstring(std::string_view text);
[[nodiscard]] std::string to_utf8(const QString& text);
[[nodiscard]] int utf16_position(const QString& text, std::size_t characters);
[[nodiscard]] std::size_t character_position(const QString& text, int utf16);

// A caption for a button, check box or menu: an "&" shows as itself rather
// than marking a mnemonic.
[[nodiscard]] QString caption_text(std::string_view caption);

// A menu caption that ends in a letter in brackets, "文件(F)", or in one
// followed by "...", "比较(C)...", takes that letter as its Alt key: the
// bracket shows the letter underlined.
[[nodiscard]] QString menu_caption_text(std::string_view caption);

// The words of a caption that the window spaces out over columns with runs of
// blanks: "前端增益      AGC增益" -> {"前端增益", "AGC增益"}.
[[nodiscard]] QStringList caption_words(std::string_view caption);

}  // namespace kv::qt
