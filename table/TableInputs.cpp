#include "table/TableInputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "config/Uutils.h"
#include "engine/NominalTable.h"
#include "engine/State.h"
#include "table/TableFormat.h"

#include "config/Udatafolder.h"
#include "config/Upipeseries.h"

namespace {
QString Numbers(const std::vector<float>& values) {
    QStringList texts;
    for (float v : values)
        texts << ShortNumber(v);
    return texts.join(u' ');
}
} // namespace

TTableInputs::TTableInputs(bool pipe, QWidget* parent) : QWidget(parent), pipe_(pipe) {
    Build();
    Prefill();
    ShowCoefficientFields();
    Watch();
}

QLineEdit* TTableInputs::AddField(QFormLayout& form, const QString& caption, const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(caption);
    field->setMinimumWidth(60);
    form.addRow(caption, field);
    return field;
}

QComboBox* TTableInputs::AddCombo(const QString& caption, const char* name,
                                  const QStringList& items) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    box->addItems(items);
    form_->addRow(caption, box);
    return box;
}

QLineEdit* TTableInputs::AddOptional(QCheckBox*& on, const QString& caption, const char* name) {
    on = new QCheckBox(caption, this);
    on->setObjectName(QLatin1String(name) + QStringLiteral("On"));
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(caption);
    form_->addRow(on, field);
    return field;
}

void TTableInputs::Build() {
    form_ = new QFormLayout(this);
    form_->setContentsMargins(0, 0, 0, 0);
    BuildSurface();
    BuildCoefficient();
    BuildYear();
}

// The pipe or wall, the temperatures, the material and the air.
void TTableInputs::BuildSurface() {
    QFormLayout& f = *form_;
    if (pipe_)
        Diameter = AddField(f, QStringLiteral("Pipe outside diameter (mm)"), "Diameter");
    Ambient = AddField(f, QStringLiteral("Ambient temperature (°C)"), "Ambient");
    Medium = AddField(f, QStringLiteral("Medium temperature (°C)"), "Medium");
    QStringList materials;
    for (const MaterialEntry& m : Shared().ReferenceLists.Materials)
        materials << QString::fromStdString(m.Name);
    Material = AddCombo(QStringLiteral("Material"), "Material", materials);
    KFactor = AddField(f, QStringLiteral("k-factor (W/mK)"), "KFactor");
    Humidity = AddField(f, QStringLiteral("Relative humidity (%)"), "Humidity");
}

// Typed h, or the fields of the surface coefficient computation.
void TTableInputs::BuildCoefficient() {
    QFormLayout& f = *form_;
    CoefficientMode = AddCombo(QStringLiteral("Surface coefficient h"), "CoefficientMode",
                               {QStringLiteral("typed"), QStringLiteral("computed indoors"),
                                QStringLiteral("computed outdoors")});
    Coefficient = AddField(f, QStringLiteral("h (W/m²K)"), "Coefficient");
    Orientation = AddCombo(QStringLiteral("Orientation"), "Orientation",
                           {QStringLiteral("horizontal"), QStringLiteral("vertical")});
    WindSpeed = AddField(f, QStringLiteral("Wind speed (m/s)"), "WindSpeed");
    QStringList claddings;
    for (const CladdingEntry& c : Shared().ReferenceLists.Claddings)
        claddings << QString::fromStdString(c.Name);
    claddings << QStringLiteral("typed emission coefficient");
    Cladding = AddCombo(QStringLiteral("Cladding"), "Cladding", claddings);
    Emissivity = AddField(f, QStringLiteral("Emission coefficient"), "Emissivity");
    if (!pipe_)
        SheetHeight = AddField(f, QStringLiteral("Sheet height (m)"), "SheetHeight");
}

