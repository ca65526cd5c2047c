#include "qt/key_ascii.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace kv::qt {

namespace {

struct EditingKey {
    QKeySequence::StandardKey key;
    int code;
};

constexpr EditingKey kEditingKeys[] = {
    {QKeySequence::Paste, kPasteKey},
    {QKeySequence::Cut, kCutKey},
    {QKeySequence::Undo, kUndoKey},
    {QKeySequence::Redo, kRedoKey},
};

}  // namespace

std::optional<int> key_ascii(const QKeyEvent& event) {
    for (const EditingKey& editing : kEditingKeys) {
        if (event.matches(editing.key)) {
            return editing.code;
        }
    }
    if (event.key() == Qt::Key_Backspace) {
        return kBackspaceKey;
    }
    if (event.key() == Qt::Key_Delete) {
        return kDeleteKey;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return std::nullopt;
    }
    return static_cast<int>(text.toUcs4().value(0));
}

}  // namespace kv::qt
