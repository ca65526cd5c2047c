#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "panel/kv2841a.h"
#include "qt/bindings.h"
#include "qt/layout_helpers.h"
#include "qt/pages.h"
#include "qt/qt_text.h"

// Page "增益调节": one frame per channel. The window spaces its column and
// row captions out with blanks; here each word stands over its column, or
// either side of its box.
namespace kv::qt {

namespace {

constexpr char kColumnCaptions[] = "前端增益      AGC增益        IFA增益      模拟OBuffer增益";
constexpr char kAnalogRow[] = "模拟增益             dBm";
constexpr char kDigitalRow[] = "数字增益             dBm";
constexpr int kGainListCharacters = 4;
constexpr int kGainCharacters = 5;
constexpr int kWordCharacters = 6;
constexpr int kSwitchColumn = 5;
constexpr int kGainColumn = 7;
constexpr int kWordColumn = 11;
constexpr int kColumnGap = 16;

struct Channel {
    Frame& frame;
    CheckBox& agc_switch;
    ComboBox& front_end;
    ComboBox& agc;
    ComboBox& ifa;
    OptionButton& buffer;
    TextBox& analog;
    TextBox& digital;
    int reg;
    TextBox& word;
};

void add_lists(Bindings& bind, const Channel& channel, QGridLayout& grid, QWidget* frame) {
    int column = 0;
    for (const QString& word : caption_words(kColumnCaptions)) {
        grid.addWidget(caption(word, frame), 0, column++, Qt::AlignLeft);
    }
    column = 0;
    for (ComboBox* list : {&channel.front_end, &channel.agc, &channel.ifa}) {
        QComboBox* combo = bind.combo_box(*list, frame);
        fit_characters(*combo, kGainListCharacters);
        grid.addWidget(combo, 1, column++, Qt::AlignLeft);
    }
    grid.addWidget(bind.option_button(channel.buffer, frame), 1, column);
}

// "模拟增益 [94] dBm": the box stands where the caption leaves its gap.
void add_gain_row(Bindings& bind, const char* row_caption, TextBox& box, int row, QGridLayout& grid,
                  QWidget* frame) {
    const QStringList words = caption_words(row_caption);
    QLineEdit* edit = bind.text_box(box, frame);
    fit_characters(*edit, kGainCharacters);
    grid.addWidget(caption(words.value(0), frame, edit), row, kGainColumn);
    grid.addWidget(edit, row, kGainColumn + 1);
    grid.addWidget(caption(words.value(1), frame), row, kGainColumn + 2);
}

QGroupBox* channel_frame(Bindings& bind, const Channel& channel, QWidget* page) {
    QGroupBox* frame = bind.frame(channel.frame, page);
    auto* grid = page_grid(frame);
    add_lists(bind, channel, *grid, frame);
    grid->setColumnMinimumWidth(kSwitchColumn - 1, kColumnGap);
    grid->addWidget(bind.check_box(channel.agc_switch, frame), 0, kSwitchColumn);
    grid->setColumnMinimumWidth(kGainColumn - 1, kColumnGap);
    add_gain_row(bind, kAnalogRow, channel.analog, 0, *grid, frame);
    add_gain_row(bind, kDigitalRow, channel.digital, 1, *grid, frame);
    grid->setColumnMinimumWidth(kWordColumn - 1, kColumnGap);
    QLineEdit* word = bind.text_box(channel.word, frame);
    fit_characters(*word, kWordCharacters);
    grid->addWidget(caption(register_name(channel.reg), frame, word), 0, kWordColumn, 2, 1);
    grid->addWidget(word, 0, kWordColumn + 1, 2, 1);
    // The room left over goes between the groups, not after the last.
    for (int gap : {kSwitchColumn - 1, kGainColumn - 1, kWordColumn - 1}) {
        grid->setColumnStretch(gap, 1);
    }
    return frame;
}

// Channel 1 also holds the IF-amplifier switch that acts on all channels,
// under its AGC switch; the Tab key reaches the two one after the other.
void add_ifa_switch(Bindings& bind, Kv2841a& w, QGroupBox& frame) {
    auto* cell = new QWidget(&frame);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    QCheckBox* ifa_switch = bind.check_box(w.CH1_IFA_SW, cell);
    QWidget::setTabOrder(bind.widget_of(w.CH1_AGC_SW), ifa_switch);
    row->addWidget(ifa_switch);
    row->addWidget(caption("全通道", cell));
    static_cast<QGridLayout*>(frame.layout())->addWidget(cell, 1, kSwitchColumn);
}

// The switch columns of all three frames as wide as channel 1's, so that the
// gain boxes of the three channels stand one under the other.
void align_switch_columns(const std::vector<QGroupBox*>& frames) {
    int width = 0;
    for (QGroupBox* frame : frames) {
        auto* grid = static_cast<QGridLayout*>(frame->layout());
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (QLayoutItem* item = grid->itemAtPosition(row, kSwitchColumn)) {
                width = std::max(width, item->sizeHint().width());
            }
        }
    }
    for (QGroupBox* frame : frames) {
        static_cast<QGridLayout*>(frame->layout())->setColumnMinimumWidth(kSwitchColumn, width);
    }
}

}  // namespace

QWidget* gain_page(Bindings& bind, Kv2841a& w) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const Channel channels[] = {
        {w.Frame18, w.CH1_AGC_SW, w.CH1_RF_Gain, w.CH1_AGC_Gain, w.CH1_IFA_Gain, w.CH1_OBuffer,
         w.CH1_AC_Gain, w.CH1_DC_Gain, 10, w.Reg10_Show},
        {w.Frame14, w.CH2_AGC_SW, w.CH2_RF_Gain, w.CH2_AGC_Gain, w.CH2_IFA_Gain, w.CH2_OBuffer,
         w.CH2_AC_Gain, w.CH2_DC_Gain, 11, w.Reg11_Show},
        {w.Frame16, w.CH3_AGC_SW, w.CH3_RF_Gain, w.CH3_AGC_Gain, w.CH3_IFA_Gain, w.CH3_OBuffer,
         w.CH3_AC_Gain, w.CH3_DC_Gain, 12, w.Reg12_Show},
    };
    std::vector<QGroupBox*> frames;
    for (const Channel& channel : channels) {
        QGroupBox* frame = channel_frame(bind, channel, page);
        if (&channel.frame == &w.Frame18) {
            add_ifa_switch(bind, w, *frame);
        }
        layout->addWidget(frame);
        frames.push_back(frame);
    }
    align_switch_columns(frames);
    layout->addStretch(1);
    return page;
}

}  // namespace kv::qt
