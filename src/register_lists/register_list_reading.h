#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/register_map.h"

namespace kv {

enum class ListLayout { Spi, C, No };

// The register texts of a register list file, in register order. A text
// that is five hex digits is the register word in its upper-case word form;
// any other text is taken as it stands, as a person typed it.
struct RegisterListFile {
    ListLayout layout = ListLayout::Spi;
    std::array<std::string, kRegisterCount> texts;
    // C list only: registers whose line holds all five characters of a text
    // that is not a word; the text may have been longer, and the C list keeps
    // only its first five characters.
    std::vector<int> cut_registers;
};

// Why a file is no register list: the reason for the person, and the line
// (counted from 1) where it was found, 0 where there is none.
struct ListReadError {
    int line = 0;
    std::string reason;
};

struct ListReading {
    std::optional<RegisterListFile> list;  // empty when the file cannot be read as one
    ListReadError error;
};

// Reads the bytes of a file as one of the three register list layouts, told
// apart by content:
//   SPI list   one line, every text followed by a TAB         "FFF00\t011D5\t...FFFFD\t"
//   C list     "0x" + index, then the word cut into pieces     "0x0A,0x09,0x96,0x5E,"
//   No. list   "Reg" + decimal index, TAB, the text            "Reg10\t9965E"
// What editors and version control do to such files is accepted: LF or CR LF,
// a final line end added or missing, blank lines at the end, blanks after the
// last item of a line (and the SPI list's final TAB removed), a UTF-8 byte-order
// mark, hex digits and "0x" in lower case. Refused, each with its own reason:
// a CR not followed by LF (a file with CR line ends), a second byte-order mark
// or one inside the text, a TAB inside a register's text (two TABs after
// "Reg" + index), and any other byte that is no printable text (a control
// character, a broken UTF-8 sequence).
[[nodiscard]] ListReading read_register_list(std::string_view bytes);

}  // namespace kv
