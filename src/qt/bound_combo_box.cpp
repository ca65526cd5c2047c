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

int BoundComboBox::stepped(int by) const {
    const std::optional<int> item = item_of_text();
    return item.has_value() ? *item + by : 0;
}

// Up and Page Up step back, Down and Page Down forward. Home and End go to the
// first and last item of a list that takes no typing; in a list that takes a
// typed value they move the caret in its text.
std::optional<int> BoundComboBox::item_for_key(int key) const {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            return stepped(-1);
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            return stepped(1);
        case Qt::Key_Home:
            return list_.discards_keys() ? std::optional<int>(0) : std::nullopt;
        case Qt::Key_End:
            return list_.discards_keys() ? std::optional<int>(count() - 1) : std::nullopt;
        default:
            return std::nullopt;
    }
}

void BoundComboBox::go_to(int item) {
    if (item >= 0 && item < count() && item_of_text() != item) {
        list_.pick(static_cast<std::size_t>(item));
    }
}

void BoundComboBox::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == 0;
    if (const std::optional<int> item = plain ? item_for_key(event->key()) : std::nullopt) {
        go_to(*item);
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
        go_to(stepped(delta < 0 ? 1 : -1));
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
