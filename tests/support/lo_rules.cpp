#include <cmath>
#include <string>

#include "panel/numbers.h"
#include "support/register_oracle.h"
#include "support/rule_checks.h"

namespace kv::test::rules {

namespace {

constexpr std::size_t kErrorBoxLength = 9;

// The error box shows the error rounded to fit nine characters: at least
// three significant digits, so one part in a hundred, and never more than a
// few microhertz off the value worked out in plain doubles here.
bool error_close(double shown, double expected) {
    return std::fabs(shown - expected) <= 1e-5 + 1e-2 * std::fabs(expected);
}

void check_channel(const ComboBox& list, const TextBox& error, int channel,
                   const oracle::Crystal& row, Problems& problems) {
    const auto lo = oracle::lo_words(channel, text_value(list.text()), row.mhz, row.pre_divider);
    if (error.text().size() > kErrorBoxLength) {
        problems.add(error.name() + " holds '" + error.text() + "', longer than nine characters");
    }
    if (!lo) {
        if (!error.text().empty() || list.back_color() != kPureRed) {
            problems.add(list.name() + " '" + Problems::shown(list.text()) +
                         "' gives no words, but is not red with an empty error");
        }
        return;
    }
    if (list.back_color() != kWindowBackground) {
        problems.add(list.name() + " '" + Problems::shown(list.text()) + "' is red");
    }
    if (!error_close(text_value(error.text()), lo->error_hz)) {
        problems.add(error.name() + " shows '" + error.text() + "' for an error of " +
                     std::to_string(lo->error_hz) + " Hz");
    }
}

}  // namespace

void check_lo(const Kv2841a& w, const Module& module, Problems& problems) {
    const oracle::Crystal* row = oracle::crystal(module.cry_index);
    if (row == nullptr) {
        return;  // the clock rules tell
    }
    check_channel(w.ch1bz, w.Ch1_Deviation, 1, *row, problems);
    check_channel(w.ch2bz, w.Ch2_Deviation, 2, *row, problems);
    check_channel(w.ch3bz, w.Ch3_Deviation, 3, *row, problems);
}

}  // namespace kv::test::rules
