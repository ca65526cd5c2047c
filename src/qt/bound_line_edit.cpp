#include "qt/bound_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "qt/key_ascii.h"

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
    const std::optional<int> code = key_ascii(*event);
    if (!code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int key = *code;
    const bool offered = control_.raise_key_press(key);
    const QScopedValueRollback announced(announced_, true);
    if (!offered || key == *code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key != 0) {
        // The handler typed another character in place of this one.
        const char32_t character = static_cast<char32_t>(key);
        QKeyEvent replaced(event->type(), 0, Qt::NoModifier, QString::fromUcs4(&character, 1));
        QLineEdit::keyPressEvent(&replaced);
    }
    event->accept();
}

void BoundLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void BoundLineEdit::focusOutEvent(QFocusEvent* event) {
    const QScopedValueRollback finishing(finishing_, true);
    QLineEdit::focusOutEvent(event);
}

}  // namespace kv::qt
