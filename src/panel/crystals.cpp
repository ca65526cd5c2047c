#include "panel/crystals.h"

namespace kv {

const Crystal* crystal_of_index(int index) {
    if (index < 1 || index > kCrystalCount) {
        return nullptr;
    }
    return &kCrystals[static_cast<std::size_t>(index - 1)];
}

}  // namespace kv
