#include "qt/comparison_window.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/qt_text.h"
#include "register_lists/list_comparing.h"

namespace kv::qt {

namespace {

QString settings_text(const ListComparison& comparison) {
    if (comparison.registers.empty()) {
        return to_qstring(kAllWordsEqual);
    }
    if (comparison.settings.empty()) {
        return to_qstring(kNoSettingDiffers);
    }
    QStringList lines;
    for (const SettingChange& change : comparison.settings) {
        lines << to_qstring(change_text(change));
    }
    return lines.join(QLatin1Char('\n'));
}

QTableWidget* register_table(const ListComparison& comparison, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(comparison.registers.size()),
                                   static_cast<int>(kComparisonColumns.size()), parent);
    table->setObjectName(QStringLiteral("comparison_table"));
    QStringList headers;
    for (const std::string_view column : kComparisonColumns) {
        headers << to_qstring(column);
    }
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (const RegisterChange& change : comparison.registers) {
        QStringList lines;
        for (const std::string& line : change.lines) {
            lines << to_qstring(line);
        }
        const QString cells[] = {QStringLiteral("REG%1").arg(change.reg), to_qstring(change.before),
                                 to_qstring(change.after), lines.join(QLatin1Char('\n'))};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        ++row;
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

ComparisonWindow::ComparisonWindow(const std::string& path, const ListComparison& comparison,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("comparison_window"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString file = to_qstring(path);
    setWindowTitle(to_qstring(kComparisonTitle) + QStringLiteral(" - ") +
                   QFileInfo(file).fileName());
    auto* layout = new QVBoxLayout(this);
    auto* file_label = new QLabel(file, this);
    file_label->setObjectName(QStringLiteral("comparison_file"));
    layout->addWidget(file_label);
    auto* settings = new QLabel(settings_text(comparison), this);
    settings->setObjectName(QStringLiteral("comparison_settings"));
    settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(settings);
    layout->addWidget(register_table(comparison, this), 1);
    resize(720, 480);
}

}  // namespace kv::qt
