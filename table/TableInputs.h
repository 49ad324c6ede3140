#pragma once
// The inputs of the thickness table window: one field per quantity, prefilled from the
// values of the last calculation form, read into the engine's inputs with every bad field
// marked and the refusal text the program uses elsewhere.
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "engine/ThicknessTable.h"

// A project line (project/Project.h, kept out of this header: the calculation forms have a
// LineKind of their own).
struct Line;
struct ProjectSettings;

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

// What the fields say: inputs ready for the engine, or the refusal and the fields to blame.
struct TableInputsReading {
    std::optional<ThicknessTableInputs> inputs;
    std::vector<float> diametersMm; // the "by pipe size" list
    QString refusal;                // empty when accepted
    QString warning;                // accepted, but worth a word (material too cold)
};

class TTableInputs : public QWidget {
    Q_OBJECT
public:
    // pipe: a pipe (diameter, length) or a wall (area, sheet height).
    explicit TTableInputs(bool pipe, QWidget* parent = nullptr);

    // Reads and checks every field; marks the bad ones and clears the marks of the rest.
    TableInputsReading Read();

    // A project line's job in the fields (its kind must be this table's), with the settings
    // it is computed with; and the fields as a project line (read them first: Read()).
    void SetLine(const Line& line, const ProjectSettings& settings);
    Line ToLine() const;

    // Lines "caption: value" of what the user set, for the printed page; bySize: only what
    // the "by pipe size" table uses.
    QStringList Summary(bool bySize = false) const;

    bool IsPipe() const { return pipe_; }
    // The material touches the medium: its limits are checked against the medium's
    // temperature, not only the air's.
    bool AgainstMedium = true;
    // The material chosen is the user's "k-factor".
    bool UserMaterial() const;

    QLineEdit* Diameter = nullptr; // mm
    QLineEdit* Ambient = nullptr;
    QLineEdit* Medium = nullptr;
    QComboBox* Material = nullptr;
    QLineEdit* KFactor = nullptr;
    QLineEdit* Humidity = nullptr;
    QComboBox* CoefficientMode = nullptr; // typed, computed indoors, computed outdoors
    QLineEdit* Coefficient = nullptr;
    QComboBox* Orientation = nullptr; // horizontal, vertical (indoor pipes)
    QLineEdit* WindSpeed = nullptr;
    QComboBox* Cladding = nullptr; // the configured claddings, then "typed"
    QLineEdit* Emissivity = nullptr;
    QLineEdit* SheetHeight = nullptr;
    QLineEdit* Extent = nullptr; // length or area
    QLineEdit* Price = nullptr;
    QComboBox* PriceBasis = nullptr; // per kWh of heat, per kWh of fuel
    QLineEdit* Efficiency = nullptr; // %, of the heat source, for a fuel price
    QLineEdit* Hours = nullptr;
    QLineEdit* Co2 = nullptr;
    QCheckBox* LimitOn = nullptr;
    QLineEdit* Limit = nullptr;
    QCheckBox* MaxFlowOn = nullptr;
    QLineEdit* MaxFlow = nullptr;
    QLineEdit* Thicknesses = nullptr; // mm, separated by spaces or ";"
    QLineEdit* Life = nullptr;
    QLineEdit* Interest = nullptr;      // % a year
    QLineEdit* PriceIncrease = nullptr; // % a year
    QComboBox* Series = nullptr;        // fills Diameters: the nominal table's, steel, copper
    QLineEdit* Diameters = nullptr;     // mm, "by pipe size"

signals:
    // Any field changed: the tables follow.
    void Changed();

private:
    void Build();
    void BuildSurface();
    void BuildCoefficient();
    void BuildYear();
    std::optional<float> HeatPrice() const;
    QComboBox* AddCombo(const QString& caption, const char* name, const QStringList& items);
    QLineEdit* AddOptional(QCheckBox*& on, const QString& caption, const char* name);
    void BuildSeries();
    void Prefill();
    void ShowCoefficientFields();
    QLineEdit* AddField(QFormLayout& form, const QString& caption, const char* name);
    void Watch();

    bool pipe_;
    QFormLayout* form_ = nullptr;
    std::vector<std::vector<float>> series_; // by Series item
};
