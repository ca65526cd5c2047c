#include "qt/bound_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "qt/qt_text.h"
#include "qt/typed_key.h"

namespace kv::qt {

namespace {

bool finishes_edit(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

BoundLineEdit::BoundLineEdit(TextControl& control, QWidget* parent)
    : QLineEdit(parent), control_(control) {}

void BoundLineEdit::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback finishing(finishing_, finishes_edit(*event));
    if (offer_to_control(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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

void BoundLineEdit::focusOutEvent(QFocusEvent* event) {
    const QScopedValueRollback finishing(finishing_, true);
    QLineEdit::focusOutEvent(event);
}

}  // namespace kv::qt
