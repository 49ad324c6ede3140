#include "projectwin/ProjectHead.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

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
}

void TProjectHead::Read() {
    TitleBlock title{Name->text(), Client->text(), Engineer->text(), Date->text()};
    ProjectSettings settings;
    const std::pair<QLineEdit*, float*> numbers[] = {{Price, &settings.EnergyPrice},
                                                     {Hours, &settings.HoursPerYear},
                                                     {Co2, &settings.Co2PerKWh},
                                                     {Waste, &settings.WasteAllowance}};
    for (const auto& [field, value] : numbers) {
        const auto number = TryNumber(field->text());
        if (!number || *number < 0) {
            emit Refused(QStringLiteral("'") + field->text() +
                         QStringLiteral("' is not a valid value here"));
            Show(title_, settings_);
            return;
        }
        *value = *number;
    }
    if (title == title_ && settings == settings_)
        return;
    emit Edited(title, settings);
}

// Compiled here, away from the calculation forms' headers (their LineKind).
#include "moc_ProjectHead.cpp"
