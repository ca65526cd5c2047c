#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "qt/bindings.h"

namespace kv::qt::test {

// A shown, active window that holds the widgets bound in a test. A test
// declares its controls first and its Bindings after them, so that the
// bindings detach before the controls go.
class BindingHost : public ::testing::Test {
protected:
    BindingHost() {
        host.setLayout(new QVBoxLayout);
        host.resize(320, 240);
    }

    // Lays the widget out in the host and shows the host, active.
    template <typename W>
    W* place(W* widget) {
        host.layout()->addWidget(widget);
        host.show();
        QApplication::setActiveWindow(&host);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        return widget;
    }

    QWidget host;
};

}  // namespace kv::qt::test
