#include "qt/bindings.h"
#include "qt/board_cell.h"
#include "qt/qt_text.h"
#include "qt/system_colour.h"

namespace kv::qt {

BoardCell* Bindings::label(Label& label, QWidget* parent) {
    auto* cell = new BoardCell(parent);
    remember(label, cell);
    on(cell, &BoardCell::clicked, [&label] { label.click(); });
    attach(label, [cell, &label] {
        refresh_common(*cell, label);
        cell->setText(to_qstring(label.caption()));
        apply_fill_colour(*cell, label.back_color());
    });
    return cell;
}

}  // namespace kv::qt
