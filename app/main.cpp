#include <QApplication>

#include "config/Uutils.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UseDotForNumbers();
    return 0;
}
