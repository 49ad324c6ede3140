// The project window with 10,000 lines (the shipped example's repeated): opening the file until
// every line has its result (target 1 s on 2 cores); one typed cell (target 5 ms).
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "project/LineFields.h"
#include "project/ProjectFile.h"
#include "projectwin/ProjectModel.h"
#include "projectwin/ProjectWindow.h"

namespace {
constexpr size_t kLines = 10000;

// The 10,000-line file, written once.
QString PlantFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString data = QCoreApplication::applicationDirPath();
        LoadConfiguration(data, [](const QString&) { return true; });
        LoadPipeTable(data);
        LoadSheetTable(data);
        const Project example = *LoadProject(data + QStringLiteral("/example.termora")).Read;
        Project plant = example;
        plant.Lines.clear();
        while (plant.Lines.size() < kLines)
            plant.Lines.push_back(example.Lines[plant.Lines.size() % example.Lines.size()]);
        const QString file = dir.filePath(QStringLiteral("plant.termora"));
        SaveProject(plant, file);
        return file;
    }();
    return path;
}
} // namespace

void BM_ProjectWindowOpens10000Lines(benchmark::State& state) {
    const QString file = PlantFile();
    for (auto _ : state) {
        TProjectWindow window;
        window.OpenFile(file);
        window.Model().WaitForResults();
        benchmark::DoNotOptimize(window.Model().Results().data());
    }
}
BENCHMARK(BM_ProjectWindowOpens10000Lines)->Unit(benchmark::kMillisecond)->UseRealTime();

// One typed cell; with argument 1 also the event loop's pass after it, where the totals and
// the bill of materials over every line are refreshed once.
void BM_ProjectWindowEditsOneOf10000Lines(benchmark::State& state) {
    TProjectWindow window;
    window.OpenFile(PlantFile());
    window.Model().WaitForResults();
    TProjectModel& model = window.Model();
    const QModelIndex cell = model.index(5000, static_cast<int>(LineField::MediumTemp));
    int step = 0;
    for (auto _ : state) {
        model.setData(cell, QString::number(60 + (++step % 2)), Qt::EditRole);
        if (state.range(0))
            QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ProjectWindowEditsOneOf10000Lines)
    ->ArgName("refresh")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
