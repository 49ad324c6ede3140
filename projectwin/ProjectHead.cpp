#include "projectwin/ProjectHead.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <limits>
#include <tuple>

#include "config/JobBounds.h"
#include "project/NumberText.h"

TProjectHead::TProjectHead(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    Name = Add(QStringLiteral("Project"), "ProjectName", 0, 0);
    Client = Add(QStringLiteral("Client"), "Client", 0, 1);
    Engineer = Add(QStringLiteral("Engineer"), "Engineer", 0, 2);
    Date = Add(QStringLiteral("Date"), "Date", 0, 3);
    Price = Add(QStringLiteral("Energy price per kWh"), "EnergyPrice", 1, 0);
    Hours = Add(QStringLiteral("Hours per year"), "HoursPerYear", 1, 1);
    Co2 = Add(QStringLiteral("CO2 per kWh (kg)"), "Co2PerKWh", 1, 2);
    Waste = Add(QStringLiteral("Waste allowance (%)"), "WasteAllowance", 1, 3);
    // The thickness table's life economics, for the lines that do not set their own.
    Life = Add(QStringLiteral("Life (years)"), "LifeYears", 2, 0);
    Interest = Add(QStringLiteral("Interest rate (%/a)"), "InterestRate", 2, 1);
    PriceIncrease = Add(QStringLiteral("Energy price increase (%/a)"), "PriceIncrease", 2, 2);
}

QLineEdit* TProjectHead::Add(const QString& caption, const char* name, int row, int column) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    grid->addWidget(new QLabel(caption, this), row, 2 * column);
    grid->addWidget(field, row, 2 * column + 1);
    connect(field, &QLineEdit::editingFinished, this, &TProjectHead::Read);
    return field;
}

void TProjectHead::Show(const TitleBlock& title, const ProjectSettings& settings) {
    title_ = title;
    settings_ = settings;
    Name->setText(title.ProjectName);
    Client->setText(title.Client);
    Engineer->setText(title.Engineer);
    Date->setText(title.Date);
    Price->setText(NumberText(settings.EnergyPrice));
    Hours->setText(NumberText(settings.HoursPerYear));
    Co2->setText(NumberText(settings.Co2PerKWh));
    Waste->setText(NumberText(settings.WasteAllowance));
    Life->setText(NumberText(settings.LifeYears));
    Interest->setText(NumberText(settings.InterestRatePercent));
    PriceIncrease->setText(NumberText(settings.PriceIncreasePercent));
}

// Each number within the bounds the thickness table's field has (none below 0 but the price
// increase); false, with the reason emitted, for the first that is not.
bool TProjectHead::ReadNumbers(ProjectSettings& settings) {
    using jobbounds::Range;
    constexpr double kAny = std::numeric_limits<float>::max();
    const std::tuple<QLineEdit*, float*, Range> numbers[] = {
        {Price, &settings.EnergyPrice, {0, kAny}},
        {Hours, &settings.HoursPerYear, {0, kAny}},
        {Co2, &settings.Co2PerKWh, {0, kAny}},
        {Waste, &settings.WasteAllowance, {0, kAny}},
        {Life, &settings.LifeYears, jobbounds::kLifeYears},
        {Interest, &settings.InterestRatePercent, jobbounds::kInterestPercent},
        {PriceIncrease, &settings.PriceIncreasePercent, jobbounds::kPriceIncreasePercent}};
    for (const auto& [field, value, range] : numbers) {
        const auto number = TryNumber(field->text());
        if (!number || *number < range.Lowest || *number > range.Highest) {
            QString reason =
                QStringLiteral("'") + field->text() + QStringLiteral("' is not a valid value here");
            if (number && range.Highest < kAny)
                reason += QStringLiteral(" (from %1 to %2)")
                              .arg(NumberText(static_cast<float>(range.Lowest)),
                                   NumberText(static_cast<float>(range.Highest)));
            emit Refused(reason);
            return false;
        }
        *value = *number;
    }
    return true;
}

void TProjectHead::Read() {
    TitleBlock title{Name->text(), Client->text(), Engineer->text(), Date->text()};
    ProjectSettings settings;
    if (!ReadNumbers(settings)) {
        Show(title_, settings_);
        return;
    }
    if (title == title_ && settings == settings_)
        return;
    emit Edited(title, settings);
}

// Compiled here, away from the calculation forms' headers (their LineKind).
#include "moc_ProjectHead.cpp"
