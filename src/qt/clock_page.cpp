#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "panel/kv2841a.h"
#include "qt/bindings.h"
#include "qt/block_diagram.h"
#include "qt/layout_helpers.h"
#include "qt/pages.h"
#include "qt/spin_arrows.h"

// Page "时钟调节": the sample-clock chain as a block diagram,
//   晶振频率 -> 参考钟分频器 -> 鉴相频率 -> 鉴相鉴频器 -> VCO振荡频率 -> 输出分频器 -> 采样钟频率
//                                              ^                |
//                                              +-- 反馈分频器 <--+
// with each divider's box and spin arrows inside its block, and the formulas.
namespace kv::qt {

namespace {

constexpr int kDividerCharacters = 3;
constexpr int kFrequencyCharacters = 8;
constexpr int kWordCharacters = 6;
constexpr int kArrowRoom = 28;

// A framed block of the diagram with its title on top and a grid for its rows.
QGridLayout* block(const char* title, QFrame*& frame, QWidget* parent) {
    frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    auto* grid = page_grid(frame);
    auto* heading = caption(title, frame);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);
    return grid;
}

// Spin arrows as tall as the box they stand beside.
SpinArrows* spin_beside(Bindings& bind, ScrollBar& bar, const QLineEdit& box, QWidget* parent) {
    SpinArrows* spin = bind.scroll_bar(bar, parent);
    spin->setFixedHeight(box.sizeHint().height());
    return spin;
}

// A frequency readout in its block: the box and its unit.
QFrame* frequency_block(Bindings& bind, const char* title, TextBox& box, QWidget* parent,
                        ScrollBar* spin = nullptr) {
    QFrame* frame = nullptr;
    QGridLayout* grid = block(title, frame, parent);
    QLineEdit* edit = bind.text_box(box, frame);
    fit_characters(*edit, kFrequencyCharacters);
    grid->addWidget(edit, 1, 0, 1, spin == nullptr ? 2 : 1);
    if (spin != nullptr) {
        grid->addWidget(spin_beside(bind, *spin, *edit, frame), 1, 1);
    }
    grid->addWidget(caption(kMHz, frame), 1, 2);
    return frame;
}

struct Divider {
    const char* label;
    TextBox& box;
    ScrollBar& spin;
};

// A divider block: each divider as its caption, its box and its spin arrows.
QFrame* divider_block(Bindings& bind, const char* title, std::initializer_list<Divider> dividers,
                      QWidget* parent) {
    QFrame* frame = nullptr;
    QGridLayout* grid = block(title, frame, parent);
    int row = 1;
    for (const Divider& divider : dividers) {
        QLineEdit* edit = bind.text_box(divider.box, frame);
        fit_characters(*edit, kDividerCharacters);
        grid->addWidget(caption(divider.label, frame, edit), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(spin_beside(bind, divider.spin, *edit, frame), row, 2);
        ++row;
    }
    return frame;
}

QFrame* detector_block(QWidget* parent) {
    QFrame* frame = nullptr;
    block("鉴相鉴频器", frame, parent);
    return frame;
}

QWidget* word_and_reset(Bindings& bind, Kv2841a& w, QWidget* page) {
    auto* column = new QWidget(page);
    auto* grid = page_grid(column);
    QLineEdit* word = bind.text_box(w.reg9_val, column);
    fit_characters(*word, kWordCharacters);
    grid->addWidget(caption(register_name(w, w.reg9_val), column, word), 0, 0);
    grid->addWidget(word, 0, 1);
    grid->addWidget(bind.command_button(w.RessetAll2, column), 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return column;
}

QWidget* diagram(Bindings& bind, Kv2841a& w, QWidget* page) {
    auto* diagram = new BlockDiagram(page);
    auto* grid = new QGridLayout(diagram);
    grid->setHorizontalSpacing(kArrowRoom);
    grid->setVerticalSpacing(kArrowRoom);
    QFrame* crystal = frequency_block(bind, "晶振频率", w.crystal, diagram, &w.VScroll_crystal);
    QFrame* reference = divider_block(
        bind, "参考钟分频器",
        {{"分频比A", w.reA, w.VScroll_reA}, {"分频比B", w.reB, w.VScroll_reB}}, diagram);
    QFrame* detector_input = frequency_block(bind, "鉴相频率", w.JXfreq, diagram);
    QFrame* detector = detector_block(diagram);
    QFrame* vco = frequency_block(bind, "VCO振荡频率", w.VCO, diagram);
    QFrame* output =
        divider_block(bind, "输出分频器", {{"分频比", w.SCfpb, w.VScroll_SCfpb}}, diagram);
    QFrame* sample_clock = frequency_block(bind, "采样钟频率", w.CYZfreq, diagram);
    QFrame* feedback = divider_block(
        bind, "反馈分频器", {{"分频比A", w.fbA, w.VScroll_fbA}, {"分频比B", w.fbB, w.VScroll_fbB}},
        diagram);
    QFrame* chain[] = {crystal, reference, detector_input, detector, vco, output, sample_clock};
    int column = 0;
    for (QFrame* stage : chain) {
        grid->addWidget(stage, 0, column++, Qt::AlignVCenter);
    }
    for (int n = 0; n + 1 < column; ++n) {
        diagram->add_arrow(chain[n], chain[n + 1], BlockDiagram::Route::Right);
    }
    grid->addWidget(feedback, 1, 4, Qt::AlignCenter);
    diagram->add_arrow(vco, feedback, BlockDiagram::Route::Down);
    diagram->add_arrow(feedback, detector, BlockDiagram::Route::LeftUp);
    grid->addWidget(word_and_reset(bind, w, diagram), 1, 5, 1, 2, Qt::AlignCenter);
    return diagram;
}

QGroupBox* formula_frame(Bindings& bind, Kv2841a& w, QWidget* page) {
    QGroupBox* frame = bind.frame(w.Frame4, page);
    auto* layout = new QVBoxLayout(frame);
    for (const char* formula :
         {"VCO鉴相频率 = 鉴相频率×反馈分频比A×反馈分频比B ",
          "鉴相频率 = 晶振频率÷参考分频比A÷参考分频比B",
          "采样钟频率 = 晶振频率÷参考分频比A÷参考分频比B×反馈分频比A×反馈分频比B÷输出分频比 "}) {
        layout->addWidget(caption(formula, frame));
    }
    return frame;
}

}  // namespace

QWidget* clock_page(Bindings& bind, Kv2841a& w) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(diagram(bind, w, page), 0, Qt::AlignHCenter);
    layout->addWidget(formula_frame(bind, w, page), 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return page;
}

}  // namespace kv::qt
