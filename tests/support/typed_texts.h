#pragma once

#include <string>

#include "support/rng.h"

namespace kv::test {

// Texts a person may type or paste into a box: numbers in every form (plain,
// negative, with exponent, too large for a double, "nan", "&HFF"), nothing at
// all, digits of other scripts ("１２", "一"), blanks, rubbish and broken UTF-8.
// Short enough to be typed key by key.
[[nodiscard]] std::string any_text(Rng& rng);

// Thousands of characters, as a paste brings them.
[[nodiscard]] std::string huge_text(Rng& rng);

// What a person types into an unlocked register box: words in and out of the
// word form, lower case, too short, too long, or any text at all.
[[nodiscard]] std::string register_text(Rng& rng);

}  // namespace kv::test
