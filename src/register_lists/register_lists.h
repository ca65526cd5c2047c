#pragma once

#include <span>
#include <string>

namespace kv {

// The three layouts of a register list file, built from the texts of the
// register boxes in register order. The texts are written as they stand: a
// word typed by hand that is shorter, longer or in lower case is not corrected.
//
//   SPI list   "FFF00\t011D5\t...FFFFD\t"       every word followed by a TAB, no line break
//   C list     "0x0A,0x09,0x96,0x5E,\r\n"       index, digit 1, digits 2-3, digits 4-5
//   No. list   "Reg10\t9965E\r\n"               "Reg", decimal index, TAB, word
[[nodiscard]] std::string spi_list(std::span<const std::string> words);
[[nodiscard]] std::string c_list(std::span<const std::string> words);
[[nodiscard]] std::string no_list(std::span<const std::string> words);

}  // namespace kv
