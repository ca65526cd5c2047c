#pragma once

#include <span>
#include <string>
#include <string_view>

#include "panel/word_field.h"

namespace kv {

// The register map: for each of the 44 registers the fields its producer
// writes, collected from the field tables beside the encoders. A register
// without fields is a fixed word that no setting produces; its start word is
// the default, and the chip's power-on word may differ (REG19).

// The fields of register n, from the top; empty for a fixed word.
[[nodiscard]] std::span<const WordField> register_fields(int n);

// The bits of register n that no field covers: the producer writes them as
// its start word has them. All 20 for a fixed word.
[[nodiscard]] std::uint32_t fixed_bits_mask(int n);

// A setting as the window names it: "本振" of channel 2 -> "2通道本振"; a
// setting of channel 0 belongs to no one channel.
[[nodiscard]] std::string setting_name(std::string_view setting, int channel);
[[nodiscard]] std::string setting_name(const WordField& field);

}  // namespace kv
