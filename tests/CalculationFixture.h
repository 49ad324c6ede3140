#pragma once
// Calculations run through their forms: the test types the line texts, presses
// "Calculate" and reads the result texts, the ResultLog and the messages. Expected values
// come from the physical formulas worked out here in double precision, π = 3.14159.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

#include "engine/Ucalc.h" // kPi, and the dew point of the engine
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "support/FormFixture.h"

// Materials of FillReferenceLists: λ = 0.035 + 0.0002·θ from -50 to 250 °C, a rubber
// usable from -200 to 105 °C, and the user's "k-factor" (-200 to 300 °C).
inline constexpr int kWool = 0;
inline constexpr int kRubber = 1;
inline constexpr int kUser = 2;

inline constexpr double kSigma = 5.67e-8;

inline double WoolLambda(double ambientTemp, double mediumTemp) {
    return 0.035 + 0.0002 * (ambientTemp + mediumTemp) / 2;
}

// h of a bare surface at the medium temperature in still indoor air: radiation plus the
// natural convection of a horizontal pipe of diameter d, or of a wall 1 m high.
inline double BareH(double surfaceTemp, double airTemp, double emissivity, double d, bool pipe) {
    const double t1 = surfaceTemp + 273.15, t2 = airTemp + 273.15;
    const double radiation = emissivity * kSigma * (t1 * t1 + t2 * t2) * (t1 + t2);
    const double dt = std::fabs(t1 - t2);
    if (!pipe)
        return radiation + 1.74 * std::cbrt(dt); // 1³·ΔT > 10 for every ΔT used here
    return radiation + (d * d * d * dt > 10 ? 1.21 * std::cbrt(dt) : 1.25 * std::pow(dt / d, 0.25));
}

// Linear transmittance of an insulated pipe, W/(m·K).
inline double PipeU(double d, double s, double lambda, double h) {
    const double outer = d + 2 * s;
    return 1 / (std::log(outer / d) / (2 * kPi * lambda) + 1 / (outer * h * kPi));
}

inline double DewPointOf(double airTemp, double humidity) {
    return std::pow(0.01 * humidity, 0.12468827930174564) * (airTemp + 109.8) - 109.8;
}

// The text has exactly `decimals` decimals and shows `expected` rounded to them.
inline ::testing::AssertionResult Shows(const QString& text, double expected, int decimals) {
    const QRegularExpression form(QStringLiteral("^-?[0-9]+\\.[0-9]{%1}$").arg(decimals));
    if (!form.match(text).hasMatch())
        return ::testing::AssertionFailure()
               << '"' << text.toStdString() << "\" is not a number with " << decimals
               << " decimals";
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + 2e-5 * std::fabs(expected);
    if (std::fabs(text.toDouble() - expected) > tolerance)
        return ::testing::AssertionFailure()
               << '"' << text.toStdString() << "\" does not show " << expected;
    return ::testing::AssertionSuccess();
}

class CalculationTest : public FormTest {
protected:
    std::unique_ptr<TPipeForm> form;

    void SetUp() override {
        FormTest::SetUp();
        Shared().GlobalSettings.BareSteelEmissivity = 0.7f;
    }
    void TearDown() override {
        form.reset();
        FormTest::TearDown();
    }

    // The form of the type with the line texts in order; nullptr leaves a line as built.
    void Open(int type, std::initializer_list<const char*> texts, int material = kWool) {
        Shared().CalculationType = type;
        form = std::make_unique<TPipeForm>(nullptr);
        form->show();
        int line = 0;
        for (const char* text : texts) {
            if (text)
                P(line).SetParaLineEditText(QString::fromUtf8(text));
            ++line;
        }
        ChooseMaterial(material);
        seam.messages.clear();
    }

    TParaLine& P(int i) { return (*FormState().ParameterLines)[i]; }
    TParaLine& R(int i) { return (*FormState().ResultLines)[i]; }
    QString Result(int i) { return R(i).ParaLineEditText(); }

    int MaterialLine() {
        for (int i = 0; i < FormState().ParameterLines->Count(); ++i)
            if (P(i).ParaLineMaterialAvailable())
                return i;
        return -1;
    }
    // As the program's own selection (the user material's dialog does not open).
    void ChooseMaterial(int index) { P(MaterialLine()).MaterialSelector()->setCurrentIndex(index); }

    void Press() { QTest::mouseClick(form->Button1, Qt::LeftButton); }
    // Types the text into the line and presses "Calculate".
    void PressWith(int line, const char* text) {
        P(line).SetParaLineEditText(QString::fromUtf8(text));
        Press();
    }

    bool PrintEnabled() const { return form->Button3->isEnabled(); }
    int Rows() const { return static_cast<int>(FormState().ResultLog.size()); }
    QString LastRow() const { return FormState().ResultLog.last(); }
    QStringList Messages() const { return seam.Texts(); }

    // Every result text and alternative, for checks that none is an infinity or a nan.
    QString EverythingShown() {
        QStringList shown;
        for (int i = 0; i < FormState().ResultLines->Count(); ++i)
            shown << (R(i).AlternativesAvailable() ? R(i).Alternatives().join(u' ') : Result(i));
        return shown.join(u' ');
    }
    ::testing::AssertionResult NothingNonFinite() {
        const QString shown = EverythingShown();
        if (shown.contains(QStringLiteral("inf"), Qt::CaseInsensitive) ||
            shown.contains(QStringLiteral("nan"), Qt::CaseInsensitive))
            return ::testing::AssertionFailure() << shown.toStdString();
        return ::testing::AssertionSuccess();
    }
};

inline const QString kMakeSense = QStringLiteral("Please enter values that make sense!");
inline const QString kNoMaterial =
    QStringLiteral("Please enter the material type before calculating.");
inline const QString kTooHigh = QStringLiteral(
    "Ambient or medium temperature is too high for the selected material! Calculation skipped!");
inline const QString kTooLow =
    QStringLiteral("Ambient or medium temperature is too low for the selected material!");
inline const QString kFailed = QStringLiteral("Calculation failed! Error: ");