// The extent, the year's figures, the criteria and the lists of rows.
void TTableInputs::BuildYear() {
    QFormLayout& f = *form_;
    Extent = AddField(f, pipe_ ? QStringLiteral("Pipe length (m)") : QStringLiteral("Area (m²)"),
                      "Extent");
    Price = AddField(f, QStringLiteral("Energy price per kWh"), "Price");
    PriceBasis = AddCombo(QStringLiteral("Price is per kWh of"), "PriceBasis",
                          {QStringLiteral("heat"), QStringLiteral("fuel")});
    Efficiency = AddField(f, QStringLiteral("Heat source efficiency (%)"), "Efficiency");
    Hours = AddField(f, QStringLiteral("Operating hours per year"), "Hours");
    Co2 = AddField(f, QStringLiteral("CO2 per kWh (kg)"), "Co2");
    Limit = AddOptional(LimitOn, QStringLiteral("Surface temperature limit (°C)"), "Limit");
    MaxFlow = AddOptional(MaxFlowOn,
                          pipe_ ? QStringLiteral("Maximum heat flow (W/m)")
                                : QStringLiteral("Maximum heat flow (W/m²)"),
                          "MaxFlow");
    Thicknesses = AddField(f, QStringLiteral("Thicknesses (mm)"), "Thicknesses");
    // A pasted list is taken whole: cut at the default 32,767 characters, a number cut in
    // two would become a row nobody typed.
    Thicknesses->setMaxLength(std::numeric_limits<int>::max());
    Life = AddField(f, QStringLiteral("Life (years)"), "Life");
    Interest = AddField(f, QStringLiteral("Interest rate (%/a)"), "Interest");
    PriceIncrease = AddField(f, QStringLiteral("Energy price increase (%/a)"), "PriceIncrease");
    if (pipe_)
        BuildSeries();
}

// The nominal table's diameters first, then the common series of the data folder; picking
// one fills the list, which stays the user's to edit.
void TTableInputs::BuildSeries() {
    QStringList names;
    if (const auto& table = Shared().PipeTable; table && !NominalDiametersMm(*table).empty()) {
        names << QStringLiteral("nominal table's diameters");
        series_.push_back(NominalDiametersMm(*table));
    }
    for (PipeSeries& s : LoadPipeSeries(InDataFolder(QStringLiteral("pipe_series.txt")))) {
        names << s.name;
        series_.push_back(std::move(s.diametersMm));
    }
    if (series_.empty()) { // neither file: the steel sizes most pipes are
        names << QStringLiteral("steel pipe");
        series_.push_back(
            {21.3f, 26.9f, 33.7f, 42.4f, 48.3f, 60.3f, 76.1f, 88.9f, 114.3f, 168.3f, 219.1f});
    }
    Series = AddCombo(QStringLiteral("Pipe series"), "Series", names);
    Diameters = AddField(*form_, QStringLiteral("Pipe sizes (mm)"), "Diameters");
    Diameters->setMaxLength(std::numeric_limits<int>::max());
    connect(Series, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(series_.size()))
            Diameters->setText(Numbers(series_[static_cast<size_t>(index)]));
    });
}

void TTableInputs::Prefill() {
    const TWorkingValues& wv = Shared().WorkingValues;
    if (pipe_)
        Diameter->setText(ShortNumber(static_cast<float>(wv.TubeDiameter * 1000.0)));
    Ambient->setText(ShortNumber(wv.AmbientTemp, 2));
    Medium->setText(ShortNumber(wv.MediumTemp, 2));
    Material->setCurrentIndex(
        wv.MaterialIndex >= 0 && wv.MaterialIndex < Material->count() ? wv.MaterialIndex : 0);
    KFactor->setText(FormatPattern(wv.KFactor, "#0.0000"));
    Humidity->setText(ShortNumber(wv.RelHumidity, 2));
    Coefficient->setText(FormatPattern(wv.SurfaceCoefficient, "#0.000"));
    WindSpeed->setText(QStringLiteral("1"));
    Cladding->setCurrentIndex(Cladding->count() - 1);
    Emissivity->setText(FormatPattern(wv.Emissivity, "#0.00"));
    if (SheetHeight)
        SheetHeight->setText(FormatPattern(wv.SheetHeight, "#0.00"));
    Extent->setText(ShortNumber(pipe_ ? wv.PipeLength : wv.SurfaceArea));
    Price->setText(ShortNumber(wv.CostPerKWh, 4));
    Efficiency->setText(QStringLiteral("90"));
    Interest->setText(QStringLiteral("0"));
    PriceIncrease->setText(QStringLiteral("0"));
    Hours->setText(QStringLiteral("8760"));
    Co2->setText(QStringLiteral("0.2"));
    Limit->setText(QStringLiteral("60"));
    LimitOn->setChecked(wv.MediumTemp > 60);
    MaxFlow->setText(QStringLiteral("50"));
    Thicknesses->setText(Numbers(DefaultThicknessesMm()));
    Life->setText(QStringLiteral("10"));
    if (Diameters && !series_.empty())
        Diameters->setText(Numbers(series_.front()));
}

