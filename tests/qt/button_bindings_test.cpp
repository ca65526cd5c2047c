#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"

namespace kv::qt::test {
namespace {

using ButtonBindings = BindingHost;

// Clicks the box itself, not the empty room its layout gives it.
void click_box(QCheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
}

TEST_F(ButtonBindings, CheckBoxClickTogglesTheControl) {
    CheckBox check{"ADC_ck", nullptr, "输出模式控制"};
    std::vector<int> clicks;
    check.Click = [&] { clicks.push_back(check.value()); };
    Bindings bind;
    QCheckBox* box = place(bind.check_box(check, &host));
    EXPECT_EQ(box->text(), QString::fromUtf8("输出模式控制"));
    click_box(*box);
    EXPECT_EQ(check.value(), 1);
    EXPECT_TRUE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
    EXPECT_FALSE(box->isChecked());
}

TEST_F(ButtonBindings, CheckBoxShowsAValueSetByAProcedure) {
    CheckBox check{"ACout", nullptr, "模拟输出"};
    int clicks = 0;
    check.Click = [&] { ++clicks; };
    Bindings bind;
    QCheckBox* box = place(bind.check_box(check, &host));
    check.set_value(1);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonBindings, OptionButtonsOfAFrameAreExclusive) {
    Frame frame{"Frame17", nullptr, ""};
    OptionButton danduan{"danduan", &frame, "单端输出"};
    OptionButton chafen{"chafen", &frame, "差分输出"};
    std::vector<std::string> clicks;
    danduan.Click = [&] { clicks.push_back("danduan"); };
    chafen.Click = [&] { clicks.push_back("chafen"); };
    Bindings bind;
    QGroupBox* box = place(bind.frame(frame, &host));
    auto* layout = new QVBoxLayout(box);
    QRadioButton* single = bind.option_button(danduan, box);
    QRadioButton* differential = bind.option_button(chafen, box);
    layout->addWidget(single);
    layout->addWidget(differential);
    EXPECT_FALSE(single->isChecked());
    EXPECT_FALSE(differential->isChecked());
    QTest::mouseClick(differential, Qt::LeftButton);
    QTest::mouseClick(single, Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<std::string>{"chafen", "danduan"}));
    EXPECT_TRUE(single->isChecked());
    EXPECT_FALSE(differential->isChecked());
    EXPECT_FALSE(chafen.value());
    QTest::mouseClick(single, Qt::LeftButton);
    EXPECT_TRUE(single->isChecked());
}

TEST_F(ButtonBindings, OptionButtonsMayShowNoneSelected) {
    Frame frame{"Frame15", nullptr, ""};
    OptionButton two{"Option2bit", &frame, "2Bit输出"};
    OptionButton four{"Option4bit", &frame, "4Bit输出"};
    Bindings bind;
    QGroupBox* box = place(bind.frame(frame, &host));
    QRadioButton* four_bit = bind.option_button(four, box);
    bind.option_button(two, box);
    four.set_value(true);
    EXPECT_TRUE(four_bit->isChecked());
    four.set_value(false);
    EXPECT_FALSE(four_bit->isChecked());
}

TEST_F(ButtonBindings, CommandButtonClickReachesTheControl) {
    CommandButton button{"ResetAll", nullptr, "默 认"};
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    Bindings bind;
    QPushButton* widget = place(bind.command_button(button, &host));
    EXPECT_EQ(widget->text(), QString::fromUtf8("默 认"));
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonBindings, DisabledFrameDisablesWhatIsInside) {
    Frame frame{"Frame6", nullptr, "输出模式"};
    CheckBox check{"ACout", &frame, "模拟输出"};
    frame.set_enabled(false);
    Bindings bind;
    QGroupBox* box = place(bind.frame(frame, &host));
    QCheckBox* inside = bind.check_box(check, box);
    box->setLayout(new QVBoxLayout);
    box->layout()->addWidget(inside);
    EXPECT_EQ(box->title(), QString::fromUtf8("输出模式"));
    EXPECT_FALSE(inside->isEnabled());
    click_box(*inside);
    EXPECT_EQ(check.value(), 0);
    frame.set_enabled(true);
    EXPECT_TRUE(inside->isEnabled());
    click_box(*inside);
    EXPECT_EQ(check.value(), 1);
}

TEST_F(ButtonBindings, AnAmpersandInACaptionIsShownAsItself) {
    CheckBox check{"check", nullptr, "A&B"};
    Bindings bind;
    QCheckBox* box = place(bind.check_box(check, &host));
    EXPECT_EQ(box->text(), "A&&B");
}

}  // namespace
}  // namespace kv::qt::test
