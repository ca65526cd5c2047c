#include "qt/bound_combo_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>

#include "qt/typed_key.h"

namespace kv::qt {

BoundComboBox::BoundComboBox(ComboBox& list, QWidget* parent) : QComboBox(parent), list_(list) {
    // Not WheelFocus: the wheel passing over a list gives it no focus.
    setFocusPolicy(Qt::StrongFocus);
}

std::optional<int> BoundComboBox::item_of_text() const {
    const std::optional<std::size_t> item = list_.find_item(list_.text());
    if (!item.has_value()) {
        return std::nullopt;
    }
    return static_cast<int>(*item);
}

// The drop-down is made the first time it opens, and with it the search.
void BoundComboBox::showPopup() {
    view()->installEventFilter(this);
    QComboBox::showPopup();
    if (const std::optional<int> item = item_of_text()) {
        const QModelIndex index = model()->index(*item, modelColumn(), rootModelIndex());
        view()->setCurrentIndex(index);
        view()->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
}

void BoundComboBox::step(int by) {
    const std::optional<int> item = item_of_text();
    const int next = item.has_value() ? *item + by : 0;
    if (next >= 0 && next < count()) {
        list_.pick(static_cast<std::size_t>(next));
    }
}

void BoundComboBox::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == 0;
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        step(event->key() == Qt::Key_Down ? 1 : -1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void BoundComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        step(delta < 0 ? 1 : -1);
    }
    event->accept();
}

// Keys typed into the open drop-down search its items, as in a list view.
bool BoundComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        const QString text = typed_text(*static_cast<QKeyEvent*>(event));
        if (!text.isEmpty()) {
            view()->keyboardSearch(text);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace kv::qt
