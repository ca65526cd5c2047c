#include "qt/config_window.h"

#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
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
#include "qt/screen_fit.h"

namespace kv::qt {

namespace {

// Scrolls the page area when the window is smaller than the page, rather
// than cutting the page; it asks for the room of the whole page.
class PageScroller final : public QScrollArea {
public:
    explicit PageScroller(QWidget* parent) : QScrollArea(parent) {}

    [[nodiscard]] QSize sizeHint() const override {
        // Room for a scroll bar too, so that the whole page shows without one.
        const int room = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return widget()->sizeHint() + QSize(room, room);
    }
};

QScrollArea* page_scroller(QStackedWidget& area, QWidget* parent) {
    auto* scroller = new PageScroller(parent);
    scroller->setObjectName(QStringLiteral("page_scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    // Not expanding: a window shown without a size of its own takes the
    // whole page's, not two thirds of the screen.
    scroller->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    scroller->setWidgetResizable(true);
    scroller->setWidget(&area);
    // The window's own background shows through: with none of their own the
    // page area and its viewport are painted in the same pass as the page,
    // not once more by themselves at every page switch.
    area.setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    return scroller;
}

}  // namespace

ConfigWindow::ConfigWindow(Kv2841a& w, std::function<QDateTime()> clock) : w_(w) {
    setObjectName(QStringLiteral("Kv2841a"));
    // A box that opened while the person types would take the keys still coming.
    w.set_warnings_wait_for_entry(true);
    setWindowTitle(to_qstring(Kv2841a::kCaption));
    build_menus(w);
    setCentralWidget(build_centre(w));
    bindings_.status_bar(w.StatusBar1, *statusBar(), std::move(clock));
    w.show_comparison = [this](const std::string& path, const ListComparison& comparison) {
        show_comparison(path, comparison);
    };
}

ConfigWindow::~ConfigWindow() {
    w_.show_comparison = nullptr;
}

void ConfigWindow::show_comparison(const std::string& path, const ListComparison& comparison) {
    if (comparison_) {
        comparison_->close();
    }
    comparison_ = new ComparisonWindow(path, comparison, this);
    comparison_->show();
    keep_within_screen(*comparison_);
}

// The window opens at the size of its page: the size Qt gives a new window
// is at most two thirds of the screen, which would make a large screen's
// page scroll. Its menus and bars know their size only once it is shown.
void ConfigWindow::showEvent(QShowEvent* event) {
    if (!sized_) {
        sized_ = true;
        resize(sizeHint());
    }
    QMainWindow::showEvent(event);
}

// The whole page where the screen has room for it; else the page scrolls.
// The bars stay in view wherever the window stands.
void ConfigWindow::fit_to_screen() {
    keep_within_screen(*this);
}

void ConfigWindow::build_menus(Kv2841a& w) {
    for (MenuItem* menu : {&w.files, &w.edit, &w.help, &w.Direction}) {
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
    layout->addWidget(page_scroller(*page_area_, centre), 1);
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
