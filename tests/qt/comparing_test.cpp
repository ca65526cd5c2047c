#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <string>
#include <vector>

#include "config_window_host.h"
#include "panel/register_texts.h"
#include "qt/comparison_window.h"
#include "register_lists/register_lists.h"

// The field panel on the page "寄存器列表" and the comparison window, driven
// through their real widgets.
namespace kv::qt::test {
namespace {

class ComparingTest : public ConfigWindowHost {
protected:
    ComparingTest() { select_tab(3); }

    [[nodiscard]] QString fields() const {
        QApplication::processEvents();
        return window->findChild<QPlainTextEdit*>("register_fields")->toPlainText();
    }

    // The mouse moves onto a widget: the widget it leaves and the widget it
    // enters get their events, as the window system's pointer gives them.
    void hover(QWidget* widget) {
        QApplication::processEvents();
        if (hovered_ != nullptr) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(hovered_, &leave);
        }
        const QPointF centre = QRectF(widget->rect()).center();
        QEnterEvent enter(centre, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &enter);
        hovered_ = widget;
    }

    QWidget* hovered_ = nullptr;

    static QString starts(int n, const std::string& word) {
        return QStringLiteral("REG%1 ").arg(n) + QString::fromStdString(word) + '\n';
    }
};

TEST_F(ComparingTest, FieldPanelShowsTheRegisterUnderTheMouseElseTheFocusedOne) {
    hover(reg(2));
    EXPECT_TRUE(fields().startsWith(starts(2, "32178"))) << fields().toStdString();
    EXPECT_TRUE(fields().contains(QString::fromUtf8("bits 11..1 = BC  1通道本振 I 188, 1176 MHz")));
    reg(9)->setFocus();
    EXPECT_TRUE(fields().startsWith(starts(2, "32178"))) << "the mouse comes first";
    hover(window->tab_bar());
    EXPECT_TRUE(fields().startsWith(starts(9, "55700")));
    EXPECT_TRUE(fields().contains(QString::fromUtf8("bits 15..11 = A  反馈分频比A 10")));
    hover(reg(9));
    EXPECT_TRUE(fields().startsWith(starts(9, "55700")));
    EXPECT_EQ(reg(9)->toolTip(), QString()) << "the boxes' tips stay as they are";
    EXPECT_EQ(reg(19)->toolTip(), QString::fromUtf8("上电默认值90308"));
}

TEST_F(ComparingTest, FieldPanelFollowsTheWordsLive) {
    hover(reg(9));
    ASSERT_TRUE(fields().startsWith(starts(9, "55700"))) << fields().toStdString();
    ASSERT_TRUE(w.VScroll_fbA.arrow_up());
    EXPECT_NE(reg(9)->text(), QStringLiteral("55700"));
    EXPECT_TRUE(fields().startsWith(starts(9, w.Text1[9].text())));
}

TEST_F(ComparingTest, CompareWindowShowsWhatDiffersAndChangesNothing) {
    std::vector<std::string> texts = register_texts(w);
    const std::vector<std::string> before = texts;
    texts[1] = "211D5";
    platform.files["b.txt"] = spi_list(texts);
    platform.dialog_answers.emplace_back("b.txt");
    const std::string save_name = w.CommonDialog1.file_name;
    EXPECT_EQ(window->findChild<QAction*>("compare_file")->text(),
              QString::fromUtf8("比较(&C)..."));
    const QKeySequence ctrl_d(Qt::CTRL | Qt::Key_D);
    int taking_ctrl_d = 0;
    for (const QAction* action : window->findChildren<QAction*>()) {
        taking_ctrl_d += action->shortcut() == ctrl_d ? 1 : 0;
    }
    EXPECT_EQ(taking_ctrl_d, 1);

    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);

    ComparisonWindow* comparison = window->comparison_window();
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison->windowTitle(), QString::fromUtf8("比较寄存器列表 - b.txt"));
    EXPECT_EQ(comparison->findChild<QLabel*>("comparison_settings")->text(),
              QString::fromUtf8("2通道带宽 10 MHz → 30 MHz"));
    const auto* table = comparison->findChild<QTableWidget*>("comparison_table");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("REG1"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("011D5"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("211D5"));
    EXPECT_TRUE(table->item(0, 3)->text().contains(QString::fromUtf8("2通道带宽")));
    EXPECT_EQ(register_texts(w), before);
    EXPECT_EQ(w.CommonDialog1.file_name, save_name);
    EXPECT_TRUE(marked(19));
    EXPECT_FALSE(marked(1));
}

}  // namespace
}  // namespace kv::qt::test
