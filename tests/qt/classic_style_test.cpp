#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "qt/classic_style.h"

namespace kv::qt::test {
namespace {

struct Element {
    QStyle::PrimitiveElement element;
    std::unique_ptr<QStyleOption> (*option)(int variant);
    // A smoothed edge laid over the window from a picture rounds apart from
    // one drawn on it, by this much of 255 at most.
    int rounding;
    // A group box clips its title's gap out of its frame.
    bool clipped;
};

std::unique_ptr<QStyleOption> frame_option(int variant) {
    auto frame = std::make_unique<QStyleOptionFrame>();
    frame->lineWidth = variant % 4;
    frame->midLineWidth = (variant / 2) % 2;
    if (variant % 5 == 4) {
        frame->features = QStyleOptionFrame::Flat;
    }
    return frame;
}

std::unique_ptr<QStyleOption> plain_option(int /*variant*/) {
    return std::make_unique<QStyleOption>();
}

const Element kElements[] = {
    {QStyle::PE_FrameGroupBox, frame_option, 0, true},
    {QStyle::PE_FrameLineEdit, frame_option, 0, false},
    {QStyle::PE_PanelLineEdit, frame_option, 0, false},
    {QStyle::PE_Frame, frame_option, 0, false},
    {QStyle::PE_PanelButtonTool, frame_option, 0, false},
    {QStyle::PE_PanelButtonBevel, frame_option, 0, false},
    {QStyle::PE_IndicatorRadioButton, plain_option, 2, false},
    {QStyle::PE_IndicatorCheckBox, plain_option, 0, false},
    {QStyle::PE_IndicatorArrowDown, plain_option, 0, false},
    {QStyle::PE_IndicatorArrowUp, plain_option, 0, false},
};

const QStyle::State kStates[] = {
    QStyle::State_Enabled | QStyle::State_Off,
    QStyle::State_Enabled | QStyle::State_On | QStyle::State_HasFocus,
    QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_MouseOver,
    QStyle::State_On,
    QStyle::State_NoChange | QStyle::State_Raised,
    QStyle::State_Enabled | QStyle::State_AutoRaise | QStyle::State_Raised,
};

const QSize kSizes[] = {{3, 3}, {4, 5}, {13, 13}, {37, 21}, {210, 95}};

QPalette odd_palette() {
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                             QColor(20 + 9 * role, 40 + 70 * group, 230 - 8 * role));
        }
    }
    return palette;
}

int largest_difference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QImage drawn(const QStyle& style, QStyle::PrimitiveElement element, const QStyleOption& option,
             QSize canvas, bool clipped) {
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(90, 140, 60));
    QPainter painter(&image);
    if (clipped) {
        painter.setClipRegion(QRegion(QRect(QPoint(0, 0), canvas)) - QRect(7, 0, 9, 4));
    }
    style.drawPrimitive(element, &option, &painter, nullptr);
    return image;
}

// Whatever it keeps or fills itself, the style draws what the classic
// style draws, the first time and from what it kept, for every element,
// state, size and palette.
TEST(ClassicStyle, DrawsTheClassicStylesPixels) {
    std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    ClassicStyle style(QStyleFactory::create(QStringLiteral("Windows")));
    for (const QPalette& palette : {classic->standardPalette(), odd_palette()}) {
        for (const Element& element : kElements) {
            for (int variant = 0; variant < 5; ++variant) {
                for (const QStyle::State state : kStates) {
                    for (const QSize size : kSizes) {
                        std::unique_ptr<QStyleOption> option = element.option(variant);
                        option->state = state;
                        option->palette = palette;
                        option->rect = QRect(QPoint(3, 2), size);
                        const QSize canvas = size + QSize(8, 6);
                        const QImage expected =
                            drawn(*classic, element.element, *option, canvas, element.clipped);
                        SCOPED_TRACE(testing::Message()
                                     << "element " << element.element << " variant " << variant
                                     << " state " << uint(state) << " size " << size.width() << "x"
                                     << size.height());
                        for (int time = 0; time < 2; ++time) {
                            EXPECT_LE(largest_difference(drawn(style, element.element, *option,
                                                               canvas, element.clipped),
                                                         expected),
                                      element.rounding);
                        }
                    }
                }
            }
        }
    }
}

QImage drawn_list(const QStyle& style, const QStyleOptionComboBox& list) {
    QImage image(list.rect.size() + QSize(4, 4), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(90, 140, 60));
    QPainter painter(&image);
    style.drawComplexControl(QStyle::CC_ComboBox, &list, &painter, nullptr);
    return image;
}

// A list, framed or not, editable or not, in every state and size.
TEST(ClassicStyle, DrawsTheClassicStylesLists) {
    std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    ClassicStyle style(QStyleFactory::create(QStringLiteral("Windows")));
    for (int variant = 0; variant < 8; ++variant) {
        for (const QStyle::State state : kStates) {
            for (const QSize size : kSizes) {
                QStyleOptionComboBox list;
                list.palette = variant % 2 == 0 ? classic->standardPalette() : odd_palette();
                list.editable = (variant / 2) % 2 == 1;
                list.frame = variant < 4;
                list.activeSubControls =
                    variant % 3 == 0 ? QStyle::SC_ComboBoxArrow : QStyle::SC_None;
                list.state = state;
                list.rect = QRect(QPoint(2, 2), size);
                SCOPED_TRACE(testing::Message()
                             << "variant " << variant << " state " << uint(state) << " size "
                             << size.width() << "x" << size.height());
                EXPECT_EQ(drawn_list(style, list), drawn_list(*classic, list));
            }
        }
    }
}

}  // namespace
}  // namespace kv::qt::test
