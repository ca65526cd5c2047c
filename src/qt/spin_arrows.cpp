#include "qt/spin_arrows.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kv::qt {

namespace {

constexpr int kFocusMargin = 2;

QToolButton* arrow_button(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

}  // namespace

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent),
      upper_(arrow_button(Qt::UpArrow, "upper", this)),
      lower_(arrow_button(Qt::DownArrow, "lower", this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
    layout->setSpacing(0);
    layout->addWidget(upper_);
    layout->addWidget(lower_);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(upper_, &QToolButton::clicked, this, &SpinArrows::upper_arrow);
    connect(lower_, &QToolButton::clicked, this, &SpinArrows::lower_arrow);
}

QSize SpinArrows::sizeHint() const {
    const int width = fontMetrics().height();
    return {width + 2 * kFocusMargin, 2 * width};
}

void SpinArrows::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0) {
        emit upper_arrow();
    } else if (delta < 0) {
        emit lower_arrow();
    }
    event->accept();
}

void SpinArrows::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        emit upper_arrow();
    } else if (event->key() == Qt::Key_Down) {
        emit lower_arrow();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// The arrows fill the spin but for a margin, where the focus frame shows.
void SpinArrows::paintEvent(QPaintEvent* /*event*/) {
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace kv::qt
