#pragma once

#include <QComboBox>
#include <optional>

#include "panel/controls.h"

namespace kv::qt {

// The widget of a list. Its value is its text: the drop-down opens on the
// item equal to the text, and Up and Down (and Page Up and Page Down) on the
// closed list pick the item after or before that one (the first item when
// none equals the text). The
// mouse wheel steps the list only while it has the keyboard focus, so that
// scrolling over a page never changes a setting. Every step is the list's
// pick. Typing into the open drop-down moves to the next item that starts
// with what was typed; Enter or a click picks it. (Typing into the closed list
// goes to its edit part, where a list that refuses typing discards it.)
class BoundComboBox final : public QComboBox {
    Q_OBJECT

public:
    BoundComboBox(ComboBox& list, QWidget* parent);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The item equal to the list's text, if there is one.
    [[nodiscard]] std::optional<int> item_of_text() const;
    // The item `by` places from the one equal to the text; the first when none is.
    [[nodiscard]] int stepped(int by) const;
    // The item a key on the closed list goes to, if the key moves in the list.
    [[nodiscard]] std::optional<int> item_for_key(int key) const;
    // Picks the item, unless it is the list's value already or there is no such item.
    void go_to(int item);

    ComboBox& list_;
};

}  // namespace kv::qt
