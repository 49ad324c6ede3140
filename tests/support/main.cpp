#include <QApplication>
#include <gtest/gtest.h>

#include "config/Uutils.h"

int main(int argc, char** argv) {
    // Test discovery and plain runs have no display; never abort for the lack of one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseDotForNumbers();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
