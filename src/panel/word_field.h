#pragma once

#include <cstdint>
#include <string_view>

namespace kv {

// A register word has 20 bits, 19..0.
inline constexpr int kWordBits = 20;

// What the value of a register field means as the setting it comes from.
enum class FieldMeaning {
    Item,           // an item of a list or a divider of a spin: the one whose code it is
    Switch,         // a check box or option button: every bit set is on, none off
    Crystal,        // the crystal's fields of REG1: the crystals that have them
    PreDivider,     // set for the crystals of one LO pre-divider
    IntegerN,       // the channel's LO runs integer-N
    LoInteger,      // I of the channel's LO divider
    LoFraction,     // W of the channel's LO divider
    WideBandwidth,  // a channel's whole bandwidth word: wide or narrow
};

// The lists and spins of the panel whose items a field holds.
enum class Offered {
    None,
    Bandwidths,
    FrontEndGains,
    AgcGains,
    IfaGains,
    ReA,
    ReB,
    FbA,
    FbB,
    ScFpb
};

// One field of a register word: bits high..low, the setting it comes from as
// the window names it (with channel 1..3's name in front: "1通道" + "本振"), and how
// its value reads. An encoder writes the field at the position its own table
// gives, and the field tables beside the encoders take the same positions.
//   REG1 bits 19..18, "带宽" of channel 1, an item of the bandwidth list whose
//   code (bandwidth_code) is the field: 0 -> "10 MHz"
struct WordField {
    int high;
    int low;
    std::string_view setting;
    FieldMeaning meaning;
    int channel = 0;  // 0: the setting belongs to no one channel
    Offered offered = Offered::None;
    // Item: the code the encoder gives an offered value; null: the value itself.
    double (*code)(double) = nullptr;
    std::string_view unit{};
    int pre_divider = 0;  // PreDivider: the pre-divider the bit stands for
};

[[nodiscard]] constexpr int field_width(const WordField& field) {
    return field.high - field.low + 1;
}

// The field's bits in place.
[[nodiscard]] constexpr std::uint32_t field_mask(const WordField& field) {
    return ((std::uint32_t{1} << field_width(field)) - 1) << field.low;
}

// The field's value in a word: its bits shifted down to bit 0.
[[nodiscard]] constexpr std::uint32_t field_value(const WordField& field, std::uint32_t word) {
    return (word & field_mask(field)) >> field.low;
}

}  // namespace kv
