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

#include "panel/channels.h"
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

void add_lists(Bindings& bind, Kv2841a& w, const Channel& channel, QGridLayout& grid,
               QWidget* frame) {
    int column = 0;
    for (const QString& word : caption_words(kColumnCaptions)) {
        grid.addWidget(caption(word, frame), 0, column++, Qt::AlignLeft);
    }
    column = 0;
    for (ComboBox* list :
         {&(w.*channel.front_end_gain), &(w.*channel.agc_gain), &(w.*channel.ifa_gain)}) {
        QComboBox* combo = bind.combo_box(*list, frame);
        fit_characters(*combo, kGainListCharacters);
        grid.addWidget(combo, 1, column++, Qt::AlignLeft);
    }
    grid.addWidget(bind.option_button(w.*channel.output_buffer, frame), 1, column);
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

QGroupBox* channel_frame(Bindings& bind, Kv2841a& w, const Channel& channel, QWidget* page) {
    QGroupBox* frame = bind.frame(w.*channel.gain_frame, page);
    auto* grid = page_grid(frame);
    add_lists(bind, w, channel, *grid, frame);
    grid->setColumnMinimumWidth(kSwitchColumn - 1, kColumnGap);
    grid->addWidget(bind.check_box(w.*channel.agc_switch, frame), 0, kSwitchColumn);
    grid->setColumnMinimumWidth(kGainColumn - 1, kColumnGap);
    add_gain_row(bind, kAnalogRow, w.*channel.analog_gain, 0, *grid, frame);
    add_gain_row(bind, kDigitalRow, w.*channel.digital_gain, 1, *grid, frame);
    grid->setColumnMinimumWidth(kWordColumn - 1, kColumnGap);
    QLineEdit* word = bind.text_box(w.*channel.gain_word, frame);
    fit_characters(*word, kWordCharacters);
    grid->addWidget(caption(register_name(channel.gain_reg), frame, word), 0, kWordColumn, 2, 1);
    grid->addWidget(word, 0, kWordColumn + 1, 2, 1);
    // The room left over goes between the groups, not after the last.
    for (int gap : {kSwitchColumn - 1, kGainColumn - 1, kWordColumn - 1}) {
        grid->setColumnStretch(gap, 1);
    }
    return frame;
}

// Channel 1 also holds the IF-amplifier switch that acts on all channels.
void add_ifa_switch(Bindings& bind, Kv2841a& w, QGroupBox& frame) {
    auto* cell = new QWidget(&frame);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bind.check_box(w.CH1_IFA_SW, cell));
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
    std::vector<QGroupBox*> frames;
    for (const Channel& channel : kChannels) {
        QGroupBox* frame = channel_frame(bind, w, channel, page);
        if (&channel == &kChannels.front()) {
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
