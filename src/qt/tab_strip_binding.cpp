#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

// The tab strip only selects a tab; which page shows is up to the page frames
// the core makes visible (see pages below).
QTabBar* Bindings::tab_strip(TabStrip& tabs, QWidget* parent) {
    auto* bar = new QTabBar(parent);
    bar->setExpanding(false);
    bar->setDrawBase(false);
    remember(tabs, bar);
    for (const TabStrip::Tab& tab : tabs.tabs()) {
        bar->addTab(to_qstring(tab.caption));
    }
    auto refresh = [bar, &tabs] {
        refresh_common(*bar, tabs);
        const QSignalBlocker block(bar);
        bar->setCurrentIndex(static_cast<int>(tabs.selected()));
    };
    on(bar, &QTabBar::currentChanged, [&tabs, refresh](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < tabs.tabs().size()) {
            tabs.select(tabs.tabs()[static_cast<std::size_t>(index)].key);
        }
        refresh();
    });
    attach(tabs, refresh);
    return bar;
}

void Bindings::pages(QStackedWidget& area, const std::vector<std::pair<Frame*, QWidget*>>& pages) {
    auto* none = new QWidget(&area);
    area.addWidget(none);
    for (const auto& [frame, page] : pages) {
        area.addWidget(page);
        remember(*frame, page);
    }
    auto show_visible_page = [&area, none, pages] {
        for (const auto& [frame, page] : pages) {
            if (frame->visible()) {
                page->setEnabled(frame->enabled());
                area.setCurrentWidget(page);
                return;
            }
        }
        area.setCurrentWidget(none);
    };
    for (const auto& [frame, page] : pages) {
        attach(*frame, show_visible_page);
    }
}

}  // namespace kv::qt
