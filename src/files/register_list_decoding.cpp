#include "files/register_list_decoding.h"

#include <algorithm>
#include <charconv>

#include "bandwidth/bandwidth_word.h"
#include "clock/crystals.h"
#include "files/list_text.h"
#include "gain/gain_words.h"
#include "output/output_words.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// A long penalty for an LO the words do not give at a crystal.
constexpr std::size_t kNoLoText = 1000;

std::optional<std::uint32_t> word(const FileWords& words, int n) {
    return words[static_cast<std::size_t>(n)];
}

ChannelGains gains_of(const ChannelGainSettings& s) {
    return {text_value(s.front_end), text_value(s.agc), text_value(s.ifa)};
}

// Every gain setting of a channel the lists offer, until `fits` takes one.
template <typename Fits>
std::optional<ChannelGainSettings> find_gains(const PanelOffers& offers, Fits fits) {
    for (const std::string& front_end : offers.front_end) {
        for (const std::string& agc : offers.agc) {
            for (const std::string& ifa : offers.ifa) {
                for (const bool agc_switch : {false, true}) {
                    const ChannelGainSettings s{front_end, agc, ifa, agc_switch};
                    if (fits(s)) {
                        return s;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

void decode_gains(const FileWords& words, const PanelOffers& offers, DecodedSettings& out) {
    if (const auto reg10 = word(words, 10)) {
        for (const bool ifa_switch : {false, true}) {
            const auto fits = [&](const ChannelGainSettings& s) {
                return channel1_gain_word(gains_of(s), ifa_switch, s.agc_switch) == reg10;
            };
            if (auto found = find_gains(offers, fits)) {
                out.gains[0] = found;
                out.ifa_switch = ifa_switch;
            }
        }
    }
    for (const int channel : {2, 3}) {
        if (const auto reg = word(words, 9 + channel)) {
            out.gains[static_cast<std::size_t>(channel - 1)] =
                find_gains(offers, [&](const ChannelGainSettings& s) {
                    return channel23_gain_word(gains_of(s), s.agc_switch) == reg;
                });
        }
    }
}

void decode_dividers(const FileWords& words, const PanelOffers& o, DecodedSettings& out) {
    const auto reg9 = word(words, 9);
    for (const int re_a : o.re_a) {
        for (const int re_b : o.re_b) {
            for (const int fb_a : o.fb_a) {
                for (const int fb_b : o.fb_b) {
                    for (const int sc_fpb : o.sc_fpb) {
                        const ClockDividers d{re_a, re_b, fb_a, fb_b, sc_fpb};
                        if (reg9 && sample_clock_word(d) == reg9) {
                            out.dividers = d;
                            return;
                        }
                    }
                }
            }
        }
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
    for (std::size_t i = 0; reg1 && i < kCrystals.size(); ++i) {
        for (const std::string& b1 : offers.bandwidths) {
            for (const std::string& b2 : offers.bandwidths) {
                for (const std::string& b3 : offers.bandwidths) {
                    const std::array<double, 3> mhz{text_value(b1), text_value(b2), text_value(b3)};
                    if (bandwidth_word(mhz, kCrystals[i].reg1) == reg1) {
                        out.bandwidths = {b1, b2, b3};
                        crystals.push_back(static_cast<int>(i) + 1);
                    }
                }
            }
        }
    }
    return crystals;
}

std::array<std::optional<std::string>, 3> lo_texts(const FileWords& words, int crystal) {
    const Crystal& row = kCrystals[static_cast<std::size_t>(crystal - 1)];
    std::array<std::optional<std::string>, 3> texts;
    for (int channel = 1; channel <= 3; ++channel) {
        const auto integer = word(words, 2 * channel);
        const auto fraction = word(words, 2 * channel + 1);
        if (integer && fraction) {
            texts[static_cast<std::size_t>(channel - 1)] =
                lo_text(channel, *integer, *fraction, row.mhz, row.pre_divider);
        }
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

// Among the crystals REG1 allows, those whose pre-divider channel 1's words
// carry fit; the shortest LO texts win, then the window's crystal, then the
// first in the list, which offers the crystals from the last row to the first.
void decode_crystal(const FileWords& words, std::vector<int> allowed, int current,
                    DecodedSettings& out) {
    std::sort(allowed.begin(), allowed.end(), std::greater<>());
    allowed.erase(std::unique(allowed.begin(), allowed.end()), allowed.end());
    const bool channel1_words = word(words, 2) && word(words, 3);
    for (const int crystal : allowed) {
        if (!channel1_words || lo_texts(words, crystal)[0]) {
            out.crystals_fitted.push_back(crystal);
        }
    }
    if (out.crystals_fitted.empty()) {
        out.crystals_fitted = allowed;
    }
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

FileWords words_of(const std::array<std::string, 44>& texts) {
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
