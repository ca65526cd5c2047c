#include "window/list_items.h"

#include "panel/crystals.h"
#include "panel/numbers.h"

namespace kv {

namespace {

// The AGC gain steps 0 to 63.
constexpr int kAgcGainSteps = 64;

std::vector<std::string> crystal_items() {
    std::vector<std::string> items;
    for (auto row = kCrystals.rbegin(); row != kCrystals.rend(); ++row) {
        items.push_back(number_text(row->mhz));
    }
    return items;
}

std::vector<std::string> agc_gain_items() {
    std::vector<std::string> items;
    for (int gain = 0; gain < kAgcGainSteps; ++gain) {
        items.push_back(std::to_string(gain));
    }
    return items;
}

}  // namespace

std::vector<std::string> list_items(ItemList list) {
    switch (list) {
        case ItemList::None:
            return {};
        case ItemList::Bandwidths:
            return {"10", "20", "30", "40"};
        case ItemList::LoFrequencies:
            return {"1176", "1207", "1227", "1242", "1268", "1560", "1574.5", "1598"};
        case ItemList::Crystals:
            return crystal_items();
        case ItemList::FrontEndGains:
            return {"22", "31", "40", "49"};
        case ItemList::AgcGains:
            return agc_gain_items();
        case ItemList::IfaGains:
            return {"0", "8", "16"};
    }
    return {};
}

}  // namespace kv
