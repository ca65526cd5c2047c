#pragma once

#include <string>
#include <vector>

#include "panel/kv2841a.h"

namespace kv {

// The 44 register texts as the boxes hold them, REG0 first: what a save
// writes and what an opened file is compared with.
[[nodiscard]] inline std::vector<std::string> register_texts(const Kv2841a& w) {
    std::vector<std::string> texts;
    texts.reserve(w.Text1.size());
    for (const TextBox& box : w.Text1) {
        texts.push_back(box.text());
    }
    return texts;
}

}  // namespace kv
