// Window tests run without a display: the offscreen platform unless another is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "appearance.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    simplesso::PrepareAppearance();
    return RUN_ALL_TESTS();
}
