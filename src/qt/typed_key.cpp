#include "qt/typed_key.h"

#include <QKeyEvent>
#include <algorithm>

namespace kv::qt {

QString typed_text(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || event.modifiers().testFlag(Qt::ControlModifier)) {
        return {};
    }
    const bool printable = std::all_of(text.begin(), text.end(),
                                       [](QChar c) { return c.isPrint() || c.isSurrogate(); });
    return printable ? text : QString();
}

bool is_backspace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Backspace &&
           (event.modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace kv::qt
