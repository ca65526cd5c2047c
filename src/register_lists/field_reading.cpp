#include "register_lists/field_reading.h"

#include <cmath>
#include <vector>

#include "bandwidth/bandwidth_word.h"
#include "panel/channels.h"
#include "panel/crystals.h"
#include "panel/numbers.h"
#include "register_lists/setting_values.h"

namespace kv {

namespace {

constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
constexpr std::string_view kOr = "/";

struct OfferedValue {
    std::string text;
    double value;
};

std::vector<OfferedValue> values_of(const std::vector<std::string>& texts) {
    std::vector<OfferedValue> values;
    for (const std::string& text : texts) {
        values.push_back({text, text_value(text)});
    }
    return values;
}

std::vector<OfferedValue> values_of(const std::vector<int>& dividers) {
    std::vector<OfferedValue> values;
    for (const int divider : dividers) {
        values.push_back({integer_text(divider), static_cast<double>(divider)});
    }
    return values;
}

std::vector<OfferedValue> offered_values(Offered offered, const PanelOffers& o) {
    switch (offered) {
        case Offered::Bandwidths:
            return values_of(o.bandwidths);
        case Offered::FrontEndGains:
            return values_of(o.front_end);
        case Offered::AgcGains:
            return values_of(o.agc);
        case Offered::IfaGains:
            return values_of(o.ifa);
        case Offered::ReA:
            return values_of(o.re_a);
        case Offered::ReB:
            return values_of(o.re_b);
        case Offered::FbA:
            return values_of(o.fb_a);
        case Offered::FbB:
            return values_of(o.fb_b);
        case Offered::ScFpb:
            return values_of(o.sc_fpb);
        case Offered::None:
            break;
    }
    return {};
}

std::string with_unit(const std::string& value, std::string_view unit) {
    return unit.empty() ? value : value + " " + std::string(unit);
}

// The offered items whose code the field holds, "30 MHz".
std::string item_reading(const WordField& field, std::uint32_t value, const PanelOffers& offers) {
    std::string texts;
    for (const OfferedValue& item : offered_values(field.offered, offers)) {
        const double code = field.code != nullptr ? field.code(item.value) : item.value;
        if (code == static_cast<double>(value)) {
            texts += (texts.empty() ? "" : std::string(kOr)) + item.text;
        }
    }
    return texts.empty() ? "no item gives " + integer_text(value) : with_unit(texts, field.unit);
}

std::string switch_reading(const WordField& field, std::uint32_t value) {
    if (value == 0) {
        return std::string(kOff);
    }
    return value == field_mask(field) >> field.low ? std::string(kOn) : "neither on nor off";
}

// The crystals whose fields of REG1 the value holds, "40/20/19.2/10 MHz".
std::string crystal_reading(std::uint32_t value) {
    const CrystalFields& at = kReg1At.crystal;
    std::string texts;
    for (const Crystal& row : kCrystals) {
        const CrystalFields& f = row.reg1;
        const auto fields = static_cast<std::uint32_t>(f.c << (at.c - at.f) | f.d << (at.d - at.f) |
                                                       f.e << (at.e - at.f) | f.f);
        if (fields == value) {
            texts += (texts.empty() ? "" : std::string(kOr)) + number_text(row.mhz);
        }
    }
    return texts.empty() ? "no crystal gives " + integer_text(value) : with_unit(texts, "MHz");
}

std::string lo_reading(std::string_view part, const WordField& field, std::uint32_t value,
                       const DecodedSettings& settings) {
    const auto& lo = settings.lo_mhz[static_cast<std::size_t>(field.channel - 1)];
    return std::string(part) + " " + integer_text(value) + ", " + lo_mhz_value(lo);
}

std::string wide_reading(const WordField& field, std::uint32_t value) {
    const Channel& channel = kChannels[static_cast<std::size_t>(field.channel - 1)];
    const std::string threshold = number_text(kWideAbove) + " MHz";
    if (hex5(value) == channel.wide_word) {
        return "above " + threshold;
    }
    return hex5(value) == channel.narrow_word ? threshold + " or less" : "no bandwidth gives it";
}

}  // namespace

std::string field_reading(const WordField& field, std::uint32_t value,
                          const ListReadingContext& context) {
    switch (field.meaning) {
        case FieldMeaning::Item:
            return item_reading(field, value, context.offers);
        case FieldMeaning::Switch:
            return switch_reading(field, value);
        case FieldMeaning::Crystal:
            return crystal_reading(value);
        case FieldMeaning::PreDivider:
            return "pre-divider " + integer_text(field.pre_divider) + " " +
                   std::string(value != 0 ? kOn : kOff);
        case FieldMeaning::IntegerN:
            return "integer-N " + std::string(value != 0 ? kOn : kOff);
        case FieldMeaning::LoInteger:
            return lo_reading("I", field, value, context.settings);
        case FieldMeaning::LoFraction:
            return lo_reading("W", field, value, context.settings);
        case FieldMeaning::WideBandwidth:
            return wide_reading(field, value);
    }
    return {};
}

}  // namespace kv
