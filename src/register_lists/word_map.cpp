#include "register_lists/word_map.h"

#include <array>

#include "bandwidth/bandwidth_word.h"
#include "clock/clock_word.h"
#include "gain/gain_words.h"
#include "lo/lo_words.h"
#include "output/output_words.h"
#include "panel/channels.h"

namespace kv {

namespace {

struct ProducedRegister {
    int reg;
    std::span<const WordField> fields;
};

// The channels' registers are the ones kChannels gives them.
constexpr std::array<ProducedRegister, 17> kProduced = {{
    {1, kReg1Fields},
    {kChannels[0].integer_reg, kReg2Fields},
    {kChannels[0].fraction_reg, kReg3Fields},
    {kChannels[1].integer_reg, kReg4Fields},
    {kChannels[1].fraction_reg, kReg5Fields},
    {kChannels[2].integer_reg, kReg6Fields},
    {kChannels[2].fraction_reg, kReg7Fields},
    {8, kReg8Fields},
    {9, kReg9Fields},
    {kChannels[0].gain_reg, kReg10Fields},
    {kChannels[1].gain_reg, kReg11Fields},
    {kChannels[2].gain_reg, kReg12Fields},
    {kChannels[0].bandwidth_reg, kReg18Fields},
    {23, kReg23Fields},
    {kChannels[1].bandwidth_reg, kReg27Fields},
    {kChannels[2].bandwidth_reg, kReg34Fields},
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

std::string setting_name(std::string_view setting, int channel) {
    std::string name;
    if (channel != 0) {
        name = std::string(kChannels[static_cast<std::size_t>(channel - 1)].name);
    }
    return name + std::string(setting);
}

std::string setting_name(const WordField& field) {
    return setting_name(field.setting, field.channel);
}

}  // namespace kv
