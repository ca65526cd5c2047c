#include <QSignalBlocker>
#include <QTabBar>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

// The tab strip only selects a tab; which page shows is up to the page frames
// the core makes visible (see page_area_binding.cpp).
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

}  // namespace kv::qt
