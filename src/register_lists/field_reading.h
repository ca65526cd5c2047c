#pragma once

#include <cstdint>
#include <string>

#include "panel/word_field.h"
#include "register_lists/register_list_decoding.h"

namespace kv {

// What a list's words say, read once for all its fields: the items the panel
// offers and the settings that produce the words.
struct ListReadingContext {
    const PanelOffers& offers;
    const DecodedSettings& settings;
};

// How the value of a field reads as its setting, in the window's terms:
//   REG1 bits 19..18 = 3 -> "40 MHz"     REG10 bit 16 = 1 -> "on"
//   REG2 bits 11..1 = BC -> "I 188, 1176 MHz"
[[nodiscard]] std::string field_reading(const WordField& field, std::uint32_t value,
                                        const ListReadingContext& context);

}  // namespace kv
