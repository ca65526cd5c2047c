#include "register_lists/register_list_decoding.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "bandwidth/bandwidth_word.h"
#include "gain/gain_words.h"
#include "output/output_words.h"
#include "panel/channels.h"
#include "panel/crystals.h"
#include "panel/numbers.h"
#include "register_lists/field_search.h"
#include "register_lists/list_text.h"

namespace kv {

namespace {

// A long penalty for an LO the words do not give at a crystal.
constexpr std::size_t kNoLoText = 1000;

std::optional<std::uint32_t> word(const FileWords& words, int n) {
    return words[static_cast<std::size_t>(n)];
}

// A list item with its value, read once; a dimension's items go from the
// lowest value up.
struct Item {
    const std::string* text;
    double value;
};

std::vector<Item> items_of(const std::vector<std::string>& texts) {
    std::vector<Item> items;
    for (const std::string& text : texts) {
        items.push_back({&text, text_value(text)});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.value < b.value; });
    return items;
}

std::vector<int> ascending(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    return values;
}

// A gain word's fields, from the top: front-end gain, switches, AGC gain,
// IF-amplifier gain. The switches count 1 for the AGC switch and 2 for the
// IF-amplifier switch, which REG10 carries above it.
template <typename Encode>
std::optional<ChannelGainSettings> find_gains(const PanelOffers& offers, std::size_t switch_values,
                                              std::uint32_t wanted, Encode encode,
                                              std::size_t& switches) {
    const auto front_ends = items_of(offers.front_end);
    const auto agcs = items_of(offers.agc);
    const auto ifas = items_of(offers.ifa);
    const auto found = find_fields(
        {front_ends.size(), switch_values, agcs.size(), ifas.size()}, wanted,
        [&](const std::vector<std::size_t>& at) {
            return encode(
                ChannelGains{front_ends[at[0]].value, agcs[at[2]].value, ifas[at[3]].value}, at[1]);
        });
    if (!found) {
        return std::nullopt;
    }
    const std::vector<std::size_t>& at = *found;
    switches = at[1];
    return ChannelGainSettings{*front_ends[at[0]].text, *agcs[at[2]].text, *ifas[at[3]].text,
                               (at[1] & 1) != 0};
}

void decode_gains(const FileWords& words, const PanelOffers& offers, DecodedSettings& out) {
    std::size_t switches = 0;
    if (const auto reg10 = word(words, kChannels[0].gain_reg)) {
        out.gains[0] = find_gains(
            offers, 4, *reg10,
            [](const ChannelGains& g, std::size_t sw) {
                return channel1_gain_word(g, (sw & 2) != 0, (sw & 1) != 0);
            },
            switches);
        if (out.gains[0]) {
            out.ifa_switch = (switches & 2) != 0;
        }
    }
    for (std::size_t channel = 1; channel < kChannels.size(); ++channel) {
        if (const auto reg = word(words, kChannels[channel].gain_reg)) {
            out.gains[channel] = find_gains(
                offers, 2, *reg,
                [](const ChannelGains& g, std::size_t sw) {
                    return channel23_gain_word(g, sw != 0);
                },
                switches);
        }
    }
}

void decode_dividers(const FileWords& words, const PanelOffers& o, DecodedSettings& out) {
    const auto reg9 = word(words, 9);
    if (!reg9) {
        return;
    }
    const std::vector<int> dims[] = {ascending(o.re_a), ascending(o.re_b), ascending(o.fb_a),
                                     ascending(o.fb_b), ascending(o.sc_fpb)};
    const auto divider = [&](const std::vector<std::size_t>& at, std::size_t d) {
        return dims[d][at[d]];
    };
    const auto dividers_at = [&](const std::vector<std::size_t>& at) {
        return ClockDividers{divider(at, 0), divider(at, 1), divider(at, 2), divider(at, 3),
                             divider(at, 4)};
    };
    const auto found = find_fields(
        {dims[0].size(), dims[1].size(), dims[2].size(), dims[3].size(), dims[4].size()}, *reg9,
        [&](const auto& at) { return sample_clock_word(dividers_at(at)); });
    if (found) {
        out.dividers = dividers_at(*found);
    }
}

void decode_output(const FileWords& words, DecodedSettings& out) {
    for (const bool on : {false, true}) {
        if (word(words, 23) == sample_width_word(on)) {
            out.four_bit = on;
        }
    }
    for (int bits = 0; bits < 8; ++bits) {
        const bool a = (bits & 1) != 0;
        const bool b = (bits & 2) != 0;
        const bool c = (bits & 4) != 0;
        if (word(words, 8) == output_format_word(b, a, c)) {
            out.output = OutputSettings{a, b, c};
        }
        if (word(words, 40) == test_mode_word(a, b, c)) {
            out.test = TestSwitches{a, b, c};
        }
    }
}

// The crystals whose fields REG1 carries, and the bandwidths over them.
std::vector<int> decode_reg1(const FileWords& words, const PanelOffers& offers,
                             DecodedSettings& out) {
    std::vector<int> crystals;
    const auto reg1 = word(words, 1);
    const auto bandwidths = items_of(offers.bandwidths);
    for (std::size_t i = 0; reg1 && i < kCrystals.size(); ++i) {
        const auto found = find_fields(
            {bandwidths.size(), bandwidths.size(), bandwidths.size()}, *reg1,
            [&](const std::vector<std::size_t>& at) {
                return bandwidth_word(
                    {bandwidths[at[0]].value, bandwidths[at[1]].value, bandwidths[at[2]].value},
                    kCrystals[i].reg1);
            });
        if (found) {
            const std::vector<std::size_t>& at = *found;
            out.bandwidths = {*bandwidths[at[0]].text, *bandwidths[at[1]].text,
                              *bandwidths[at[2]].text};
            crystals.push_back(static_cast<int>(i) + 1);
        }
    }
    return crystals;
}

// A channel's LO from its pair of words, or else from its integer word alone
// when that word is integer-N: its fraction word can then only be 0, and a
// fraction word that is not 0 is one no setting gives.
std::optional<std::string> channel_lo_text(const FileWords& words, int channel,
                                           const Crystal& row) {
    const Channel& c = kChannels[static_cast<std::size_t>(channel - 1)];
    const auto integer = word(words, c.integer_reg);
    const auto fraction = word(words, c.fraction_reg);
    if (!integer) {
        return std::nullopt;
    }
    if (fraction) {
        if (auto text = lo_text(channel, *integer, *fraction, row.mhz, row.pre_divider)) {
            return text;
        }
    }
    return lo_text(channel, *integer, 0, row.mhz, row.pre_divider);
}

std::array<std::optional<std::string>, 3> lo_texts(const FileWords& words, int crystal) {
    const Crystal& row = *crystal_of_index(crystal);
    std::array<std::optional<std::string>, 3> texts;
    for (int channel = 1; channel <= 3; ++channel) {
        texts[static_cast<std::size_t>(channel - 1)] = channel_lo_text(words, channel, row);
    }
    return texts;
}

std::size_t total_length(const std::array<std::optional<std::string>, 3>& texts) {
    std::size_t total = 0;
    for (const auto& text : texts) {
        total += text ? text->size() : kNoLoText;
    }
    return total;
}

// Each word that tells something of the crystal on its own narrows the
// crystals that may have written the file, the surest first: REG1's crystal
// fields, REG2's pre-divider bits, channel 1's pair of LO words. A word that
// fits none of the crystals still possible (typed by hand) tells nothing and
// is passed over. The crystals in the list's order, which offers them from the
// last row to the first; empty when no word tells anything.
std::vector<int> crystals_told(const FileWords& words, const std::vector<int>& reg1_crystals) {
    std::vector<int> possible;
    for (int index = static_cast<int>(kCrystals.size()); index >= 1; --index) {
        possible.push_back(index);
    }
    bool told = false;
    const auto narrow = [&](const auto& fits) {
        std::vector<int> kept;
        std::copy_if(possible.begin(), possible.end(), std::back_inserter(kept), fits);
        if (!kept.empty()) {
            possible = kept;
            told = true;
        }
    };
    if (!reg1_crystals.empty()) {
        narrow([&](int crystal) { return std::ranges::count(reg1_crystals, crystal) != 0; });
    }
    const auto reg2 = word(words, kChannels[0].integer_reg);
    const auto reg3 = word(words, kChannels[0].fraction_reg);
    if (reg2) {
        narrow([&](int crystal) {
            return channel1_integer_word_fits(*reg2, crystal_of_index(crystal)->pre_divider);
        });
    }
    if (reg2 && reg3) {
        narrow([&](int crystal) {
            const Crystal& row = *crystal_of_index(crystal);
            return lo_text(1, *reg2, *reg3, row.mhz, row.pre_divider).has_value();
        });
    }
    return told ? possible : std::vector<int>{};
}

// Among the crystals the words allow, the shortest LO texts win, then the
// window's crystal, then the first in the list's order. When no word tells the
// crystal, the window keeps its own.
void decode_crystal(const FileWords& words, const std::vector<int>& reg1_crystals, int current,
                    DecodedSettings& out) {
    out.crystals_fitted = crystals_told(words, reg1_crystals);
    std::size_t best = kNoLoText * 4;
    for (const int crystal : out.crystals_fitted) {
        const auto texts = lo_texts(words, crystal);
        const std::size_t length = total_length(texts);
        if (length < best || (length == best && crystal == current)) {
            best = length;
            out.crystal = crystal;
            out.lo_mhz = texts;
        }
    }
    if (!out.crystal && crystal_of_index(current) != nullptr) {
        out.lo_mhz = lo_texts(words, current);
    }
}

}  // namespace

FileWords words_of(const std::array<std::string, kRegisterCount>& texts) {
    FileWords words;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        std::uint32_t value = 0;
        const std::string& text = texts[n];
        if (is_word(text) &&
            std::from_chars(text.data(), text.data() + text.size(), value, 16).ec == std::errc{}) {
            words[n] = value;
        }
    }
    return words;
}

DecodedSettings decode_settings(const FileWords& words, const PanelOffers& offers,
                                int current_crystal) {
    DecodedSettings out;
    decode_crystal(words, decode_reg1(words, offers, out), current_crystal, out);
    decode_dividers(words, offers, out);
    decode_output(words, out);
    decode_gains(words, offers, out);
    return out;
}

}  // namespace kv
