#include "qt/config_window.h"

#include <QEvent>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstddef>
#include <utility>
#include <vector>

#include "panel/kv2841a.h"
#include "qt/focus_sink.h"
#include "qt/pages.h"
#include "qt/qt_text.h"

namespace kv::qt {

ConfigWindow::ConfigWindow(Kv2841a& w, std::function<QDateTime()> clock) {
    setObjectName(QStringLiteral("Kv2841a"));
    setWindowTitle(to_qstring(Kv2841a::kCaption));
    build_menus(w);
    setCentralWidget(build_centre(w));
    bindings_.status_bar(w.StatusBar1, *statusBar(), std::move(clock));
}

void ConfigWindow::build_menus(Kv2841a& w) {
    for (MenuItem* menu : {&w.files, &w.help, &w.Direction}) {
        bindings_.menu(*menu, *menuBar());
    }
}

// The tab strip over the page area; the page area shows the page the model
// makes visible, which is not always the selected tab's.
QWidget* ConfigWindow::build_centre(Kv2841a& w) {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setSpacing(0);
    tab_bar_ = bindings_.tab_strip(w.TabStrip1, centre);
    layout->addWidget(tab_bar_);
    page_area_ = new QStackedWidget(centre);
    page_area_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(page_area_, 1);
    std::vector<Bindings::Page> pages;
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        pages.push_back(
            {&(w.*kPages[i].frame), [this, &w, i] { return kPageLayouts[i](bindings_, w); }});
    }
    bindings_.pages(*page_area_, std::move(pages));
    // The page shown and the largest page are made now: the window takes its
    // size from them. The others follow right after the first frame.
    bindings_.make_page(w.Frame3);
    page_area_->installEventFilter(this);
    FocusSink* sink = bindings_.focus_sink(w.FocusSeter, centre);
    sink->move(0, 0);
    sink->lower();
    return centre;
}

bool ConfigWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_area_ && event->type() == QEvent::Paint) {
        page_area_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { bindings_.make_pages(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kv::qt
