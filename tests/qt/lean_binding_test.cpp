#include <gtest/gtest.h>

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <map>
#include <string>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"

// The bindings do no needless work: a procedure writes the same word into a
// box over and over, and the widget is then left alone; a list gets no
// completer. What does change still reaches the widget.
namespace kv::qt::test {
namespace {

using LeanBinding = BindingHost;

// Counts the events of some kinds that reach one widget.
class EventCounter final : public QObject {
public:
    explicit EventCounter(QWidget& widget) { widget.installEventFilter(this); }

    int operator[](QEvent::Type type) const {
        const auto it = counts_.find(type);
        return it == counts_.end() ? 0 : it->second;
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        ++counts_[event->type()];
        return false;
    }

private:
    std::map<QEvent::Type, int> counts_;
};

TEST_F(LeanBinding, SameTextSendsNoToolTipChange) {
    TextBox box{"Text1", nullptr, "90308", 19};
    box.set_back_color(kHighlight);
    box.set_tool_tip("上电默认值90308");
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    const EventCounter events(*edit);
    for (int n = 0; n < 3; ++n) {
        box.set_text("90308");
    }
    EXPECT_EQ(events[QEvent::ToolTipChange], 0);
    EXPECT_EQ(edit->text(), "90308");
}

TEST_F(LeanBinding, ChangedColourAndTipStillArrive) {
    TextBox box{"Text1", nullptr, "011D5", 1};
    Bindings bind;
    QLineEdit* edit = place(bind.text_box(box, &host));
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = QApplication::palette().color(QPalette::Active, QPalette::Base);
    box.set_back_color(kHighlight);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), highlight);
    box.set_back_color(kWindowBackground);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), base);
    box.set_back_color(kHighlight);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), highlight);
    box.set_tool_tip("上电默认值90C00");
    EXPECT_EQ(edit->toolTip(), QString::fromUtf8("上电默认值90C00"));
    box.set_tool_tip("");
    EXPECT_TRUE(edit->toolTip().isEmpty());
}

TEST_F(LeanBinding, ListFollowsItsTextAndNewItemsOnly) {
    ComboBox list{"CH1_AGC_Gain", nullptr, "35"};
    for (int gain = 0; gain <= 63; ++gain) {
        list.AddItem(std::to_string(gain));
    }
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    ASSERT_EQ(combo->count(), 64);
    int rows_removed = 0;
    QObject::connect(combo->model(), &QAbstractItemModel::rowsRemoved, [&] { ++rows_removed; });
    list.set_text("36");
    list.set_text("35");
    EXPECT_EQ(rows_removed, 0);
    EXPECT_EQ(combo->currentText(), "35");
    list.AddItem("64");
    EXPECT_EQ(combo->count(), 65);
    EXPECT_EQ(combo->itemText(64), "64");
}

TEST_F(LeanBinding, ListCompletesNothing) {
    ComboBox list{"ch1bz", nullptr, "1176"};
    for (const char* item : {"1176", "1207", "1227"}) {
        list.AddItem(item);
    }
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    EXPECT_EQ(combo->completer(), nullptr);
    EXPECT_EQ(combo->lineEdit()->completer(), nullptr);
    list.replace_text("12");
    EXPECT_EQ(combo->lineEdit()->text(), "12");
}

}  // namespace
}  // namespace kv::qt::test
