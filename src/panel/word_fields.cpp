#include "panel/word_fields.h"

#include <cmath>

#include "panel/numbers.h"

namespace kv {

std::optional<std::uint32_t> word_of(double sum) {
    const double value = std::nearbyint(sum);
    if (!(value >= 0 && value <= static_cast<double>(kLargestWord))) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace kv
