// Pressing "Calculate" on each of the eight calculation forms, offscreen: the lines are
// set once, then Calculate runs with everything it does on the form (default and bare
// coefficients through the unseen h dialog, table lookups, result texts, the ResultLog
// row, the alternatives). Bare surfaces are the dearest case, so the forms with a
// thickness line are measured at thickness 0 and once insulated.
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

#include "app/Umessages.h"
#include "config/Utolerance.h"
#include "engine/State.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"

namespace {

// Any message box would mean the inputs were refused: counted, never shown.
class SilentSeam : public MessageSeam {
public:
    int messages = 0;
    MessageReply Message(MessageKind, const QString&, const QString&, QWidget*) override {
        ++messages;
        return MessageReply::Ok;
    }
    int ExecDialog(QDialog&) override { return 0; }
    bool OpenUrl(const QUrl&) override { return false; }
};

void UseReferenceData() {
    ResetShared();
    ResetFormState();
    TReferenceLists& lists = Shared().ReferenceLists;
    lists.Materials = {{"Mineral wool", 0.035f, 0.0002f, -50, 250},
                       {"k-factor", -99, 0, -200, 300}};
    lists.Claddings = {{"None", 0.93f}, {"Fe", 0.7f}};
    lists.Media = {{"Water", 1000, 4190, 335, 0}};
    Shared().GlobalSettings.BareSteelEmissivity = 0.7f;
    const QString beside = QCoreApplication::applicationDirPath();
    LoadPipeTable(beside);
    LoadSheetTable(beside);
}

// Line texts of a form in line order; "" leaves the line (material, medium) as built.
struct Case {
    int type;
    std::vector<const char*> lines;
    int materialLine;
};

std::unique_ptr<TPipeForm> OpenForm(const Case& c) {
    Shared().CalculationType = c.type;
    auto form = std::make_unique<TPipeForm>(nullptr);
    form->show();
    TParas& lines = *FormState().ParameterLines;
    for (size_t i = 0; i < c.lines.size(); ++i)
        if (*c.lines[i])
            lines[static_cast<int>(i)].SetParaLineEditText(QString::fromUtf8(c.lines[i]));
    lines[c.materialLine].MaterialSelector()->setCurrentIndex(0);
    return form;
}

bool Succeeded(const TPipeForm& form, const SilentSeam& seam) {
    return form.Button3->isEnabled() && seam.messages == 0;
}

// Repeated presses on one form.
void BenchCalculate(benchmark::State& state, const Case& c) {
    UseReferenceData();
    SilentSeam seam;
    InstallSeam(&seam);
    {
        std::unique_ptr<TPipeForm> form = OpenForm(c);
        for (auto _ : state) {
            form->Calculate();
            if (FormState().ResultLog.size() > 1000) {
                state.PauseTiming();
                FormState().ResultLog.erase(FormState().ResultLog.begin() + 2,
                                            FormState().ResultLog.end());
                state.ResumeTiming();
            }
        }
        if (!Succeeded(*form, seam))
            state.SkipWithError("the calculation did not succeed");
    }
    InstallSeam(nullptr);
    ResetFormState();
}

// The first press on a freshly opened form, which also builds the unseen h dialog.
void BenchFirstCalculate(benchmark::State& state, const Case& c) {
    UseReferenceData();
    SilentSeam seam;
    InstallSeam(&seam);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TPipeForm> form = OpenForm(c);
        state.ResumeTiming();
        form->Calculate();
        state.PauseTiming();
        if (!Succeeded(*form, seam))
            state.SkipWithError("the calculation did not succeed");
        form.reset();
        state.ResumeTiming();
    }
    InstallSeam(nullptr);
    ResetFormState();
}

const Case kCases[] = {
    {0, {"20", "5", "60.3", "", "8", "60"}, 3},
    {1, {"20", "60", "60.3", "0", "", "8"}, 4},
    {2, {"25", "-5", "60.3", "0", "10", "", "8", "0.5"}, 5},
    {2, {"25", "-5", "60.3", "30", "10", "", "8", "0.5"}, 5},
    {3, {"20", "80", "", "4190", "1", "50", "0", "100", "", "8"}, 8},
    {4, {"-10", "10", "", "4190", "0", "335", "20", "100", "0", "", "8"}, 9},
    {4, {"-10", "10", "", "4190", "0", "335", "20", "100", "20", "", "8"}, 9},
    {5, {"20", "5", "", "8", "60"}, 2},
    {6, {"25", "-5", "0", "10", "", "8", "0.5"}, 4},
    {6, {"25", "-5", "30", "10", "", "8", "0.5"}, 4},
    {7, {"20", "60", "0", "", "8"}, 3},
};

void BM_CalculatePipeCondensation(benchmark::State& s) {
    BenchCalculate(s, kCases[0]);
}
void BM_CalculatePipeSurfaceTemperatureBare(benchmark::State& s) {
    BenchCalculate(s, kCases[1]);
}
void BM_CalculatePipeHeatLossBare(benchmark::State& s) {
    BenchCalculate(s, kCases[2]);
}
void BM_CalculatePipeHeatLossInsulated(benchmark::State& s) {
    BenchCalculate(s, kCases[3]);
}
void BM_CalculatePipeTemperatureDropBare(benchmark::State& s) {
    BenchCalculate(s, kCases[4]);
}
void BM_CalculatePipeFreezingTimeBare(benchmark::State& s) {
    BenchCalculate(s, kCases[5]);
}
void BM_CalculatePipeFreezingTimeInsulated(benchmark::State& s) {
    BenchCalculate(s, kCases[6]);
}
void BM_CalculateSheetCondensation(benchmark::State& s) {
    BenchCalculate(s, kCases[7]);
}
void BM_CalculateSheetHeatLossBare(benchmark::State& s) {
    BenchCalculate(s, kCases[8]);
}
void BM_CalculateSheetHeatLossInsulated(benchmark::State& s) {
    BenchCalculate(s, kCases[9]);
}
void BM_CalculateSheetSurfaceTemperatureBare(benchmark::State& s) {
    BenchCalculate(s, kCases[10]);
}

void BM_CalculatePipeHeatLossBareFirstPress(benchmark::State& s) {
    BenchFirstCalculate(s, kCases[2]);
}
void BM_CalculatePipeFreezingTimeBareFirstPress(benchmark::State& s) {
    BenchFirstCalculate(s, kCases[5]);
}
void BM_CalculateSheetHeatLossBareFirstPress(benchmark::State& s) {
    BenchFirstCalculate(s, kCases[8]);
}

} // namespace

BENCHMARK(BM_CalculatePipeCondensation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeSurfaceTemperatureBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeHeatLossBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeHeatLossInsulated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeTemperatureDropBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeFreezingTimeBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeFreezingTimeInsulated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSheetCondensation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSheetHeatLossBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSheetHeatLossInsulated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSheetSurfaceTemperatureBare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeHeatLossBareFirstPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePipeFreezingTimeBareFirstPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateSheetHeatLossBareFirstPress)->Unit(benchmark::kMicrosecond);
