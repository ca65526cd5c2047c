#include "qt/bound_line_edit.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "qt/qt_text.h"
#include "qt/typed_key.h"

namespace kv::qt {

namespace {

bool finishes_edit(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Whether the key is the shortcut of an action of the field's window.
bool chooses_menu_item(const QWidget& field, const QKeyEvent& event) {
    if ((event.modifiers() & Qt::ControlModifier) == 0) {
        return false;
    }
    const QKeySequence key(event.keyCombination());
    const auto actions = field.window()->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(),
                       [&key](const QAction* action) { return action->shortcuts().contains(key); });
}

}  // namespace

BoundLineEdit::BoundLineEdit(TextControl& control, QWidget* parent)
    : QLineEdit(parent), control_(control) {}

// The field does not claim a menu's key before the menu sees it.
bool BoundLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        chooses_menu_item(*this, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

// Enter completes the person's entry once the field has had the key.
void BoundLineEdit::keyPressEvent(QKeyEvent* event) {
    if (chooses_menu_item(*this, *event)) {
        event->ignore();
        return;
    }
    const QScopedValueRollback finishing(finishing_, finishes_edit(*event));
    if (offer_to_control(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (finishing_) {
        control_.complete_entry();
    }
}

// The control edits at its own caret, which follows the field's; a control
// that refuses typing (locked, disabled) leaves the key to the field, which
// then only moves or selects.
bool BoundLineEdit::offer_to_control(const QKeyEvent& event) {
    if (is_backspace(event)) {
        return control_.press_backspace();
    }
    const QString text = typed_text(event);
    return !text.isEmpty() && control_.type(to_utf8(text));
}

void BoundLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

// The field shows the control's caret and selection only while it has the
// focus (see TextLink); on the way in it takes them up.
void BoundLineEdit::focusInEvent(QFocusEvent* event) {
    emit focused();
    QLineEdit::focusInEvent(event);
}

// The focus leaving for another place in the window completes the entry,
// once the focus has arrived there: a box it raises then opens over a window
// at rest. A drop-down of the field's own or another window coming to the
// front leaves the entry open.
void BoundLineEdit::focusOutEvent(QFocusEvent* event) {
    const QScopedValueRollback finishing(finishing_, true);
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
        QMetaObject::invokeMethod(
            this, [this] { control_.complete_entry(); }, Qt::QueuedConnection);
    }
    emit focus_left();
}

}  // namespace kv::qt
