#include "qt/field_panel_view.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include "qt/qt_text.h"

namespace kv::qt {

namespace {

constexpr char kRegisterProperty[] = "register";
// The panel is as tall as the boxes beside it and takes the width the page
// has left, at least this; a longer line wraps.
constexpr int kPanelCharacters = 16;

}  // namespace

FieldPanelView::FieldPanelView(Kv2841a& w, QWidget* parent) : QPlainTextEdit(parent), panel_(w) {
    setObjectName(QStringLiteral("register_fields"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    setMinimumWidth(fontMetrics().averageCharWidth() * kPanelCharacters + 2 * frameWidth());
    panel_.on_change = [this] { refresh_soon(); };
}

void FieldPanelView::watch(QLineEdit& box, int n) {
    box.setProperty(kRegisterProperty, n);
    box.installEventFilter(this);
}

bool FieldPanelView::eventFilter(QObject* watched, QEvent* event) {
    const int n = watched->property(kRegisterProperty).toInt();
    switch (event->type()) {
        case QEvent::Enter:
            panel_.hover(n);
            break;
        case QEvent::Leave:
            panel_.hover(std::nullopt);
            break;
        case QEvent::FocusIn:
            panel_.focus(n);
            break;
        case QEvent::FocusOut:
            panel_.focus(std::nullopt);
            break;
        default:
            break;
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void FieldPanelView::refresh_soon() {
    if (!refresh_pending_) {
        refresh_pending_ = true;
        QTimer::singleShot(0, this, [this] { refresh(); });
    }
}

void FieldPanelView::refresh() {
    refresh_pending_ = false;
    setPlainText(to_qstring(panel_.text()));
}

}  // namespace kv::qt
