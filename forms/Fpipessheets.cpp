#include "forms/Fpipessheets.h"

#include <array>

#include "engine/State.h"

QString CalculationTitle(int calculationType) {
    static const std::array<const char*, 8> titles = {
        "Prevention of Condensation on Pipes",   "Calculation of Surface Temperatures",
        "Calculation of Heat Loss from Pipes",   "Calculation of Temperature Drop in Pipes",
        "Freezing Times in Pipes",               "Avoiding Condensation on Sheets",
        "Calculation of Heat Loss from Sheets",  "Calculation of Surface Temperatures on Sheets"};
    if (calculationType < 0 || calculationType >= static_cast<int>(titles.size()))
        return {};
    return QString::fromUtf8(titles[static_cast<size_t>(calculationType)]);
}

// Placeholder until the form lays out its lines.
TPipeForm::TPipeForm(QWidget* owner) : QDialog(owner) {
    setWindowTitle(CalculationTitle(Shared().CalculationType));
}
