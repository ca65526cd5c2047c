#include "register_lists/list_comparing.h"

#include <algorithm>

#include "panel/numbers.h"
#include "register_lists/field_reading.h"
#include "register_lists/setting_values.h"
#include "register_lists/word_map.h"

namespace kv {

namespace {

constexpr std::string_view kArrow = " → ";
constexpr std::string_view kIndent = "  ";

bool words_differ(const ReadList& a, const ReadList& b, std::size_t n) {
    if (a.words[n] && b.words[n]) {
        return *a.words[n] != *b.words[n];
    }
    return a.texts[n] != b.texts[n];
}

std::vector<SettingChange> setting_changes(const ReadList& before, const ReadList& after) {
    const std::vector<SettingValue> a = setting_values(before.settings);
    const std::vector<SettingValue> b = setting_values(after.settings);
    std::vector<SettingChange> changes;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].value != b[i].value) {
            changes.push_back({a[i].name, a[i].value, b[i].value});
        }
    }
    return changes;
}

void add_field_lines(const ReadList& before, const ReadList& after, const PanelOffers& offers,
                     RegisterChange& change) {
    const auto n = static_cast<std::size_t>(change.reg);
    if (!before.words[n] || !after.words[n]) {
        return;
    }
    const std::uint32_t a = *before.words[n];
    const std::uint32_t b = *after.words[n];
    const ListReadingContext in_a{offers, before.settings};
    const ListReadingContext in_b{offers, after.settings};
    for (const WordField& field : register_fields(change.reg)) {
        const std::uint32_t va = field_value(field, a);
        const std::uint32_t vb = field_value(field, b);
        if (va != vb) {
            change.lines.push_back(bits_text(field) + " " + hex_text(va) + std::string(kArrow) +
                                   hex_text(vb) + "  " + setting_name(field) + " " +
                                   field_reading(field, va, in_a) + std::string(kArrow) +
                                   field_reading(field, vb, in_b));
        }
    }
    const std::uint32_t mask = fixed_bits_mask(change.reg);
    if ((a & mask) != (b & mask)) {
        change.lines.push_back("fixed bits " + *hex5(a & mask) + std::string(kArrow) +
                               *hex5(b & mask));
    }
}

// The settings of the register's fields among those that differ.
void add_setting_lines(const std::vector<SettingChange>& settings, RegisterChange& change) {
    std::vector<std::string> names;
    for (const WordField& field : register_fields(change.reg)) {
        names.push_back(setting_name(field));
    }
    for (const SettingChange& setting : settings) {
        if (std::find(names.begin(), names.end(), setting.name) != names.end()) {
            change.lines.push_back(change_text(setting));
        }
    }
}

}  // namespace

ListComparison compare_lists(const ReadList& before, const ReadList& after,
                             const PanelOffers& offers) {
    ListComparison out{setting_changes(before, after), {}};
    for (std::size_t n = 0; n < before.texts.size(); ++n) {
        if (!words_differ(before, after, n)) {
            continue;
        }
        RegisterChange change{static_cast<int>(n), before.texts[n], after.texts[n], {}};
        if (register_fields(change.reg).empty()) {
            change.lines.emplace_back("fixed word, no setting");
        }
        add_field_lines(before, after, offers, change);
        add_setting_lines(out.settings, change);
        out.registers.push_back(std::move(change));
    }
    return out;
}

std::string change_text(const SettingChange& change) {
    return change.name + " " + change.before + std::string(kArrow) + change.after;
}

std::string comparison_text(const ListComparison& comparison) {
    std::string text;
    for (const RegisterChange& change : comparison.registers) {
        text += "REG" + integer_text(change.reg) + " " + change.before + " " + change.after + "\n";
        for (const std::string& line : change.lines) {
            text += std::string(kIndent) + line + "\n";
        }
    }
    return text;
}

}  // namespace kv
