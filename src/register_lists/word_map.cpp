#include "register_lists/word_map.h"

#include <array>

#include "bandwidth/bandwidth_word.h"
#include "clock/clock_word.h"
#include "gain/gain_words.h"
#include "lo/lo_words.h"
#include "output/output_words.h"
#include "panel/register_map.h"
#include "panel/setting_names.h"

namespace kv {

namespace {

struct ProducedRegister {
    int reg;
    std::span<const WordField> fields;
};

constexpr std::array<ProducedRegister, 17> kProduced = {{
    {1, kReg1Fields},
    {2, kReg2Fields},
    {3, kReg3Fields},
    {4, kReg4Fields},
    {5, kReg5Fields},
    {6, kReg6Fields},
    {7, kReg7Fields},
    {8, kReg8Fields},
    {9, kReg9Fields},
    {10, kReg10Fields},
    {11, kReg11Fields},
    {12, kReg12Fields},
    {18, kReg18Fields},
    {23, kReg23Fields},
    {27, kReg27Fields},
    {34, kReg34Fields},
    {40, kReg40Fields},
}};

constexpr std::uint32_t kAllBits = (std::uint32_t{1} << kWordBits) - 1;

}  // namespace

std::span<const WordField> register_fields(int n) {
    for (const ProducedRegister& row : kProduced) {
        if (row.reg == n) {
            return row.fields;
        }
    }
    return {};
}

std::uint32_t fixed_bits_mask(int n) {
    std::uint32_t mask = kAllBits;
    for (const WordField& field : register_fields(n)) {
        mask &= ~field_mask(field);
    }
    return mask;
}

bool holds_power_on_word(int n) {
    const auto at = static_cast<std::size_t>(n);
    return chip_power_on_word(at) == kDefaultWords[at];
}

std::string setting_name(std::string_view setting, int channel) {
    std::string name;
    if (channel != 0) {
        name = std::to_string(channel) + std::string(kChannelLead);
    }
    return name + std::string(setting);
}

std::string setting_name(const WordField& field) {
    return setting_name(field.setting, field.channel);
}

}  // namespace kv
