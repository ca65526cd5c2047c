#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "panel/kv2841a.h"
#include "qt/bindings.h"
#include "qt/field_panel_view.h"
#include "qt/layout_helpers.h"
#include "qt/pages.h"

// Page "寄存器列表": the 44 register boxes in four columns of eleven, register
// n in column n / 11 and row n % 11, each named on its left; the default and
// save buttons beside them; the field panel between the two.
namespace kv::qt {

namespace {

constexpr int kRows = 11;
constexpr int kWordCharacters = 6;
constexpr int kButtonCharacters = 12;
constexpr int kButtonGap = 32;

QWidget* register_table(Bindings& bind, Kv2841a& w, QWidget* page, FieldPanelView& fields) {
    auto* table = new QWidget(page);
    auto* grid = page_grid(table);
    grid->setHorizontalSpacing(10);
    for (int n = 0; n < kRegisterCount; ++n) {
        const int row = n % kRows;
        const int column = 2 * (n / kRows);
        QLineEdit* box = bind.text_box(w.register_box(n), table);
        fit_characters(*box, kWordCharacters);
        fields.watch(*box, n);
        QLabel* label = caption(register_name(n), table, box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        // The columns share the width of the page; each name keeps to its box.
        grid->setColumnStretch(column, 1);
    }
    return table;
}

QWidget* buttons(Bindings& bind, Kv2841a& w, QWidget* page) {
    auto* column = new QWidget(page);
    auto* layout = new QVBoxLayout(column);
    for (CommandButton* button :
         {&w.default_reg_list, &w.save_reg_list, &w.SaveHexList, &w.SaveTipList}) {
        QPushButton* widget = bind.command_button(*button, column);
        fit_characters(*widget, kButtonCharacters);
        layout->addWidget(widget);
    }
    layout->addStretch(1);
    return column;
}

}  // namespace

// The field panel stands between the boxes and the buttons, as tall as the
// boxes: the page is no taller for it, and a register's every field shows.
QWidget* register_page(Bindings& bind, Kv2841a& w) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* fields = new FieldPanelView(w, page);
    layout->addWidget(register_table(bind, w, page, *fields), 0, Qt::AlignTop);
    layout->addWidget(fields, 1);
    layout->addSpacing(kButtonGap);
    layout->addWidget(buttons(bind, w, page));
    return page;
}

}  // namespace kv::qt
