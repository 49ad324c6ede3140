#pragma once
// The line tables of the eight calculation forms: what each row shows, where its initial
// value comes from in WorkingValues and where it goes back when the form closes.
#include <QString>
#include <vector>

#include "engine/State.h"
#include "forms/Uclasses.h"

inline constexpr const char* kPatternF0 = "#########0";
inline constexpr const char* kPatternF2 = "#########0.00";
inline constexpr const char* kPatternF3 = "#########0.000";

// A parameter line's stored value; lines without one (material, results) leave field null.
struct TValueSource {
    float TWorkingValues::*field = nullptr;
    const char* pattern = kPatternF2;
    bool millimetres = false; // kept in m, shown in mm
};

struct TLineSpec {
    LineKind kind;
    const char* caption;
    const char* unit; // ignored for kinds without a unit label
    TValueSource value;
};

struct TFormLayout {
    const char* title;
    std::vector<TLineSpec> parameters;
    std::vector<TLineSpec> results;
    int moveAlternative; // pixels the alternatives selector moves right
    const char* help;    // paragraphs separated by an empty line
};

// CalculationType runs from 0 to kCalculationTypes - 1.
inline constexpr int kCalculationTypes = 8;

// The table of a CalculationType; throws TermoraError outside 0..7.
const TFormLayout& FormLayout(int calculationType);

// The position of the first parameter line of that kind, or of the one whose stored value
// is that field; -1 when the form has none.
int ParameterPosition(const TFormLayout& layout, LineKind kind);
int ParameterPosition(const TFormLayout& layout, float TWorkingValues::*field);

// Lines of the type's "Parameters" (results false) or "Results" box; 0 outside 0..7.
int LineCountOf(int calculationType, bool results);

// Row 1 of ResultLog: every caption in line order, the alternatives line left out,
// joined by tabs.
QString HeaderRow(const TFormLayout& layout);

// The flow-rate units of the flow-rate selector, in order.
QStringList FlowRateUnits();
