#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"

namespace kv::qt::test {
namespace {

using ComboBoxBinding = BindingHost;

// Opens the list and clicks the item, as the person does.
void pick_from_list(QComboBox& combo, int row) {
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

struct Events {
    std::vector<std::string> clicks;
    std::vector<std::string> changes;
};

void record(ComboBox& list, Events& events) {
    list.Click = [&] { events.clicks.push_back(list.text()); };
    list.Change = [&] { events.changes.push_back(list.text()); };
}

void fill(ComboBox& list, std::initializer_list<const char*> items) {
    for (const char* item : items) {
        list.AddItem(item);
    }
}

// A channel LO list that takes typing, with its events recorded.
class LoListBinding : public BindingHost {
protected:
    LoListBinding() {
        fill(list, {"1176", "1207", "1227"});
        record(list, events);
    }

    ComboBox list{"ch1bz", nullptr, "1176"};
    Events events;
};

TEST_F(ComboBoxBinding, ItemsAndTextFollowTheList) {
    ComboBox list{"Combo2", nullptr, "10"};
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->currentText(), "10");
    fill(list, {"10", "20", "30", "40"});
    EXPECT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3), "40");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "10");
}

TEST_F(ComboBoxBinding, APickFromTheListRaisesClickOnly) {
    ComboBox list{"Combo2", nullptr, "10"};
    fill(list, {"10", "20", "30", "40"});
    Events events;
    record(list, events);
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    pick_from_list(*combo, 2);
    EXPECT_EQ(events.clicks, std::vector<std::string>{"30"});
    EXPECT_TRUE(events.changes.empty());
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(combo->currentText(), "30");
    pick_from_list(*combo, 2);
    EXPECT_EQ(events.clicks.size(), 2U);
}

TEST_F(ComboBoxBinding, ArrowKeysPickTheNextItem) {
    ComboBox list{"crylist", nullptr, "25"};
    fill(list, {"10", "16.368", "19.2"});
    Events events;
    record(list, events);
    list.KeyPress = discard_keystroke;
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(events.clicks, std::vector<std::string>{"10"});
    EXPECT_EQ(list.text(), "10");
}

TEST_F(ComboBoxBinding, TypingIsDiscardedWhereTheListDiscardsIt) {
    ComboBox list{"Combo1", nullptr, "10"};
    list.AddItem("10");
    list.AddItem("20");
    list.KeyPress = discard_keystroke;
    Events events;
    record(list, events);
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    combo->lineEdit()->setFocus();
    QTest::keyClicks(combo->lineEdit(), "2");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), "10");
    EXPECT_EQ(list.text(), "10");
    EXPECT_TRUE(events.changes.empty());
    EXPECT_TRUE(events.clicks.empty());
}

TEST_F(LoListBinding, TypedFrequencyRaisesChangePerKeystroke) {
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "1300");
    EXPECT_EQ(events.changes, (std::vector<std::string>{"1", "13", "130", "1300"}));
    EXPECT_EQ(list.text(), "1300");
    EXPECT_EQ(combo->count(), 3);
}

TEST_F(LoListBinding, EndingAnEditOnAnItemsTextIsNoPick) {
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "1207");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    auto* other = place(new QLineEdit(&host));
    other->setFocus();
    EXPECT_TRUE(events.clicks.empty());
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(list.text(), "1207");
    EXPECT_EQ(combo->currentText(), "1207");
}

TEST_F(ComboBoxBinding, AssignedTextShowsWithoutAPick) {
    ComboBox list{"crylist", nullptr, "25"};
    list.AddItem("16.368");
    Events events;
    record(list, events);
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    list.set_text("16.368");
    EXPECT_EQ(combo->currentText(), "16.368");
    EXPECT_TRUE(events.clicks.empty());
    EXPECT_EQ(events.changes, std::vector<std::string>{"16.368"});
}

TEST_F(ComboBoxBinding, DisabledListTakesNoPick) {
    ComboBox list{"CH1_AGC_Gain", nullptr, "35"};
    list.AddItem("0");
    list.set_enabled(false);
    Bindings bind;
    QComboBox* combo = place(bind.combo_box(list, &host));
    EXPECT_FALSE(combo->isEnabled());
    list.set_enabled(true);
    EXPECT_TRUE(combo->isEnabled());
}

}  // namespace
}  // namespace kv::qt::test
