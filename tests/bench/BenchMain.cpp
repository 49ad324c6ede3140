// The benchmarks share one offscreen application: the calculation forms need it.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/AppWindows.h"
#include "config/Uutils.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseDotForNumbers();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyAppWindows(); // widgets must go before the application object
    return 0;
}
