#include "files/register_list_applying.h"

#include "panel/kv2841a.h"
#include "panel/register_map.h"

namespace kv {

namespace {

// Writes every register text the settings did not bring to the file's text.
// A text that is neither what the settings gave nor the register's default
// word is one no setting explains.
void write_remaining(Kv2841a& w, const RegisterListFile& file, OpenReport& report) {
    for (int n = 0; n < kRegisterCount; ++n) {
        TextBox& box = w.Text1[static_cast<std::size_t>(n)];
        const std::string& text = file.texts[static_cast<std::size_t>(n)];
        if (box.text() == text) {
            continue;
        }
        if (text != kDefaultWords[static_cast<std::size_t>(n)]) {
            report.unexplained.push_back(n);
        }
        box.set_text(text);
    }
}

void mark_against_chip(Kv2841a& w) {
    for (int n = 0; n < kRegisterCount; ++n) {
        w.mark_by_comparison(n, chip_power_on_word(n));
    }
}

}  // namespace

OpenReport apply_register_list(Kv2841a& w, const RegisterListFile& file) {
    OpenReport report;
    report.cut = file.cut_registers;
    w.hold_message_boxes(true);
    write_remaining(w, file, report);
    w.hold_message_boxes(false);
    mark_against_chip(w);
    return report;
}

}  // namespace kv
