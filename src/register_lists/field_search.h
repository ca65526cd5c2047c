#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kv {

// Finds the settings an encoder turns into a wanted word, for a word made of
// fields that do not overlap, each growing with its setting. The settings
// come as dimensions, from the most significant field down, each a count of
// values ordered so that the word grows with the index. Field by field, a
// value is tried only when the words it can still give, with every field
// below at its lowest and at its highest, take in the wanted word: about
// twice the sum of the counts instead of their product.
//   encode(indices) gives the word for one index per dimension, or none.
template <typename Encode>
std::optional<std::vector<std::size_t>> find_fields(const std::vector<std::size_t>& counts,
                                                    std::uint32_t wanted, Encode encode) {
    std::vector<std::size_t> low(counts.size(), 0);
    std::vector<std::size_t> high(counts.size(), 0);
    for (std::size_t d = 0; d < counts.size(); ++d) {
        if (counts[d] == 0) {
            return std::nullopt;
        }
        high[d] = counts[d] - 1;
    }
    const auto search = [&](const auto& self, std::size_t depth) -> bool {
        if (depth == counts.size()) {
            return encode(low) == wanted;
        }
        for (std::size_t i = 0; i < counts[depth]; ++i) {
            low[depth] = i;
            high[depth] = i;
            const auto lowest = encode(low);
            const auto highest = encode(high);
            if (lowest && highest && *lowest <= wanted && wanted <= *highest &&
                self(self, depth + 1)) {
                return true;
            }
        }
        low[depth] = 0;
        high[depth] = counts[depth] - 1;
        return false;
    };
    if (!search(search, 0)) {
        return std::nullopt;
    }
    return low;
}

}  // namespace kv
