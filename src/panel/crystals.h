#pragma once

#include <array>

namespace kv {

// The crystal's fields in REG1, given by each row of the crystal table.
struct CrystalFields {
    int c;  // bit 13
    int d;  // bit 12
    int e;  // bits 11..9
    int f;  // bits 8..4
};

// The five dividers of the sample-clock chain.
struct ClockDividers {
    int re_a;    // 1 or 2
    int re_b;    // 1..7
    int fb_a;    // 1..31
    int fb_b;    // 2 or 4
    int sc_fpb;  // 2, 4, 6 or 8
};

// A crystal the chip works from and the settings it brings: the crystal
// pre-divider of the channel LOs, the crystal's fields of REG1 and the spin
// positions of the five sample-clock dividers. Every row gives a VCO of 192
// to 200 MHz and a sample clock of 24 to 25 MHz.
//   25 MHz: pre-divider 2, so the LOs work from 12.5 MHz; REG1 fields
//   C 0, D 1, E 0, F 29; positions 2, 3, 22, 2, 2 -> reA 1, reB 5, fbA 10,
//   fbB 4, SCfpb 8.
struct Crystal {
    double mhz;
    int pre_divider;
    CrystalFields reg1;
    ClockDividers positions;
};

// Indexed by cry_index - 1, which is also the position of VScroll_crystal - 1.
// The crystal list offers them from the last row to the first.
inline constexpr std::array<Crystal, 7> kCrystals = {{
    {40, 4, {0, 0, 1, 4}, {2, 4, 22, 4, 2}},
    {30, 2, {1, 0, 3, 4}, {2, 5, 22, 4, 2}},
    {25, 2, {0, 1, 0, 29}, {2, 3, 22, 2, 2}},
    {20, 2, {0, 0, 1, 4}, {2, 6, 22, 4, 2}},
    {19.2, 2, {0, 0, 1, 4}, {2, 6, 22, 4, 2}},
    {16.368, 1, {0, 1, 1, 15}, {2, 6, 26, 2, 2}},
    {10, 1, {0, 0, 1, 4}, {2, 7, 27, 2, 2}},
}};

// Crystal indexes run from 1 to kCrystalCount.
inline constexpr int kCrystalCount = static_cast<int>(kCrystals.size());

// The row of crystal index 1..kCrystalCount, or null.
[[nodiscard]] const Crystal* crystal_of_index(int index);

}  // namespace kv
