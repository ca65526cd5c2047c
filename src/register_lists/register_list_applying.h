#pragma once

#include <string>
#include <vector>

#include "register_lists/list_explaining.h"
#include "register_lists/register_list_decoding.h"
#include "register_lists/register_list_reading.h"

namespace kv {

class Kv2841a;

// What opening a file leaves to say to the person.
struct OpenReport {
    std::vector<int> unexplained;  // registers whose file text differs from the settings' word
    std::vector<std::string> crystals_fitted;  // crystals, in MHz, whose words are the file's
    std::string crystal_chosen;                // set when more than one fitted
    std::vector<int> cut;                      // C list words that may have lost characters
};

// What the window's lists and spins offer.
[[nodiscard]] PanelOffers offers_of(const Kv2841a& w);

// The window's register list, read as a file's, at the window's crystal
// wherever its words fit it (20 and 19.2 MHz give the same REG1 and REG9).
[[nodiscard]] ReadList read_window_list(Kv2841a& w);

// Brings the window to the file: first the settings that produce its words,
// through the window's own procedures and without their reminder boxes, so
// that every register holds the word those settings give (its default word
// where no setting writes it), whatever the window held before; then every
// register whose text differs gets the file's text, as a manual entry would;
// last, every register is marked where its text differs from the chip's
// power-on word.
OpenReport apply_register_list(Kv2841a& w, const RegisterListFile& file);

// The text of the box "提示" after opening, or "" when all is explained.
[[nodiscard]] std::string open_summary(const OpenReport& report);

}  // namespace kv
