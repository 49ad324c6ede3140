#include <QApplication>
#include <gtest/gtest.h>

#include "app/AppWindows.h"
#include "config/Uutils.h"

int main(int argc, char** argv) {
    // Test discovery and plain runs have no display; never abort for the lack of one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseDotForNumbers();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    DestroyAppWindows(); // widgets must go before the application object
    return result;
}
