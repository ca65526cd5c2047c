#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <map>

#include "config_window_host.h"
#include "page_geometry.h"
#include "qt/qt_text.h"
#include "qt/spin_arrows.h"
#include "window/window.h"

// What each page shows and where: the frames with their captions, the
// captions and units beside the boxes, the spin arrows beside the dividers,
// the register table's rows, the look of the disabled frames.
namespace kv::qt::test {
namespace {

using Pages = ConfigWindowHost;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// How many shown labels inside the widget read exactly the text.
int labels_reading(const QWidget& root, const char* text) {
    int count = 0;
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        count += label->isVisible() && label->text() == utf8(text) ? 1 : 0;
    }
    return count;
}

struct FieldCaptions {
    const Control& field;
    const char* left;   // the caption on its left, or null
    const char* right;  // the unit on its right, or null
};

void expect_captions(const Bindings& bind, std::initializer_list<FieldCaptions> rows) {
    for (const FieldCaptions& row : rows) {
        const QWidget* field = bind.widget_of(row.field);
        ASSERT_NE(field, nullptr) << row.field.name();
        EXPECT_TRUE(field->isVisible()) << row.field.name();
        if (row.left != nullptr) {
            EXPECT_NE(caption_beside(*field, utf8(row.left), false), nullptr)
                << row.left << " left of " << row.field.name();
        }
        if (row.right != nullptr) {
            EXPECT_NE(caption_beside(*field, utf8(row.right), true), nullptr)
                << row.right << " right of " << row.field.name();
        }
    }
}

struct FrameTitle {
    const Frame& frame;
    const char* title;
};

void expect_titles(const Bindings& bind, std::initializer_list<FrameTitle> rows) {
    for (const FrameTitle& row : rows) {
        EXPECT_EQ(qobject_cast<QGroupBox*>(bind.widget_of(row.frame))->title(), utf8(row.title))
            << row.frame.name();
    }
}

struct ButtonCaption {
    const Control& button;
    const char* caption;
};

void expect_buttons(const Bindings& bind, std::initializer_list<ButtonCaption> rows) {
    for (const ButtonCaption& row : rows) {
        const auto* button = qobject_cast<QAbstractButton*>(bind.widget_of(row.button));
        ASSERT_NE(button, nullptr) << row.button.name();
        EXPECT_EQ(button->text(), utf8(row.caption)) << row.button.name();
        EXPECT_TRUE(button->isVisible()) << row.button.name();
    }
}

TEST_F(Pages, FunctionPageFramesCaptionsAndUnits) {
    expect_titles(window->bindings(), {{w.Frame7, "带宽选择"},
                                       {w.Frame12, "晶振选择"},
                                       {w.Frame8, "频率调节"},
                                       {w.Frame9, "1通道本振"},
                                       {w.Frame10, "2通道本振"},
                                       {w.Frame11, "3通道本振"},
                                       {w.Frame6, "输出模式"},
                                       {w.Frame5, "TestMode开关"},
                                       {w.Frame19, ""}});
    expect_captions(window->bindings(),
                    {{w.Combo1, "1通道", "MHz"},      {w.Combo2, "2通道", "MHz"},
                     {w.Combo3, "3通道", "MHz"},      {w.reg1_te, "REG1", nullptr},
                     {w.crylist, nullptr, "MHz"},     {w.ch1bz, nullptr, "MHz"},
                     {w.Ch1_Deviation, "偏差", "Hz"}, {w.reg2_te, "REG2", nullptr},
                     {w.reg3_te, "REG3", nullptr},    {w.ch2bz, nullptr, "MHz"},
                     {w.Ch2_Deviation, "偏差", "Hz"}, {w.reg4_te, "REG4", nullptr},
                     {w.reg5_te, "REG5", nullptr},    {w.ch3bz, nullptr, "MHz"},
                     {w.Ch3_Deviation, "偏差", "Hz"}, {w.reg6_te, "REG6", nullptr},
                     {w.reg7_te, "REG7", nullptr},    {w.outmode, "REG8", nullptr},
                     {w.Reg23Ctrl, "REG23", nullptr}, {w.testmode, "REG40", nullptr}});
    expect_buttons(window->bindings(), {{w.ResetAll, "默 认"},
                                        {w.ACout, "模拟输出"},
                                        {w.danduan, "单端输出"},
                                        {w.chafen, "差分输出"},
                                        {w.DCout, "数字输出"},
                                        {w.Option2bit, "2Bit输出"},
                                        {w.Option4bit, "4Bit输出"},
                                        {w.ADC_ck, "输出模式控制"},
                                        {w.D2S_ck, "单端差分控制"},
                                        {w.Freq_ck, "频率调节控制"}});
}

TEST_F(Pages, TheLoErrorShowsInHzAsTheCoreWritesIt) {
    for (const TextBox* box : {&w.Ch1_Deviation, &w.Ch2_Deviation, &w.Ch3_Deviation}) {
        const auto* edit = widget<QLineEdit>(*box);
        EXPECT_EQ(edit->text(), to_qstring(box->text())) << box->name();
        EXPECT_FALSE(edit->text().isEmpty()) << box->name();
    }
    EXPECT_EQ(widget<QLineEdit>(w.Ch1_Deviation)->text(), "1.9073541");
}

// Every widget inside the frame, and the frame itself, enabled or not.
void expect_frame_enabled(const QGroupBox& frame, bool enabled) {
    EXPECT_EQ(frame.isEnabled(), enabled) << frame.objectName().toStdString();
    for (const QWidget* inside : frame.findChildren<QWidget*>()) {
        if (!enabled) {
            EXPECT_FALSE(inside->isEnabled()) << inside->objectName().toStdString();
        }
    }
}

TEST_F(Pages, DisabledFramesLookDisabledUntilTheirTestSwitchOpensThem) {
    auto* output = widget<QGroupBox>(w.Frame6);
    auto* frequency = widget<QGroupBox>(w.Frame8);
    expect_frame_enabled(*output, false);
    expect_frame_enabled(*frequency, false);
    const QPalette& look = output->palette();
    EXPECT_NE(look.color(QPalette::Disabled, QPalette::WindowText),
              look.color(QPalette::Active, QPalette::WindowText));
    for (const CheckBox* check : {&w.ADC_ck, &w.Freq_ck}) {
        auto* box = widget<QAbstractButton>(*check);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    expect_frame_enabled(*output, true);
    expect_frame_enabled(*frequency, true);
    EXPECT_TRUE(widget(w.ch2bz)->isEnabled());
    EXPECT_TRUE(widget(w.ACout)->isEnabled());
    // Inside the opened frame the options wait for their own switches.
    EXPECT_FALSE(widget(w.danduan)->isEnabled());
    EXPECT_FALSE(widget(w.Option2bit)->isEnabled());
}

TEST_F(Pages, ClockPageDrawsTheChainWithItsCaptions) {
    select_tab(1);
    const QWidget& page = *widget(w.Frame3);
    for (const char* caption : {"晶振频率", "参考钟分频器", "鉴相频率", "鉴相鉴频器", "反馈分频器",
                                "VCO振荡频率", "输出分频器", "分频比", "采样钟频率"}) {
        EXPECT_EQ(labels_reading(page, caption), 1) << caption;
    }
    EXPECT_EQ(labels_reading(page, "分频比A"), 2);
    EXPECT_EQ(labels_reading(page, "分频比B"), 2);
    expect_captions(window->bindings(), {{w.crystal, nullptr, nullptr},
                                         {w.reA, "分频比A", nullptr},
                                         {w.reB, "分频比B", nullptr},
                                         {w.JXfreq, nullptr, "MHz"},
                                         {w.fbA, "分频比A", nullptr},
                                         {w.fbB, "分频比B", nullptr},
                                         {w.VCO, nullptr, "MHz"},
                                         {w.SCfpb, "分频比", nullptr},
                                         {w.CYZfreq, nullptr, "MHz"},
                                         {w.reg9_val, "REG9", nullptr}});
    expect_buttons(window->bindings(), {{w.RessetAll2, "默 认"}});
    EXPECT_EQ(widget(w.YFPB), nullptr);
}

TEST_F(Pages, TheFormulaFrameHoldsTheThreeFormulasVerbatim) {
    select_tab(1);
    auto* frame = widget<QGroupBox>(w.Frame4);
    EXPECT_EQ(frame->title(), utf8("计算公式"));
    QStringList formulas;
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
        formulas << label->text();
    }
    EXPECT_EQ(
        formulas,
        (QStringList{utf8("VCO鉴相频率 = 鉴相频率×反馈分频比A×反馈分频比B "),
                     utf8("鉴相频率 = 晶振频率÷参考分频比A÷参考分频比B"),
                     utf8("采样钟频率 = 晶振频率÷参考分频比A÷参考分频比B×反馈分频比A×反馈分频比B÷"
                          "输出分频比 ")}));
}

TEST_F(Pages, EachSpinStandsRightBesideItsBox) {
    select_tab(1);
    const std::pair<const TextBox*, const ScrollBar*> pairs[] = {
        {&w.crystal, &w.VScroll_crystal}, {&w.reA, &w.VScroll_reA}, {&w.reB, &w.VScroll_reB},
        {&w.fbA, &w.VScroll_fbA},         {&w.fbB, &w.VScroll_fbB}, {&w.SCfpb, &w.VScroll_SCfpb}};
    for (const auto& [box, bar] : pairs) {
        const QRect field = window_rect(*widget(*box));
        const QRect spin = window_rect(*widget(*bar));
        const int gap = spin.left() - field.right();
        EXPECT_GE(gap, 0) << bar->name();
        EXPECT_LE(gap, field.height()) << bar->name();
        EXPECT_TRUE(on_one_row(field, spin)) << bar->name();
    }
}

struct ArrowRow {
    const char* name;
    bool upper;
    const char* shown;
};

// From the start settings (reA 1, reB 5, fbA 10, fbB 4, SCfpb 8) one arrow
// click; a divider at its end stays.
TEST_F(Pages, OneArrowClickMovesEachDividerOneStep) {
    const ArrowRow rows[] = {
        {"reA", true, "2"},   {"reA", false, "1"},   {"reB", true, "6"}, {"reB", false, "4"},
        {"fbA", true, "11"},  {"fbA", false, "9"},   {"fbB", true, "4"}, {"fbB", false, "2"},
        {"SCfpb", true, "8"}, {"SCfpb", false, "6"},
    };
    select_tab(1);
    for (const ArrowRow& row : rows) {
        ResetAll_Click(w);
        const Control* box = w.find(row.name);
        const Control* bar = w.find(std::string("VScroll_") + row.name);
        auto* spin = widget<SpinArrows>(*bar);
        QTest::mouseClick(row.upper ? spin->upper() : spin->lower(), Qt::LeftButton);
        EXPECT_EQ(widget<QLineEdit>(*box)->text(), row.shown) << row.name << row.upper;
        EXPECT_EQ(static_cast<const TextBox*>(box)->text(), row.shown) << row.name;
        EXPECT_EQ(reg(9)->text(), to_qstring(w.reg9_val.text())) << row.name;
    }
}

TEST_F(Pages, TheVcoBoxIsRedOnlyOutOfRange) {
    select_tab(1);
    auto* vco = widget<QLineEdit>(w.VCO);
    auto* spin = widget<SpinArrows>(w.VScroll_fbB);
    const QColor normal = vco->palette().color(QPalette::Active, QPalette::Base);
    EXPECT_NE(normal, QColor(255, 0, 0));
    w.fbA.set_text("31");
    EXPECT_EQ(vco->palette().color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
    QTest::mouseClick(spin->lower(), Qt::LeftButton);
    EXPECT_EQ(vco->text(), "310");
    EXPECT_EQ(vco->palette().color(QPalette::Active, QPalette::Base), normal);
}

struct GainFrame {
    const Frame& frame;
    const ComboBox& front_end;
    const ComboBox& agc;
    const ComboBox& ifa;
    const TextBox& analog;
    const TextBox& digital;
    const TextBox& word;
    const char* word_caption;
    const CheckBox& agc_switch;
    const OptionButton& buffer;
};

TEST_F(Pages, GainPageFramesShareTheirLayout) {
    select_tab(2);
    const GainFrame frames[] = {
        {w.Frame18, w.CH1_RF_Gain, w.CH1_AGC_Gain, w.CH1_IFA_Gain, w.CH1_AC_Gain, w.CH1_DC_Gain,
         w.Reg10_Show, "REG10", w.CH1_AGC_SW, w.CH1_OBuffer},
        {w.Frame14, w.CH2_RF_Gain, w.CH2_AGC_Gain, w.CH2_IFA_Gain, w.CH2_AC_Gain, w.CH2_DC_Gain,
         w.Reg11_Show, "REG11", w.CH2_AGC_SW, w.CH2_OBuffer},
        {w.Frame16, w.CH3_RF_Gain, w.CH3_AGC_Gain, w.CH3_IFA_Gain, w.CH3_AC_Gain, w.CH3_DC_Gain,
         w.Reg12_Show, "REG12", w.CH3_AGC_SW, w.CH3_OBuffer},
    };
    const char* titles[] = {"1通道增益控制", "2通道增益控制", "3通道增益控制"};
    int n = 0;
    for (const GainFrame& f : frames) {
        const auto* frame = widget<QGroupBox>(f.frame);
        EXPECT_EQ(frame->title(), utf8(titles[n++]));
        const std::pair<const char*, const ComboBox*> columns[] = {
            {"前端增益", &f.front_end}, {"AGC增益", &f.agc}, {"IFA增益", &f.ifa}};
        for (const auto& [heading, list] : columns) {
            EXPECT_EQ(labels_reading(*frame, heading), 1) << heading;
            EXPECT_TRUE(caption_above(*widget(*list), utf8(heading)))
                << heading << " over " << list->name();
        }
        EXPECT_EQ(labels_reading(*frame, "模拟OBuffer增益"), 1);
        expect_captions(window->bindings(), {{f.analog, "模拟增益", "dBm"},
                                             {f.digital, "数字增益", "dBm"},
                                             {f.word, f.word_caption, nullptr}});
        expect_buttons(window->bindings(), {{f.agc_switch, "AGC自动开关"}, {f.buffer, "3dBm"}});
        EXPECT_FALSE(widget(f.buffer)->isEnabled());
        EXPECT_TRUE(widget<QRadioButton>(f.buffer)->isChecked());
        EXPECT_TRUE(widget<QLineEdit>(f.word)->isReadOnly());
        EXPECT_EQ(labels_reading(*frame, "全通道"), &f.frame == &w.Frame18 ? 1 : 0);
    }
    expect_buttons(window->bindings(), {{w.CH1_IFA_SW, "IFA手动开关"}});
    EXPECT_NE(caption_beside(*widget(w.CH1_IFA_SW), utf8("全通道"), true), nullptr);
}

TEST_F(Pages, RegisterTableStandsInFourColumnsOfElevenUnderTheirRowLabels) {
    select_tab(3);
    for (int n = 0; n < kRegisterCount; ++n) {
        const QRect box = window_rect(*reg(n));
        const QLabel* label = caption_beside(*reg(n), QStringLiteral("REG%1").arg(n), false);
        ASSERT_NE(label, nullptr) << n;
        if (n % 11 != 10) {
            EXPECT_LT(box.bottom(), window_rect(*reg(n + 1)).top()) << n;
        }
        if (n + 11 < kRegisterCount) {
            const QRect right = window_rect(*reg(n + 11));
            EXPECT_TRUE(on_one_row(box, right)) << n;
            EXPECT_LT(box.right(),
                      window_rect(
                          *caption_beside(*reg(n + 11), QStringLiteral("REG%1").arg(n + 11), false))
                          .left())
                << n;
        }
    }
    EXPECT_EQ(reg(19)->toolTip(), utf8("上电默认值90308"));
    EXPECT_EQ(reg(28)->toolTip(), utf8("上电默认值90C00"));
    EXPECT_EQ(reg(35)->toolTip(), utf8("上电默认值90C00"));
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(marked(n), n == 19) << n;
    }
    expect_buttons(window->bindings(), {{w.default_reg_list, "默 认"},
                                        {w.save_reg_list, "保存SPI列表"},
                                        {w.SaveHexList, "保存.C列表"},
                                        {w.SaveTipList, "保存No.列表"}});
}

// Counts the paint events each widget receives.
class PaintCounter final : public QObject {
public:
    std::map<const QObject*, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
        }
        return false;
    }
};

// A page switch, as it comes from a click on a tab, paints every widget of
// the page once, in one pass: no background of the page area on its own.
TEST_F(Pages, APageSwitchPaintsEachWidgetOnce) {
    select_tab(1);
    select_tab(0);
    QApplication::processEvents();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    select_tab(1);
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
    qApp->removeEventFilter(&counter);
    ASSERT_FALSE(counter.paints.empty());
    for (const auto& [widget, paints] : counter.paints) {
        EXPECT_EQ(paints, 1) << widget->metaObject()->className() << " "
                             << widget->objectName().toStdString();
    }
}

}  // namespace
}  // namespace kv::qt::test
