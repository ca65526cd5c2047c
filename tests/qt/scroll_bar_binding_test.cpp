#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "binding_host.h"
#include "panel/controls.h"
#include "qt/bindings.h"
#include "qt/spin_arrows.h"

namespace kv::qt::test {
namespace {

using ScrollBarBinding = BindingHost;

TEST_F(ScrollBarBinding, UpperArrowLowersThePositionByTheStep) {
    ScrollBar bar{"VScroll_SCfpb", nullptr, 2, 8, 2, 8};
    int changes = 0;
    bar.Change = [&] { ++changes; };
    Bindings bind;
    SpinArrows* spin = place(bind.scroll_bar(bar, &host));
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    EXPECT_EQ(bar.value(), 6);
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    EXPECT_EQ(bar.value(), 2);
    EXPECT_EQ(changes, 3);
    QTest::mouseClick(spin->lower(), Qt::LeftButton);
    EXPECT_EQ(bar.value(), 4);
}

TEST_F(ScrollBarBinding, ArrowsReachOnlyThePositionsOfTheBar) {
    ScrollBar bar{"VScroll_fbB", nullptr, 2, 4, 2, 2};
    Bindings bind;
    SpinArrows* spin = place(bind.scroll_bar(bar, &host));
    for (int n = 0; n < 3; ++n) {
        QTest::mouseClick(spin->lower(), Qt::LeftButton);
        EXPECT_TRUE(bar.value() == 2 || bar.value() == 4);
    }
    EXPECT_EQ(bar.value(), 4);
}

TEST_F(ScrollBarBinding, KeysAndWheelActAsTheArrows) {
    ScrollBar bar{"VScroll_fbA", nullptr, 1, 31, 1, 22};
    Bindings bind;
    SpinArrows* spin = place(bind.scroll_bar(bar, &host));
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(bar.value(), 21);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(bar.value(), 23);
    const QPointF centre = spin->rect().center();
    QWheelEvent wheel(centre, spin->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(spin, &wheel);
    EXPECT_EQ(bar.value(), 22);
}

TEST_F(ScrollBarBinding, DisabledBarIgnoresTheArrows) {
    ScrollBar bar{"VScroll_reA", nullptr, 1, 2, 1, 2};
    bar.set_enabled(false);
    Bindings bind;
    SpinArrows* spin = place(bind.scroll_bar(bar, &host));
    EXPECT_FALSE(spin->isEnabled());
    QTest::mouseClick(spin->upper(), Qt::LeftButton);
    EXPECT_EQ(bar.value(), 2);
}

}  // namespace
}  // namespace kv::qt::test
