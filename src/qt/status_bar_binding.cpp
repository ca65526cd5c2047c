#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include "qt/bindings.h"
#include "qt/qt_text.h"
#include "qt/translations.h"

namespace kv::qt {

namespace {

constexpr int kClockTickMs = 1000;

// The locale's short time form without its seconds: "HH:mm:ss" -> "HH:mm".
QString hours_and_minutes(const QLocale& locale) {
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    return locale.timeFormat(QLocale::ShortFormat).remove(seconds);
}

// The date and time show in the window's language, whatever the desktop's.
QString panel_text(const StatusBar::Panel& panel, const QDateTime& now) {
    const QLocale locale = window_locale();
    switch (panel.style) {
        case StatusBar::PanelStyle::Date:
            return locale.toString(now.date(), QLocale::ShortFormat);
        case StatusBar::PanelStyle::Time:
            return locale.toString(now.time(), hours_and_minutes(locale));
        case StatusBar::PanelStyle::Text:
            break;
    }
    return to_qstring(panel.text);
}

}  // namespace

// The first panel stretches; the date and time panels keep themselves current
// from a timer, which is the only thing in the window that runs by itself.
void Bindings::status_bar(StatusBar& bar, QStatusBar& widget, std::function<QDateTime()> clock) {
    remember(bar, &widget);
    widget.setSizeGripEnabled(false);
    std::vector<QLabel*> labels;
    for (std::size_t n = 0; n < bar.panels().size(); ++n) {
        auto* label = new QLabel(&widget);
        label->setObjectName(QStringLiteral("panel%1").arg(n + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        if (n == 0) {
            widget.addWidget(label, 1);
        } else {
            widget.addPermanentWidget(label);
        }
        labels.push_back(label);
    }
    auto refresh = [&bar, &widget, labels, clock] {
        refresh_common(widget, bar);
        const QDateTime now = clock();
        for (std::size_t n = 0; n < labels.size(); ++n) {
            labels[n]->setText(panel_text(bar.panels()[n], now));
        }
    };
    auto* timer = new QTimer(&widget);
    on(timer, &QTimer::timeout, refresh);
    timer->start(kClockTickMs);
    attach(bar, refresh);
}

}  // namespace kv::qt
