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

#include "panel/channels.h"
#include "panel/kv2841a.h"
#include "qt/bindings.h"
#include "qt/layout_helpers.h"
#include "qt/pages.h"
#include "qt/qt_text.h"

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
    int row = 0;
    for (const Channel& channel : kChannels) {
        add_row(*grid, row++, to_qstring(channel.name), list_box(bind, w.*channel.bandwidth, frame),
                kMHz);
    }
    add_row(*grid, row, register_name(w, w.reg1_te), word_box(bind, w.reg1_te, frame));
    keep_to_top_left(*grid);
    return frame;
}

// The crystal list over the frame of the reset button.
QWidget* crystal_and_reset(Bindings& bind, Kv2841a& w, QWidget* page) {
    auto* column = new QWidget(page);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* crystal = bind.frame(w.Frame12, column);
    auto* grid = page_grid(crystal);
    grid->addWidget(list_box(bind, w.crylist, crystal), 0, 0);
    grid->addWidget(caption(kMHz, crystal), 0, 1);
    keep_to_top_left(*grid);
    layout->addWidget(crystal);
    QGroupBox* reset = bind.frame(w.Frame19, column);
    auto* reset_layout = new QHBoxLayout(reset);
    reset_layout->addWidget(bind.command_button(w.ResetAll, reset), 0, Qt::AlignHCenter);
    layout->addWidget(reset, 1);
    return column;
}

// The frequency and its error on the left, the two words on the right:
//   [1176    v] MHz        REG2 [32178]
//   偏差 [1.9073541] Hz    REG3 [28F5C]
QGroupBox* lo_frame(Bindings& bind, Kv2841a& w, const Channel& channel, QWidget* parent) {
    QGroupBox* frame = bind.frame(w.*channel.lo_frame, parent);
    auto* grid = page_grid(frame);
    grid->addWidget(list_box(bind, w.*channel.lo, frame), 0, 1);
    grid->addWidget(caption(kMHz, frame), 0, 2);
    QLineEdit* deviation = bind.text_box(w.*channel.lo_error, frame);
    fit_characters(*deviation, kDeviationCharacters);
    add_row(*grid, 1, QStringLiteral("偏差"), deviation, kHz);
    grid->setColumnStretch(3, 1);
    int row = 0;
    for (TextBox* box : {&(w.*channel.integer_word), &(w.*channel.fraction_word)}) {
        QLineEdit* edit = word_box(bind, *box, frame);
        grid->addWidget(caption(register_name(w, *box), frame, edit), row, 4);
        grid->addWidget(edit, row++, 5);
    }
    return frame;
}

QGroupBox* frequency_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame8, page);
    auto* layout = new QHBoxLayout(frame);
    for (const Channel& channel : kChannels) {
        layout->addWidget(lo_frame(bind, w, channel, frame), 1);
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
    layout->addStretch(1);
    return frame;
}

// The two switch frames side by side, their words under them.
QGroupBox* output_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame6, page);
    auto* grid = page_grid(frame);
    grid->addWidget(switch_frame(bind, w.Frame17, w.ACout, w.danduan, w.chafen, frame), 0, 0, 1, 2);
    grid->addWidget(switch_frame(bind, w.Frame15, w.DCout, w.Option2bit, w.Option4bit, frame), 0, 2,
                    1, 2);
    int column = 0;
    for (TextBox* box : {&w.outmode, &w.Reg23Ctrl}) {
        QLineEdit* edit = word_box(bind, *box, frame);
        grid->addWidget(caption(register_name(w, *box), frame, edit), 1, column++, Qt::AlignRight);
        grid->addWidget(edit, 1, column++, Qt::AlignLeft);
    }
    return frame;
}

QGroupBox* test_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame5, page);
    auto* grid = page_grid(frame);
    int row = 0;
    for (CheckBox* check : {&w.ADC_ck, &w.D2S_ck, &w.Freq_ck}) {
        grid->addWidget(bind.check_box(*check, frame), row++, 0, 1, 2);
    }
    add_row(*grid, row, register_name(w, w.testmode), word_box(bind, w.testmode, frame));
    keep_to_top_left(*grid);
    return frame;
}

}  // namespace

// The settings frames side by side, the three channel LOs in a row under them.
QWidget* function_page(Bindings& bind, Kv2841a& w) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* settings = new QHBoxLayout;
    settings->addWidget(bandwidth_frame(bind, w, page), 1);
    settings->addWidget(crystal_and_reset(bind, w, page), 1);
    settings->addWidget(output_frame(bind, w, page), 1);
    settings->addWidget(test_frame(bind, w, page), 1);
    layout->addLayout(settings);
    layout->addWidget(frequency_frame(bind, w, page));
    layout->addStretch(1);
    return page;
}

}  // namespace kv::qt