bool TTableInputs::UserMaterial() const {
    const int index = Material->currentIndex();
    return index >= 0 && Shared().ReferenceLists.Materials[index].Lambda0 == kKFactorMark;
}

void TTableInputs::ShowCoefficientFields() {
    const int mode = CoefficientMode->currentIndex();
    const bool userMaterial = UserMaterial();
    auto show = [this](QWidget* field, bool on) {
        if (field)
            form_->setRowVisible(field, on);
    };
    show(KFactor, userMaterial);
    show(Coefficient, mode == 0);
    show(Orientation, mode == 1 && pipe_);
    show(WindSpeed, mode == 2);
    show(Cladding, mode != 0);
    show(Emissivity, mode != 0);
    show(SheetHeight, mode != 0);
    show(Efficiency, PriceBasis->currentIndex() == 1);
    Emissivity->setEnabled(Cladding->currentIndex() == Cladding->count() - 1);
    Limit->setEnabled(LimitOn->isChecked());
    MaxFlow->setEnabled(MaxFlowOn->isChecked());
}

void TTableInputs::Watch() {
    // Long names (materials, claddings) must not widen the column of fields.
    for (QComboBox* box : findChildren<QComboBox*>()) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &TTableInputs::Changed);
    for (QComboBox* box : findChildren<QComboBox*>()) {
        connect(box, &QComboBox::currentIndexChanged, this, &TTableInputs::ShowCoefficientFields);
        connect(box, &QComboBox::currentIndexChanged, this, &TTableInputs::Changed);
    }
    for (QCheckBox* box : {LimitOn, MaxFlowOn}) {
        connect(box, &QCheckBox::toggled, this, &TTableInputs::ShowCoefficientFields);
        connect(box, &QCheckBox::toggled, this, &TTableInputs::Changed);
    }
    connect(Cladding, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto& claddings = Shared().ReferenceLists.Claddings;
        if (index >= 0 && index < static_cast<int>(claddings.size()))
            Emissivity->setText(FormatPattern(claddings[index].Emissivity, "#0.00"));
    });
}

QStringList TTableInputs::Summary(bool bySize) const {
    // What one thickness table uses and the table of pipe sizes does not, and the other way.
    const QList<QWidget*> oneTable = {Diameter, Extent,      Price, PriceBasis, Efficiency,   Hours,
                                      Co2,      Thicknesses, Life,  Interest,   PriceIncrease};
    const QList<QWidget*> sizes = {Series, Diameters};
    QStringList lines;
    for (int row = 0; row < form_->rowCount(); ++row) {
        QLayoutItem* label = form_->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem* field = form_->itemAt(row, QFormLayout::FieldRole);
        if (!label || !field || !field->widget() || !field->widget()->isVisibleTo(this))
            continue;
        if ((bySize ? oneTable : sizes).contains(field->widget()))
            continue;
        QString caption;
        if (auto* box = qobject_cast<QCheckBox*>(label->widget())) {
            if (!box->isChecked())
                continue;
            caption = box->text();
        } else if (auto* text = qobject_cast<QLabel*>(label->widget())) {
            caption = text->text();
        }
        QString value;
        if (auto* edit = qobject_cast<QLineEdit*>(field->widget()))
            value = edit->text();
        else if (auto* box = qobject_cast<QComboBox*>(field->widget()))
            value = box->currentText();
        lines << caption + QStringLiteral(": ") + value;
    }
    return lines;
}
