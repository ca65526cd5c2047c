#include <QKeySequence>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>

#include "qt/bindings.h"
#include "qt/qt_text.h"

namespace kv::qt {

namespace {

void select_index(TabStrip& tabs, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < tabs.tabs().size()) {
        tabs.select(tabs.tabs()[static_cast<std::size_t>(index)].key);
    }
}

// The next or the previous tab, round the strip.
int stepped(const TabStrip& tabs, int by) {
    const int count = static_cast<int>(tabs.tabs().size());
    return (static_cast<int>(tabs.selected()) + by + count) % count;
}

}  // namespace

// The tab strip only selects a tab; which page shows is up to the page frames
// the core makes visible (see page_area_binding.cpp). Every click on a tab
// selects it, even the tab already selected: the page shown may be another.
// Ctrl+Tab and Ctrl+PgDn select the next tab from anywhere in the window,
// Ctrl+Shift+Tab and Ctrl+PgUp the previous one.
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
    // A click comes before the bar moves its selection; the keys on the bar
    // move it without a click.
    on(bar, &QTabBar::tabBarClicked, [&tabs, refresh](int index) {
        select_index(tabs, index);
        refresh();
    });
    on(bar, &QTabBar::currentChanged, [&tabs, refresh](int index) {
        select_index(tabs, index);
        refresh();
    });
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, by] : steps) {
        auto* shortcut = new QShortcut(keys, bar, nullptr, nullptr, Qt::WindowShortcut);
        on(shortcut, &QShortcut::activated, [&tabs, refresh, by = by] {
            select_index(tabs, stepped(tabs, by));
            refresh();
        });
    }
    attach(tabs, refresh);
    return bar;
}

}  // namespace kv::qt
