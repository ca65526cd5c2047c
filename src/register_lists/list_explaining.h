#pragma once

#include <array>
#include <string>
#include <vector>

#include "panel/register_map.h"
#include "register_lists/register_list_decoding.h"

namespace kv {

using RegisterTexts = std::array<std::string, kRegisterCount>;

// One register of a list explained: its text and a line for each field, with
// its bits, its value in hex and the setting it means; then the bits no field
// covers. A fixed word says whether it is the chip's power-on word.
//   REG1 "011D5":  "bits 19..18 = 0  1通道带宽 10 MHz", ...,
//                  "bits 13..4 = 11D  晶振 25 MHz", "fixed bits 00005"
struct RegisterExplanation {
    int reg = 0;
    std::string text;
    std::vector<std::string> lines;
};

// A list read once: its words and the settings that produce them.
struct ReadList {
    RegisterTexts texts;
    FileWords words;
    DecodedSettings settings;
};

// Where the words fit more than one crystal, current_crystal is preferred.
[[nodiscard]] ReadList read_list(const RegisterTexts& texts, const PanelOffers& offers,
                                 int current_crystal);

[[nodiscard]] RegisterExplanation explain_register(const ReadList& list, const PanelOffers& offers,
                                                   int n);

// The 44 registers in order: a line "REGn WORD" each, then its explanation on
// lines indented by two blanks.
[[nodiscard]] std::string explanation_text(const ReadList& list, const PanelOffers& offers);

// A field's bits as a line names them: "bits 19..18", "bit 16".
[[nodiscard]] std::string bits_text(const WordField& field);

// A field's value in hex, as few digits as it needs: "11D".
[[nodiscard]] std::string hex_text(std::uint32_t value);

}  // namespace kv
