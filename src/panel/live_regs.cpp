#include "panel/kv2841a.h"

namespace kv {

void Kv2841a::LiveRegsList() {
    for (const PanelWordCopy& entry : kPanelWordCopies) {
        Text1[static_cast<std::size_t>(entry.reg)].set_text((this->*entry.box).text());
        mark_by_comparison(entry.reg, kDefaultWords[static_cast<std::size_t>(entry.reg)]);
    }
}

}  // namespace kv
