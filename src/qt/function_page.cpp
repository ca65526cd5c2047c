#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "panel/kv2841a.h"
#include "qt/bindings.h"
#include "qt/layout_helpers.h"
#include "qt/pages.h"

// Page "功能调节": bandwidths, crystal, the three channel LOs, the output
// format and the test switches, each in its frame.
namespace kv::qt {

namespace {

constexpr int kWordCharacters = 6;
constexpr int kListCharacters = 7;
constexpr int kDeviationCharacters = 11;

QLineEdit* word_box(Bindings& bind, TextBox& box, QWidget* parent) {
    QLineEdit* edit = bind.text_box(box, parent);
    fit_characters(*edit, kWordCharacters);
    return edit;
}

QComboBox* list_box(Bindings& bind, ComboBox& list, QWidget* parent) {
    QComboBox* combo = bind.combo_box(list, parent);
    fit_characters(*combo, kListCharacters);
    return combo;
}

// Caption, field and unit on one row of a grid.
void add_row(QGridLayout& grid, int row, const QString& label, QWidget* field,
             const char* unit = nullptr) {
    QWidget* parent = grid.parentWidget();
    grid.addWidget(caption(label, parent, field), row, 0);
    grid.addWidget(field, row, 1);
    if (unit != nullptr) {
        grid.addWidget(caption(unit, parent), row, 2);
    }
}

QGroupBox* bandwidth_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame7, page);
    auto* grid = page_grid(frame);
    const std::pair<const char*, ComboBox*> lists[] = {
        {"1通道", &w.Combo1}, {"2通道", &w.Combo2}, {"3通道", &w.Combo3}};
    int row = 0;
    for (const auto& [label, list] : lists) {
        add_row(*grid, row++, QString::fromUtf8(label), list_box(bind, *list, frame), kMHz);
    }
    add_row(*grid, row, register_name(1), word_box(bind, w.reg1_te, frame));
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* crystal_and_reset(Bindings& bind, Kv2841a& w, QWidget* page) {
    auto* column = new QWidget(page);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* crystal = bind.frame(w.Frame12, column);
    auto* grid = page_grid(crystal);
    grid->addWidget(list_box(bind, w.crylist, crystal), 0, 0);
    grid->addWidget(caption(kMHz, crystal), 0, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(crystal);
    QGroupBox* reset = bind.frame(w.Frame19, column);
    auto* reset_layout = new QHBoxLayout(reset);
    reset_layout->addWidget(bind.command_button(w.ResetAll, reset), 0, Qt::AlignHCenter);
    layout->addWidget(reset);
    layout->addStretch(1);
    return column;
}

struct LoChannel {
    Frame& frame;
    ComboBox& lo;
    TextBox& deviation;
    TextBox& low_word;
    int low_reg;
    TextBox& high_word;
};

QGroupBox* lo_frame(Bindings& bind, const LoChannel& channel, QWidget* parent) {
    QGroupBox* frame = bind.frame(channel.frame, parent);
    auto* grid = page_grid(frame);
    QComboBox* lo = list_box(bind, channel.lo, frame);
    grid->addWidget(lo, 0, 1);
    grid->addWidget(caption(kMHz, frame), 0, 2);
    QLineEdit* deviation = bind.text_box(channel.deviation, frame);
    fit_characters(*deviation, kDeviationCharacters);
    add_row(*grid, 1, QStringLiteral("偏差"), deviation, kHz);
    add_row(*grid, 2, register_name(channel.low_reg), word_box(bind, channel.low_word, frame));
    add_row(*grid, 3, register_name(channel.low_reg + 1), word_box(bind, channel.high_word, frame));
    grid->setColumnStretch(3, 1);
    return frame;
}

QGroupBox* frequency_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame8, page);
    auto* layout = new QHBoxLayout(frame);
    const LoChannel channels[] = {
        {w.Frame9, w.ch1bz, w.Ch1_Deviation, w.reg2_te, 2, w.reg3_te},
        {w.Frame10, w.ch2bz, w.Ch2_Deviation, w.reg4_te, 4, w.reg5_te},
        {w.Frame11, w.ch3bz, w.Ch3_Deviation, w.reg6_te, 6, w.reg7_te},
    };
    for (const LoChannel& channel : channels) {
        layout->addWidget(lo_frame(bind, channel, frame));
    }
    return frame;
}

// An inner frame of the output mode: a switch and the two options it offers.
QGroupBox* switch_frame(Bindings& bind, Frame& inner, CheckBox& on, OptionButton& first,
                        OptionButton& second, QWidget* parent) {
    QGroupBox* frame = bind.frame(inner, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(bind.check_box(on, frame));
    layout->addWidget(bind.option_button(first, frame));
    layout->addWidget(bind.option_button(second, frame));
    return frame;
}

QGroupBox* output_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame6, page);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(switch_frame(bind, w.Frame17, w.ACout, w.danduan, w.chafen, frame));
    layout->addWidget(switch_frame(bind, w.Frame15, w.DCout, w.Option2bit, w.Option4bit, frame));
    auto* words = new QWidget(frame);
    auto* grid = page_grid(words);
    add_row(*grid, 0, register_name(8), word_box(bind, w.outmode, words));
    add_row(*grid, 1, register_name(23), word_box(bind, w.Reg23Ctrl, words));
    grid->setRowStretch(2, 1);
    layout->addWidget(words);
    layout->addStretch(1);
    return frame;
}

QGroupBox* test_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame5, page);
    auto* grid = page_grid(frame);
    int row = 0;
    for (CheckBox* check : {&w.ADC_ck, &w.D2S_ck, &w.Freq_ck}) {
        grid->addWidget(bind.check_box(*check, frame), row++, 0, 1, 2);
    }
    add_row(*grid, row, register_name(40), word_box(bind, w.testmode, frame));
    grid->setColumnStretch(2, 1);
    return frame;
}

}  // namespace

QWidget* function_page(Bindings& bind, Kv2841a& w) {
    auto* page = new QWidget;
    auto* grid = page_grid(page);
    grid->addWidget(bandwidth_frame(bind, w, page), 0, 0);
    grid->addWidget(crystal_and_reset(bind, w, page), 0, 1);
    grid->addWidget(test_frame(bind, w, page), 0, 2);
    grid->addWidget(frequency_frame(bind, w, page), 1, 0, 1, 3);
    grid->addWidget(output_frame(bind, w, page), 2, 0, 1, 3);
    grid->setRowStretch(3, 1);
    return page;
}

}  // namespace kv::qt
