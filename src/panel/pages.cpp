#include <cstddef>

#include "panel/kv2841a.h"

namespace kv {

std::vector<TabStrip::Tab> Kv2841a::page_tabs() {
    std::vector<TabStrip::Tab> tabs;
    for (const Page& page : kPages) {
        tabs.push_back({std::string(page.key), std::string(page.caption)});
    }
    return tabs;
}

// The page frames lie on top of each other. Exactly one page is visible;
// the view changes pages once, not through a page of none.
void Kv2841a::show_page(const Frame& page) {
    const ViewUpdateBatch batch;
    for (const Page& each : kPages) {
        Frame& frame = this->*each.frame;
        frame.set_visible(&frame == &page);
    }
}

// Shows the page of the selected tab and hides the others. A tab without a
// page changes no page.
void Kv2841a::TabStrip1_Click() {
    const std::size_t selected = TabStrip1.selected();
    if (selected < kPages.size()) {
        show_page(this->*kPages[selected].frame);
    }
    SetFocus(FocusSeter);
}

void Kv2841a::attach_pages() {
    TabStrip1.Click = [this] { TabStrip1_Click(); };
}

}  // namespace kv
