// The project suite: Qt Core only, the shipped data beside the executable.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "config/Uutils.h"
#include "project/ProjectData.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UseDotForNumbers();
    ::testing::InitGoogleTest(&argc, argv);
    if (!LoadProjectData(QCoreApplication::applicationDirPath())) {
        fprintf(stderr, "Termora.ini is not beside the test program\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
