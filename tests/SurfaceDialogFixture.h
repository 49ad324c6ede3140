#pragma once
// Drives the surface coefficient dialog on a real calculation form: the form is built for
// a CalculationType, "calculate h" runs the dialog through the recording seam, and each
// test acts on the dialog as a user would while it is shown.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <array>
#include <functional>
#include <memory>

#include "coefficient/Finsideoutside.h"
#include "forms/Fpipessheets.h"
#include "forms/Uclasses.h"
#include "support/Clicks.h"
#include "support/RecordingSeam.h"

inline constexpr int kUserMaterial = 1; // "k-factor", the last material
inline constexpr int kNoLine = -1;

// Line positions per CalculationType, as the forms lay them out.
inline constexpr std::array<int, 8> kHLine = {4, 5, 6, 9, 10, 3, 5, 4};
inline constexpr std::array<int, 8> kThicknessLine = {kNoLine, 3, 3, 6, 8, kNoLine, 2, 2};
inline constexpr std::array<int, 8> kDiameterLine = {2, 2, 2, 5, 7, kNoLine, kNoLine, kNoLine};
inline constexpr std::array<int, 8> kMaterialLine = {3, 4, 5, 8, 9, 2, 4, 3};
inline constexpr std::array<int, 8> kHumidityLine = {5,       kNoLine, kNoLine, kNoLine,
                                                     kNoLine, 4,       kNoLine, kNoLine};

class SurfaceDialogTest : public SeamTest {
protected:
    std::unique_ptr<TPipeForm> form;
    int type = 1;
    int dialogRuns = 0;
    // What the test does with the shown dialog; the dialog is rejected unseen without it.
    std::function<void(TInsideOutside&)> act;

    void SetUp() override {
        SeamTest::SetUp();
        ResetFormState();
        auto& lists = Shared().ReferenceLists;
        lists.Materials = {{"Wool", 0.032f, 0.0001f, -50, 250}, {"k-factor", -99, 0, -200, 200}};
        lists.Claddings = {{"None", 0.93f}, {"Fe", 0.7f}, {"Aluminium", 0.13f}, {"Void", 0}};
        Shared().GlobalSettings.BareSteelEmissivity = 0.7f;
        Shared().WorkingValues.KFactor = 0.036f;
        seam.onDialog = [this](QDialog& d) { return RunDialog(d); };
    }

    void TearDown() override {
        form.reset();
        ResetFormState();
        SeamTest::TearDown();
    }

    int RunDialog(QDialog& d) {
        auto* dialog = dynamic_cast<TInsideOutside*>(&d);
        if (!dialog)
            return QDialog::Rejected;
        ++dialogRuns;
        dialog->setResult(-1);
        ShowActive(*dialog);
        if (act && dialog->isVisible())
            act(*dialog);
        bool open = dialog->isVisible();
        dialog->hide();
        return open ? QDialog::Rejected : dialog->result();
    }

    // Shown and activated, as the modal run shows it.
    static void ShowActive(QWidget& w) {
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    // A form of the type with the reference installation: 60 °C medium in 20 °C air,
    // 20 mm of a 0.036 W/(m·K) user material on a 100 mm pipe.
    void OpenForm(int calculationType) {
        type = calculationType;
        Shared().CalculationType = type;
        form = std::make_unique<TPipeForm>(nullptr);
        form->show();
        Line(0).SetParaLineEditText("20");
        Line(1).SetParaLineEditText("60");
        SetLine(kDiameterLine, "100");
        SetLine(kThicknessLine, "20");
        ChooseMaterial(kUserMaterial);
    }

    TParaLine& Line(int position) { return (*FormState().ParameterLines)[position]; }

    void SetLine(const std::array<int, 8>& positions, const QString& text) {
        if (positions[static_cast<size_t>(type)] != kNoLine)
            Line(positions[static_cast<size_t>(type)]).SetParaLineEditText(text);
    }

    void ChooseMaterial(int index) {
        Line(kMaterialLine[static_cast<size_t>(type)]).MaterialSelector()->setCurrentIndex(index);
    }

    TParaLine& HLine() { return Line(kHLine[static_cast<size_t>(type)]); }

    // "calculate h" with the given actions on the shown dialog.
    void CalculateH(std::function<void(TInsideOutside&)> action = {}) {
        act = std::move(action);
        HLine().CalculateHClick();
    }

    float H() const { return Shared().WorkingValues.SurfaceCoefficient; }

    QStringList Messages(MessageKind kind) const {
        QStringList texts;
        for (const auto& m : seam.messages)
            if (m.kind == kind)
                texts << m.text;
        return texts;
    }
};

// Actions a user takes in the dialog.
inline void ChooseOutside(TInsideOutside& d) {
    ClickCaption(d.TntRadioButton2);
}

inline void ChooseCladding(TInsideOutside& d, int position) {
    // One step of the keyboard onto the position: a user's choice of exactly that one.
    d.TntComboBox1->setCurrentIndex(position - 1);
    QTest::keyClick(d.TntComboBox1, Qt::Key_Down);
}

inline void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Continue(TInsideOutside& d) {
    ClickCaption(d.Button1);
}
