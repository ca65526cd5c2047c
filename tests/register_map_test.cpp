#include <gtest/gtest.h>

#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bandwidth/bandwidth_word.h"
#include "clock/clock_word.h"
#include "gain/gain_words.h"
#include "lo/lo_words.h"
#include "output/output_words.h"
#include "panel/channels.h"
#include "panel/numbers.h"
#include "panel/register_map.h"
#include "register_lists/register_list_applying.h"
#include "register_lists/word_map.h"
#include "support/fake_platform.h"
#include "window/window.h"

// Every field of the register map, read as its setting, re-encodes through the
// word's own encoder to the word it came from: at every crystal and at both
// ends of every field.
namespace kv::test {
namespace {

// A word's settings as the map reads them, one value per setting and meaning.
using Settings = std::map<std::string, double>;
constexpr const char* kPreDivider = "pre-divider";

std::string key(const WordField& field) {
    return field.meaning == FieldMeaning::PreDivider
               ? kPreDivider
               : setting_name(field) + "/" + std::to_string(static_cast<int>(field.meaning));
}

std::vector<double> offered(const WordField& field, const PanelOffers& o) {
    const auto numbers = [](const auto& items) {
        std::vector<double> values;
        for (const auto& item : items) {
            if constexpr (std::is_same_v<std::decay_t<decltype(item)>, std::string>) {
                values.push_back(text_value(item));
            } else {
                values.push_back(item);
            }
        }
        return values;
    };
    switch (field.offered) {
        case Offered::Bandwidths:
            return numbers(o.bandwidths);
        case Offered::FrontEndGains:
            return numbers(o.front_end);
        case Offered::AgcGains:
            return numbers(o.agc);
        case Offered::IfaGains:
            return numbers(o.ifa);
        case Offered::ReA:
            return numbers(o.re_a);
        case Offered::ReB:
            return numbers(o.re_b);
        case Offered::FbA:
            return numbers(o.fb_a);
        case Offered::FbB:
            return numbers(o.fb_b);
        case Offered::ScFpb:
            return numbers(o.sc_fpb);
        case Offered::None:
            break;
    }
    return {};
}

double code(const WordField& field, double value) {
    return field.code != nullptr ? field.code(value) : value;
}

std::uint32_t word_value(std::string_view text) {
    std::uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

std::optional<int> crystal_of_fields(std::uint32_t word) {
    for (int index = 1; index <= static_cast<int>(kCrystals.size()); ++index) {
        const auto fields_word = bandwidth_word({10, 10, 10}, crystal_of_index(index)->reg1);
        if (fields_word &&
            field_value(kReg1Fields[3], *fields_word) == field_value(kReg1Fields[3], word)) {
            return index;
        }
    }
    return std::nullopt;
}

// The value each field means; a field no setting gives fails the test.
Settings read(int n, std::uint32_t word, const PanelOffers& offers) {
    Settings s{{kPreDivider, 1}};
    for (const WordField& field : register_fields(n)) {
        const std::uint32_t v = field_value(field, word);
        double& value = s[key(field)];
        switch (field.meaning) {
            case FieldMeaning::Item:
                value = -1;
                for (const double item : offered(field, offers)) {
                    value = code(field, item) == v ? item : value;
                }
                break;
            case FieldMeaning::Crystal:
                value = crystal_of_fields(word).value_or(0);
                break;
            case FieldMeaning::PreDivider:
                value = v != 0 ? field.pre_divider : value;
                break;
            case FieldMeaning::WideBandwidth:
                value =
                    hex5(word) == kChannels[static_cast<std::size_t>(field.channel - 1)].wide_word;
                break;
            case FieldMeaning::Switch:
                value = v == 0 ? 0 : (v == field_mask(field) >> field.low ? 1 : -1);
                break;
            default:
                value = v;
                break;
        }
        EXPECT_NE(value, -1) << "REG" << n << " " << key(field) << " = " << v;
    }
    return s;
}

using Encoder = std::function<std::optional<std::uint32_t>(Settings&)>;

double get(Settings& s, std::string_view setting, FieldMeaning meaning, int channel = 0) {
    return s[setting_name(setting, channel) + "/" + std::to_string(static_cast<int>(meaning))];
}

double item(Settings& s, std::string_view setting, int channel = 0) {
    return get(s, setting, FieldMeaning::Item, channel);
}

bool on(Settings& s, std::string_view setting, int channel = 0) {
    return get(s, setting, FieldMeaning::Switch, channel) != 0;
}

LoDivider divider(Settings& s, int channel) {
    return {static_cast<int>(get(s, kLoSetting, FieldMeaning::LoInteger, channel)),
            static_cast<int>(get(s, kLoSetting, FieldMeaning::LoFraction, channel)),
            get(s, kLoSetting, FieldMeaning::IntegerN, channel) != 0};
}

ChannelGains gains(Settings& s, int channel) {
    return {item(s, kFrontEndGainSetting, channel), item(s, kAgcGainSetting, channel),
            item(s, kIfaGainSetting, channel)};
}

std::optional<std::uint32_t> wide_word(Settings& s, int channel) {
    const Channel& words = kChannels[static_cast<std::size_t>(channel - 1)];
    return word_value(get(s, kBandwidthSetting, FieldMeaning::WideBandwidth, channel) != 0
                          ? words.wide_word
                          : words.narrow_word);
}

const std::map<int, Encoder>& encoders() {
    static const std::map<int, Encoder> table = {
        {1,
         [](Settings& s) {
             return bandwidth_word(
                 {item(s, kBandwidthSetting, 1), item(s, kBandwidthSetting, 2),
                  item(s, kBandwidthSetting, 3)},
                 crystal_of_index(static_cast<int>(get(s, kCrystalSetting, FieldMeaning::Crystal)))
                     ->reg1);
         }},
        {2, [](Settings& s) { return channel1_lo_word(divider(s, 1), s[kPreDivider]); }},
        {3, [](Settings& s) { return lo_fraction_word(divider(s, 1)); }},
        {4, [](Settings& s) { return channel23_lo_word(divider(s, 2)); }},
        {5, [](Settings& s) { return lo_fraction_word(divider(s, 2)); }},
        {6, [](Settings& s) { return channel23_lo_word(divider(s, 3)); }},
        {7, [](Settings& s) { return lo_fraction_word(divider(s, 3)); }},
        {8,
         [](Settings& s) {
             return output_format_word(on(s, kDigitalOutSetting), on(s, kAnalogOutSetting),
                                       on(s, kSingleEndedSetting));
         }},
        {9,
         [](Settings& s) {
             return sample_clock_word(
                 {static_cast<int>(item(s, kReASetting)), static_cast<int>(item(s, kReBSetting)),
                  static_cast<int>(item(s, kFbASetting)), static_cast<int>(item(s, kFbBSetting)),
                  static_cast<int>(item(s, kScFpbSetting))});
         }},
        {10,
         [](Settings& s) {
             return channel1_gain_word(gains(s, 1), on(s, kIfaSwitchSetting),
                                       on(s, kAgcSwitchSetting, 1));
         }},
        {11,
         [](Settings& s) { return channel23_gain_word(gains(s, 2), on(s, kAgcSwitchSetting, 2)); }},
        {12,
         [](Settings& s) { return channel23_gain_word(gains(s, 3), on(s, kAgcSwitchSetting, 3)); }},
        {18, [](Settings& s) { return wide_word(s, 1); }},
        {23, [](Settings& s) { return sample_width_word(on(s, kFourBitSetting)); }},
        {27, [](Settings& s) { return wide_word(s, 2); }},
        {34, [](Settings& s) { return wide_word(s, 3); }},
        {40,
         [](Settings& s) {
             return test_mode_word(on(s, kD2STestSetting), on(s, kAdcTestSetting),
                                   on(s, kFreqTestSetting));
         }},
    };
    return table;
}

// The values a field's setting takes at its ends; every crystal for the
// crystal's fields and the LO pre-divider.
std::vector<double> ends(const WordField& field, const PanelOffers& offers) {
    std::vector<double> values;
    switch (field.meaning) {
        case FieldMeaning::Item: {
            const auto items = offered(field, offers);
            return {*std::min_element(items.begin(), items.end()),
                    *std::max_element(items.begin(), items.end())};
        }
        case FieldMeaning::Crystal:
        case FieldMeaning::PreDivider:
            for (int index = 1; index <= static_cast<int>(kCrystals.size()); ++index) {
                values.push_back(field.meaning == FieldMeaning::Crystal
                                     ? index
                                     : crystal_of_index(index)->pre_divider);
            }
            return values;
        case FieldMeaning::LoInteger:
            return {0, kLoIntegerLimit - 1};
        case FieldMeaning::LoFraction:
            return {0, kLoModulus - 1};
        default:
            return {0, 1};
    }
}

TEST(RegisterMap, EveryProducedFieldReencodesToItsWord) {
    FakePlatform platform;
    Module module;
    Kv2841aWindow w{module, platform};
    Form_Load(w);
    const PanelOffers offers = offers_of(w);
    for (int n = 0; n < kRegisterCount; ++n) {
        const auto fields = register_fields(n);
        ASSERT_EQ(fields.empty(), encoders().count(n) == 0) << "REG" << n;
        if (fields.empty()) {
            continue;
        }
        const Settings start =
            read(n, word_value(kDefaultWords[static_cast<std::size_t>(n)]), offers);
        for (const WordField& field : fields) {
            for (const double end : ends(field, offers)) {
                Settings s = start;
                s[key(field)] = end;
                const auto word = encoders().at(n)(s);
                ASSERT_TRUE(word) << "REG" << n << " " << key(field) << " " << end;
                Settings back = read(n, *word, offers);
                EXPECT_EQ(encoders().at(n)(back), word)
                    << "REG" << n << " " << key(field) << " " << end;
                if (field.meaning != FieldMeaning::Crystal) {
                    EXPECT_EQ(back[key(field)], end) << "REG" << n << " " << key(field);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kv::test
