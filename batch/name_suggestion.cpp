#include "batch/name_suggestion.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <vector>

namespace kv::batch {

namespace {

constexpr std::size_t kMostEdits = 2;

bool same_letter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

// Levenshtein distance, one row at a time.
std::size_t edit_distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min(
                {above + 1, row[j - 1] + 1, diagonal + (same_letter(a[i - 1], b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<std::string> nearest_name(std::string_view mistyped,
                                        const std::vector<std::string>& names) {
    const std::size_t half = (mistyped.size() + 1) / 2;
    const std::size_t limit = std::min(kMostEdits, half > 0 ? half - 1 : 0);
    std::optional<std::string> nearest;
    std::size_t best = limit + 1;
    for (const std::string& name : names) {
        const std::size_t distance = edit_distance(mistyped, name);
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

}  // namespace kv::batch
