#include <QStackedWidget>

#include "qt/bindings.h"

namespace kv::qt {

// The page area shows the page of the first visible page frame, or nothing.
// A page's widgets are made when it is first needed: shown, or asked for.
void Bindings::pages(QStackedWidget& area, std::vector<Page> pages) {
    page_area_ = &area;
    auto* none = new QWidget(&area);
    area.addWidget(none);
    for (Page& page : pages) {
        page_slots_.push_back({std::move(page), nullptr});
    }
    auto show_visible_page = [this, none] {
        for (PageSlot& slot : page_slots_) {
            if (slot.page.frame->visible()) {
                QWidget* page = made(slot);
                page->setEnabled(slot.page.frame->enabled());
                page_area_->setCurrentWidget(page);
                return;
            }
        }
        page_area_->setCurrentWidget(none);
    };
    for (PageSlot& slot : page_slots_) {
        attach(*slot.page.frame, show_visible_page);
    }
}

QWidget* Bindings::made(PageSlot& slot) {
    if (slot.widget == nullptr) {
        slot.widget = slot.page.make();
        page_area_->addWidget(slot.widget);
        remember(*slot.page.frame, slot.widget);
        slot.widget->setEnabled(slot.page.frame->enabled());
    }
    return slot.widget;
}

void Bindings::make_page(const Frame& frame) {
    for (PageSlot& slot : page_slots_) {
        if (slot.page.frame == &frame) {
            made(slot);
        }
    }
}

void Bindings::make_pages() {
    for (PageSlot& slot : page_slots_) {
        made(slot);
    }
}

}  // namespace kv::qt
