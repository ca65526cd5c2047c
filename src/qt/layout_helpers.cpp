#include "qt/layout_helpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "panel/channels.h"
#include "panel/kv2841a.h"

namespace kv::qt {

namespace {

constexpr int kFieldPadding = 12;
constexpr int kDropDownButton = 24;

}  // namespace

QLabel* caption(const QString& text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

QLabel* caption(const char* text, QWidget* parent, QWidget* buddy) {
    return caption(QString::fromUtf8(text), parent, buddy);
}

void fit_characters(QWidget& field, int characters) {
    const int width = field.fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters;
    const int button = qobject_cast<QComboBox*>(&field) != nullptr ? kDropDownButton : 0;
    field.setFixedWidth(width + kFieldPadding + button);
}

QGridLayout* page_grid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    return grid;
}

void keep_to_top_left(QGridLayout& grid) {
    grid.setColumnStretch(grid.columnCount(), 1);
    grid.setRowStretch(grid.rowCount(), 1);
}

QString register_name(int n) {
    return QStringLiteral("REG%1").arg(n);
}

QString register_name(const Kv2841a& w, const TextBox& box) {
    return register_name(panel_register(w, box));
}

}  // namespace kv::qt
