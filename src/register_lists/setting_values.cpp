#include "register_lists/setting_values.h"

#include <array>
#include <utility>

#include "panel/crystals.h"
#include "panel/numbers.h"
#include "panel/setting_names.h"
#include "register_lists/word_map.h"

namespace kv {

namespace {

constexpr std::string_view kMhz = " MHz";
constexpr std::string_view kDb = " dB";

template <typename T, typename Text>
std::string value_or_none(const std::optional<T>& value, Text text) {
    return value ? text(*value) : std::string(kNoSetting);
}

std::string switch_value(bool on) {
    return on ? "on" : "off";
}

void add(std::vector<SettingValue>& out, std::string_view setting, int channel, std::string value) {
    out.push_back({setting_name(setting, channel), std::move(value)});
}

void add_panel(const DecodedSettings& s, std::vector<SettingValue>& out) {
    for (int k = 1; k <= 3; ++k) {
        add(out, kBandwidthSetting, k, value_or_none(s.bandwidths, [k](const auto& b) {
                return b[static_cast<std::size_t>(k - 1)] + std::string(kMhz);
            }));
    }
    add(out, kCrystalSetting, 0, value_or_none(s.crystal, [](int index) {
            return number_text(crystal_of_index(index)->mhz) + std::string(kMhz);
        }));
    for (int k = 1; k <= 3; ++k) {
        add(out, kLoSetting, k, lo_mhz_value(s.lo_mhz[static_cast<std::size_t>(k - 1)]));
    }
}

void add_clock(const DecodedSettings& s, std::vector<SettingValue>& out) {
    using Divider = int ClockDividers::*;
    const std::array<std::pair<std::string_view, Divider>, 5> dividers = {{
        {kReASetting, &ClockDividers::re_a},
        {kReBSetting, &ClockDividers::re_b},
        {kFbASetting, &ClockDividers::fb_a},
        {kFbBSetting, &ClockDividers::fb_b},
        {kScFpbSetting, &ClockDividers::sc_fpb},
    }};
    // A lambda captures the member pointer itself: clang 14, which builds the
    // fuzz targets, cannot capture a structured binding.
    for (const auto& row : dividers) {
        const Divider divider = row.second;
        add(out, row.first, 0, value_or_none(s.dividers, [divider](const ClockDividers& d) {
                return integer_text(d.*divider);
            }));
    }
}

void add_gains(const DecodedSettings& s, std::vector<SettingValue>& out) {
    for (int k = 1; k <= 3; ++k) {
        const auto& gains = s.gains[static_cast<std::size_t>(k - 1)];
        const auto db = [&gains](std::string ChannelGainSettings::*gain) {
            return value_or_none(
                gains, [gain](const ChannelGainSettings& g) { return g.*gain + std::string(kDb); });
        };
        add(out, kFrontEndGainSetting, k, db(&ChannelGainSettings::front_end));
        add(out, kAgcSwitchSetting, k, value_or_none(gains, [](const ChannelGainSettings& g) {
                return switch_value(g.agc_switch);
            }));
        add(out, kAgcGainSetting, k, db(&ChannelGainSettings::agc));
        add(out, kIfaGainSetting, k, db(&ChannelGainSettings::ifa));
    }
    add(out, kIfaSwitchSetting, 0, value_or_none(s.ifa_switch, switch_value));
}

void add_output(const DecodedSettings& s, std::vector<SettingValue>& out) {
    const auto output = [&s](bool OutputSettings::*on) {
        return value_or_none(s.output,
                             [on](const OutputSettings& o) { return switch_value(o.*on); });
    };
    add(out, kAnalogOutSetting, 0, output(&OutputSettings::analog));
    add(out, kDigitalOutSetting, 0, output(&OutputSettings::digital));
    add(out, kSingleEndedSetting, 0, output(&OutputSettings::single_ended));
    add(out, kFourBitSetting, 0, value_or_none(s.four_bit, switch_value));
    const auto test = [&s](bool TestSwitches::*on) {
        return value_or_none(s.test, [on](const TestSwitches& t) { return switch_value(t.*on); });
    };
    add(out, kAdcTestSetting, 0, test(&TestSwitches::adc));
    add(out, kD2STestSetting, 0, test(&TestSwitches::d2s));
    add(out, kFreqTestSetting, 0, test(&TestSwitches::freq));
}

}  // namespace

std::vector<SettingValue> setting_values(const DecodedSettings& settings) {
    std::vector<SettingValue> out;
    add_panel(settings, out);
    add_output(settings, out);
    add_clock(settings, out);
    add_gains(settings, out);
    return out;
}

std::string lo_mhz_value(const std::optional<std::string>& mhz) {
    return mhz ? *mhz + std::string(kMhz) : std::string(kNoSetting);
}

}  // namespace kv
