#include <gtest/gtest.h>

#include <QApplication>

#include "qt/look.h"

// Widget tests need an application object with the program's look; they run
// on the offscreen platform unless told otherwise, also when the test runner
// lists them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    kv::qt::apply_look();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
